<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>© 2026 %1. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation>Orbet, ein Denkspiel: Bringe fünf oder mehr Kugeln einer Farbe in eine Linie, um sie vom Spielfeld zu räumen.
Wie man spielt, steht in der Handbuchseite orbet(6) und im Hilfe-Menü des Spiels.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Zeigt diese Hilfe an und beendet sich.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Zeigt die Version an und beendet sich.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>GameAccessible</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>Spielbereich</translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, ausgewählt</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>Neue Kugel: %1</numerusform>
            <numerusform>Neue Kugeln: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>; </translation>
    </message>
    <message>
        <source>new game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation>Kugel ausgewählt: %1 in %2</translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation>Kugel abgelegt: %1 in %2</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>Nach %1 gezogen</translation>
    </message>
    <message>
        <source>no route</source>
        <translation>Kein Weg</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation>Spiel vorbei, Endstand %1 Punkte</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>Als Nächstes: %1</translation>
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
            <numerusform>%n Kugel entfernt, %1 Punkte, Stand %2</numerusform>
            <numerusform>%n Kugeln entfernt, %1 Punkte, Stand %2</numerusform>
        </translation>
    </message>
    <message>
        <source>move taken back</source>
        <translation>Zug zurückgenommen</translation>
    </message>
    <message>
        <source>%1 ball back at %2</source>
        <translation>Kugel zurück: %1 in %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden.</translation>
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
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
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
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>&amp;Link-Adresse kopieren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>kein Fenstersystem erreichbar; Orbet braucht eine grafische Desktop-Sitzung (DISPLAY oder WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>Qt&apos;s window-system plugin &quot;%1&quot; is missing or could not start; install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.</source>
        <translation>Das Fenstersystem-Plugin „%1“ von Qt fehlt oder ließ sich nicht starten; installiere qt6-wayland für Wayland, oder entferne QT_QPA_PLATFORM, damit Qt selbst wählt.</translation>
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
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>Revision %1</translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation>Weitere Informationen:</translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation>Fragen und Anregungen bitte an:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation>Nächster Zug:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Deine Punkte:</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>Rekord:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation>&amp;Formen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Orbet</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Das Spiel ist vorbei.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPIEL VORBEI</translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation>Mit deinen Punkten stehst du auf Platz %1<byte value="xd"/>
der Bestenliste.<byte value="xd"/>
<byte value="xd"/>
Möchtest du deinen Namen in die Bestenliste eintragen?</translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation>BESTENLISTE</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Re&amp;member Game</source>
        <translation>Spiel &amp;merken</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>frmNameInput</name>
    <message>
        <source>Enter Name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation>Eintrag in die Bestenliste</translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation>Du hast keinen Namen eingegeben.<byte value="xd"/>
<byte value="xd"/>
Möchtest du deinen Namen wirklich nicht in die<byte value="xd"/>
Bestenliste eintragen?</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>BESTÄTIGUNG</translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation>Deine Punkte konnten nicht gespeichert werden.<byte value="xd"/>
<byte value="xd"/>
Die Bestenliste wird in der Datei<byte value="xd"/>
%1<byte value="xd"/>
geführt, und diese Datei ließ sich nicht schreiben.</translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>Der Name ist länger als %n Zeichen.<byte value="xd"/>
<byte value="xd"/>
Bitte kürze ihn, damit er in die Bestenliste eingetragen werden kann.</numerusform>
            <numerusform>Der Name ist länger als %n Zeichen.<byte value="xd"/>
<byte value="xd"/>
Bitte kürze ihn, damit er in die Bestenliste eingetragen werden kann.</numerusform>
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
        <translation>Orbet-Bestenliste</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation>%1, %2, %3</translation>
    </message>
</context>
</TS>
