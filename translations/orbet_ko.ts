<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Copyright © 2026 %1. 모든 권리 보유.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation>Orbet은 같은 색 공을 다섯 개 이상 한 줄로 놓아 게임판에서 없애는 퍼즐 게임입니다.
게임 방법은 매뉴얼 페이지 orbet(6)과 게임의 도움말 메뉴에서 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>이 도움말을 표시하고 끝냅니다.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>버전을 표시하고 끝냅니다.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>알 수 없는 인수 &apos;%1&apos;입니다.</translation>
    </message>
</context>
<context>
    <name>GameAccessible</name>
    <message>
        <source>Board</source>
        <translation>게임판</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>%1열</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>%1행</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>게임 영역</translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation>빨간색</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>파란색</translation>
    </message>
    <message>
        <source>green</source>
        <translation>초록색</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>노란색</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>하늘색</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>자홍색</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>주황색</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>빈 칸</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>%1행 %2열</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, 선택됨</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>새 공: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>; </translation>
    </message>
    <message>
        <source>new game</source>
        <translation>새 게임</translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation>%2의 %1 공 선택</translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation>%2의 %1 공 선택 해제</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>%1로 이동</translation>
    </message>
    <message>
        <source>no route</source>
        <translation>길 없음</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%2에 %1</translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation>게임 오버, 최종 점수 %1</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>다음 공: %1</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message numerus="yes">
        <source>%n balls removed, %1 points, score %2</source>
        <translation>
            <numerusform>공 %n개 제거, %1점 획득, 점수 %2</numerusform>
        </translation>
    </message>
    <message>
        <source>move taken back</source>
        <translation>한 수 되돌림</translation>
    </message>
    <message>
        <source>%1 ball back at %2</source>
        <translation>%1 공 %2로 돌아감</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>도움말 파일 %1을(를) 찾을 수 없습니다.</translation>
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
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>잘라내기(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>붙여넣기(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>링크 주소 복사(&amp;L)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>창 시스템에 연결할 수 없습니다. Orbet을 실행하려면 그래픽 데스크톱 세션(DISPLAY 또는 WAYLAND_DISPLAY)이 필요합니다.</translation>
    </message>
    <message>
        <source>Qt&apos;s window-system plugin &quot;%1&quot; is missing or could not start; install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.</source>
        <translation>Qt 창 시스템 플러그인 &quot;%1&quot;이(가) 없거나 시작할 수 없습니다. Wayland를 쓰려면 qt6-wayland를 설치하거나, QT_QPA_PLATFORM을 해제하여 Qt가 직접 고르게 하십시오.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 정보</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>버전 %1.%2</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>리비전 %1</translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation>자세한 정보:</translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation>질문과 의견은 이곳으로 보내 주세요:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation>다음 공:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>내 점수:</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>최고 점수:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>새 게임(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>최고 점수(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>소리(&amp;S)</translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation>모양 표시(&amp;A)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>목차(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Orbet 정보(&amp;A)</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>게임이 끝났습니다.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>게임 오버</translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation>축하합니다! 최고 점수 표의 %1위에<byte value="xd"/>
올랐습니다.<byte value="xd"/>
<byte value="xd"/>
최고 점수 표에 이름을 올리시겠습니까?</translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation>최고 점수</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>Re&amp;member Game</source>
        <translation>게임 기억하기(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>확대/축소(&amp;Z)</translation>
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
        <translation>이름 입력:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation>최고 점수 등록</translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation>이름을 입력하지 않았습니다.<byte value="xd"/>
<byte value="xd"/>
정말 최고 점수 표에 이름을<byte value="xd"/>
올리지 않으시겠습니까?</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation>점수를 저장하지 못했습니다.<byte value="xd"/>
<byte value="xd"/>
최고 점수 표를 저장하는 파일<byte value="xd"/>
%1<byte value="xd"/>
에 쓸 수 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>입력한 이름이 %n자를 넘습니다.<byte value="xd"/>
<byte value="xd"/>
최고 점수 표에 올릴 수 있도록 이름을 줄여 주세요.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>Orbet High Scores</source>
        <translation>Orbet 최고 점수</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>최고 점수</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>순위</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation>%1위, %2, %3점</translation>
    </message>
</context>
</TS>
