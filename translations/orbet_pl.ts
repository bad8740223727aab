<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameAccessible</name>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play area</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n balls removed, %1 points, score %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNameInput</name>
    <message>
        <source>Enter Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbet High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
