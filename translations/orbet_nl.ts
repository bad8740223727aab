<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>© 2026 %1. Alle rechten voorbehouden.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation>Orbet, een puzzelspel: zet vijf of meer ballen van één kleur op een rij om ze van het bord te halen.
De handleiding orbet(6) en het menu Help van het spel leggen uit hoe je speelt.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Toont deze hulp en stopt.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Toont de versie en stopt.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
</context>
<context>
    <name>GameAccessible</name>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolom %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rij %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>Speelveld</translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyaan</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>oranje</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, geselecteerd</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>nieuwe bal: %1</numerusform>
            <numerusform>nieuwe ballen: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>; </translation>
    </message>
    <message>
        <source>new game</source>
        <translation>nieuw spel</translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation>%1 op %2 geselecteerd</translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation>%1 op %2 neergelegd</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>verplaatst naar %1</translation>
    </message>
    <message>
        <source>no route</source>
        <translation>geen pad</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 op %2</translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation>spel afgelopen, eindscore %1</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>volgende: %1</translation>
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
            <numerusform>%n bal verwijderd, %1 punten, score %2</numerusform>
            <numerusform>%n ballen verwijderd, %1 punten, score %2</numerusform>
        </translation>
    </message>
    <message>
        <source>move taken back</source>
        <translation>zet teruggenomen</translation>
    </message>
    <message>
        <source>%1 ball back at %2</source>
        <translation>%1 terug op %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>Het helpbestand %1 is niet gevonden.</translation>
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
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnie&amp;uw</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Kni&amp;ppen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>P&amp;lakken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
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
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Koppe&amp;ling kopiëren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>geen venstersysteem bereikbaar; Orbet heeft een grafische desktopsessie nodig (DISPLAY of WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>Qt&apos;s window-system plugin &quot;%1&quot; is missing or could not start; install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.</source>
        <translation>de venstersysteemplug-in ‘%1’ van Qt ontbreekt of kon niet starten; installeer qt6-wayland voor Wayland, of verwijder QT_QPA_PLATFORM zodat Qt zelf kiest.</translation>
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
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versie %1.%2</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>Revisie %1</translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation>Meer informatie:</translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation>Stuur vragen en opmerkingen naar:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation>Volgende zet:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Score:</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>Topscore:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Topscores</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation>&amp;Vormen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over Orbet</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Het spel is afgelopen.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPEL AFGELOPEN</translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation>Je hebt een topscore behaald waarmee je op plaats %1<byte value="xd"/>
van de topscorelijst komt.<byte value="xd"/>
<byte value="xd"/>
Wil je je naam aan de topscorelijst toevoegen?</translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation>TOPSCORE</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Re&amp;member Game</source>
        <translation>&amp;Spel onthouden</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoomen</translation>
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
        <translation>Voer je naam in:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation>Nieuwe topscore</translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation>Je hebt geen naam ingevoerd.<byte value="xd"/>
<byte value="xd"/>
Weet je zeker dat je je naam niet op de<byte value="xd"/>
topscorelijst wilt zetten?</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>BEVESTIGING</translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation>Je score kon niet worden opgeslagen.<byte value="xd"/>
<byte value="xd"/>
De topscorelijst staat in<byte value="xd"/>
%1<byte value="xd"/>
en dat bestand kon niet worden geschreven.</translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>De ingevoerde naam is langer dan %n teken.<byte value="xd"/>
<byte value="xd"/>
Maak hem korter, zodat je naam op de topscorelijst kan komen.</numerusform>
            <numerusform>De ingevoerde naam is langer dan %n tekens.<byte value="xd"/>
<byte value="xd"/>
Maak hem korter, zodat je naam op de topscorelijst kan komen.</numerusform>
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
        <translation>Topscores van Orbet</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation>plaats %1, %2, %3 punten</translation>
    </message>
</context>
</TS>
