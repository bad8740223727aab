<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Copyright © 2026 %1. 無断転載を禁じます。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation>Orbet は、同じ色のボールを5個以上並べて盤面から消していくパズルゲームです。
遊び方はマニュアルページ orbet(6) と、ゲームの「ヘルプ」メニューで説明しています。</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>不明な引数「%1」です。</translation>
    </message>
</context>
<context>
    <name>GameAccessible</name>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>%1列</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>%1行</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>プレイエリア</translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>マゼンタ</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>%1行%2列</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1、選択中</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1、%2、%3</translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>新しいボール：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation>%2の%1のボールを選択</translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation>%2の%1のボールの選択を解除</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>%1へ移動</translation>
    </message>
    <message>
        <source>no route</source>
        <translation>通り道なし</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%2に%1</translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation>ゲームオーバー、最終スコア%1</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>次のボールは%1</translation>
    </message>
    <message>
        <source>. </source>
        <translation>。</translation>
    </message>
    <message>
        <source>.</source>
        <translation>。</translation>
    </message>
    <message numerus="yes">
        <source>%n balls removed, %1 points, score %2</source>
        <translation>
            <numerusform>ボール%n個を消去、%1点獲得、スコア%2</numerusform>
        </translation>
    </message>
    <message>
        <source>move taken back</source>
        <translation>一手取り消し</translation>
    </message>
    <message>
        <source>%1 ball back at %2</source>
        <translation>%1のボールが%2に戻る</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>ヘルプファイル %1 が見つかりません。</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべてを選択</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>リンクの場所をコピー(&amp;L)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべてを選択</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>ウィンドウシステムに接続できません。Orbet の実行にはグラフィカルなデスクトップセッション (DISPLAY または WAYLAND_DISPLAY) が必要です。</translation>
    </message>
    <message>
        <source>Qt&apos;s window-system plugin &quot;%1&quot; is missing or could not start; install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.</source>
        <translation>Qt のウィンドウシステムプラグイン「%1」が見つからないか、起動できませんでした。Wayland を使うには qt6-wayland をインストールするか、QT_QPA_PLATFORM を解除して Qt に選ばせてください。</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>バージョン %1.%2</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>リビジョン %1</translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation>詳しい情報はこちら：</translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation>ご質問・ご意見の送り先：</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation>次のボール：</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>スコア：</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>ハイスコア：</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>ハイスコア(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>サウンド(&amp;S)</translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation>形のマーク(&amp;A)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>ゲームオーバーです。</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation>ハイスコア表の%1位に入りました。<byte value="xd"/>
おめでとうございます！<byte value="xd"/>
<byte value="xd"/>
ハイスコア表に名前を登録しますか？</translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Re&amp;member Game</source>
        <translation>ゲームを記憶する(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>ズーム(&amp;Z)</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>frmNameInput</name>
    <message>
        <source>Enter Name:</source>
        <translation>名前を入力：</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation>ハイスコア登録</translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation>名前が入力されていません。<byte value="xd"/>
<byte value="xd"/>
ハイスコア表に名前を登録しなくても<byte value="xd"/>
よろしいですか？</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation>スコアを保存できませんでした。<byte value="xd"/>
<byte value="xd"/>
ハイスコア表を保存するファイル<byte value="xd"/>
%1<byte value="xd"/>
に書き込めませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>名前が%n文字を超えています。<byte value="xd"/>
<byte value="xd"/>
ハイスコア表に登録できるよう、名前を短くしてください。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Orbet High Scores</source>
        <translation>Orbet ハイスコア</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>順位</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレイヤー</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation>%1位、%2、%3点</translation>
    </message>
</context>
</TS>
