<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>© 2026 %1. Wszelkie prawa zastrzeżone.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation>Orbet, gra logiczna: ułóż w linii pięć lub więcej kulek jednego koloru, aby usunąć je z planszy.
Jak grać, wyjaśniają strona podręcznika orbet(6) i menu Pomoc w grze.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
</context>
<context>
    <name>GameAccessible</name>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolumna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>Obszar gry</translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation>czerwona</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieska</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielona</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>turkusowa</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>purpurowa</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>pomarańczowa</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, wybrana</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>nowa kulka: %1</numerusform>
            <numerusform>nowe kulki: %1</numerusform>
            <numerusform>nowe kulki: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>; </translation>
    </message>
    <message>
        <source>new game</source>
        <translation>nowa gra</translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation>%1 kulka, %2, wybrana</translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation>%1 kulka, %2, odłożona</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>przeniesiona: %1</translation>
    </message>
    <message>
        <source>no route</source>
        <translation>brak drogi</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation>koniec gry, wynik końcowy %1</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>następne: %1</translation>
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
            <numerusform>usunięto %n kulkę, %1 punktów, wynik %2</numerusform>
            <numerusform>usunięto %n kulki, %1 punktów, wynik %2</numerusform>
            <numerusform>usunięto %n kulek, %1 punktów, wynik %2</numerusform>
        </translation>
    </message>
    <message>
        <source>move taken back</source>
        <translation>cofnięto ruch</translation>
    </message>
    <message>
        <source>%1 ball back at %2</source>
        <translation>%1 kulka wróciła na pole %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>Nie znaleziono pliku pomocy %1.</translation>
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
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>W&amp;ytnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>S&amp;kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
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
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>S&amp;kopiuj</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Skopiuj &amp;adres odsyłacza</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>nie można połączyć się z żadnym systemem okien; Orbet wymaga graficznej sesji pulpitu (DISPLAY lub WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>Qt&apos;s window-system plugin &quot;%1&quot; is missing or could not start; install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.</source>
        <translation>brak wtyczki systemu okien „%1” biblioteki Qt lub nie udało się jej uruchomić; zainstaluj qt6-wayland dla Waylanda albo usuń zmienną QT_QPA_PLATFORM, aby Qt wybrało samo.</translation>
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
        <translation>O grze %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Wersja %1.%2</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>Rewizja %1</translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation>Więcej informacji:</translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation>Pytania i uwagi wysyłaj na adres:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation>Następny ruch:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Twój wynik:</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>Rekord:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Rekordy</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation>&amp;Kształty</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O grze</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Koniec gry.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>KONIEC GRY</translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation>Twój wynik daje ci %1. miejsce<byte value="xd"/>
w tabeli rekordów.<byte value="xd"/>
<byte value="xd"/>
Czy chcesz wpisać swoje imię do tabeli rekordów?</translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation>REKORD</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Re&amp;member Game</source>
        <translation>Zapa&amp;miętaj grę</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Powiększenie</translation>
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
        <translation>Wpisz imię:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation>Nowy rekord</translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation>Nie wpisano imienia.<byte value="xd"/>
<byte value="xd"/>
Czy na pewno nie chcesz wpisać swojego imienia do<byte value="xd"/>
tabeli rekordów?</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>POTWIERDZENIE</translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation>Nie udało się zapisać wyniku.<byte value="xd"/>
<byte value="xd"/>
Tabela rekordów jest przechowywana w pliku<byte value="xd"/>
%1<byte value="xd"/>
i nie udało się go zapisać.</translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>Wpisane imię jest dłuższe niż %n znak.<byte value="xd"/>
<byte value="xd"/>
Skróć je, aby mogło trafić do tabeli rekordów.</numerusform>
            <numerusform>Wpisane imię jest dłuższe niż %n znaki.<byte value="xd"/>
<byte value="xd"/>
Skróć je, aby mogło trafić do tabeli rekordów.</numerusform>
            <numerusform>Wpisane imię jest dłuższe niż %n znaków.<byte value="xd"/>
<byte value="xd"/>
Skróć je, aby mogło trafić do tabeli rekordów.</numerusform>
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
        <translation>Orbet – rekordy</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation>miejsce %1, %2, %3 punktów</translation>
    </message>
</context>
</TS>
