<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Telif hakkı © 2026 %1. Tüm hakları saklıdır.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation>Orbet, bir bulmaca oyunu: aynı renkten beş ya da daha fazla topu dizerek tahtadan temizleyin.
orbet(6) kılavuz sayfası ve oyunun Yardım menüsü nasıl oynanacağını anlatır.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Bu yardımı gösterir ve çıkar.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Sürümü gösterir ve çıkar.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Beklenmeyen argüman: &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>GameAccessible</name>
    <message>
        <source>Board</source>
        <translation>Tahta</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>sütun %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>satır %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>Oyun alanı</translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation>kırmızı</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>mavi</translation>
    </message>
    <message>
        <source>green</source>
        <translation>yeşil</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>sarı</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>camgöbeği</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>macenta</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>turuncu</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>satır %1, sütun %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, seçili</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>yeni toplar: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>; </translation>
    </message>
    <message>
        <source>new game</source>
        <translation>yeni oyun</translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation>%1 top seçildi: %2</translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation>%1 top bırakıldı: %2</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>taşındı: %1</translation>
    </message>
    <message>
        <source>no route</source>
        <translation>yol yok</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation>oyun bitti, son puan %1</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>sonraki: %1</translation>
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
            <numerusform>%n top kaldırıldı, %1 puan, toplam %2</numerusform>
        </translation>
    </message>
    <message>
        <source>move taken back</source>
        <translation>hamle geri alındı</translation>
    </message>
    <message>
        <source>%1 ball back at %2</source>
        <translation>%1 top geri döndü: %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>Yardım dosyası bulunamadı: %1</translation>
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
        <translation>&amp;Geri al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ke&amp;s</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyala</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ya&amp;pıştır</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyala</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Bağ&amp;lantı Konumunu Kopyala</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Küçült</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>hiçbir pencere sistemine ulaşılamadı; Orbet grafik bir masaüstü oturumu gerektirir (DISPLAY ya da WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>Qt&apos;s window-system plugin &quot;%1&quot; is missing or could not start; install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.</source>
        <translation>Qt&apos;nin &quot;%1&quot; pencere sistemi eklentisi eksik ya da başlatılamadı; Wayland için qt6-wayland paketini kurun ya da Qt&apos;nin kendisi seçsin diye QT_QPA_PLATFORM değişkenini kaldırın.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 Hakkında</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Sürüm %1.%2</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>Revizyon %1</translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation>Daha fazla bilgi için:</translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation>Soru ve yorumlarınız için:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation>Sonraki Hamle:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Puanınız:</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>Rekor:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Oyun</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Yeni</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Rekorlar</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ses</translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation>Şe&amp;killer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>İ&amp;çindekiler</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Oyun bitti.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>OYUN BİTTİ</translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation>Rekor tablosunda %1. sıraya yerleşen<byte value="xd"/>
bir puan aldınız.<byte value="xd"/>
<byte value="xd"/>
Adınızı rekor tablosuna eklemek ister misiniz?</translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation>REKOR</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri Al</translation>
    </message>
    <message>
        <source>Re&amp;member Game</source>
        <translation>Oyunu &amp;Hatırla</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>Y&amp;akınlaştırma</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%%1</translation>
    </message>
</context>
<context>
    <name>frmNameInput</name>
    <message>
        <source>Enter Name:</source>
        <translation>Adınızı girin:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>İ&amp;ptal</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation>Rekor Kaydı</translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation>Bir ad girmediniz.<byte value="xd"/>
<byte value="xd"/>
Adınızı rekor tablosuna yazmak istemediğinizden<byte value="xd"/>
emin misiniz?</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>ONAY</translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation>Puanınız kaydedilemedi.<byte value="xd"/>
<byte value="xd"/>
Rekor tablosu şu dosyada tutulur:<byte value="xd"/>
%1<byte value="xd"/>
ve bu dosyaya yazılamadı.</translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>Girilen ad %n karakterden uzun.<byte value="xd"/>
<byte value="xd"/>
Adınızın rekor tablosuna yazılabilmesi için lütfen kısaltın.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>Orbet High Scores</source>
        <translation>Orbet Rekorları</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekorlar</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Sıra</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Oyuncu</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation>sıra %1, %2, %3 puan</translation>
    </message>
</context>
</TS>
