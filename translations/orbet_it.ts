<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Copyright © 2026 %1. Tutti i diritti riservati.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation>Orbet, un gioco di logica: allinea cinque o più palline dello stesso colore per toglierle dal tabellone.
La pagina di manuale orbet(6) e il menu Aiuto del gioco spiegano come si gioca.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
</context>
<context>
    <name>GameAccessible</name>
    <message>
        <source>Board</source>
        <translation>Tabellone</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>Area di gioco</translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation>rossa</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gialla</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>arancione</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, selezionata</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>Nuova pallina: %1</numerusform>
            <numerusform>Nuove palline: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>; </translation>
    </message>
    <message>
        <source>new game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation>Pallina %1 selezionata in %2</translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation>Pallina %1 rilasciata in %2</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>Spostata in %1</translation>
    </message>
    <message>
        <source>no route</source>
        <translation>Nessun percorso</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation>Partita finita, punteggio finale %1</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>Prossime: %1</translation>
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
            <numerusform>%n pallina eliminata, %1 punti, punteggio %2</numerusform>
            <numerusform>%n palline eliminate, %1 punti, punteggio %2</numerusform>
        </translation>
    </message>
    <message>
        <source>move taken back</source>
        <translation>Mossa annullata</translation>
    </message>
    <message>
        <source>%1 ball back at %2</source>
        <translation>Pallina %1 tornata in %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>Impossibile trovare il file di aiuto %1.</translation>
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
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rifai</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
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
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copia il co&amp;llegamento</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>impossibile raggiungere un sistema di finestre; Orbet richiede una sessione grafica del desktop (DISPLAY o WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>Qt&apos;s window-system plugin &quot;%1&quot; is missing or could not start; install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.</source>
        <translation>il plugin del sistema di finestre «%1» di Qt manca o non si è potuto avviare; installa qt6-wayland per Wayland, oppure rimuovi QT_QPA_PLATFORM per lasciare scegliere a Qt.</translation>
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
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versione %1.%2</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>Revisione %1</translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation>Per ulteriori informazioni:</translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation>Invia domande e commenti a:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation>Prossima mossa:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Il tuo punteggio:</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>Record:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Classifica</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation>&amp;Forme</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni su Orbet</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>La partita è finita.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>PARTITA FINITA</translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation>Con il tuo punteggio sei al %1º posto<byte value="xd"/>
in classifica.<byte value="xd"/>
<byte value="xd"/>
Vuoi inserire il tuo nome in classifica?</translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation>CLASSIFICA</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla mossa</translation>
    </message>
    <message>
        <source>Re&amp;member Game</source>
        <translation>&amp;Ricorda partita</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
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
        <translation>Il tuo nome:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation>Inserimento in classifica</translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation>Non hai inserito un nome.<byte value="xd"/>
<byte value="xd"/>
Vuoi davvero rinunciare a inserire il tuo nome<byte value="xd"/>
in classifica?</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>CONFERMA</translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation>Non è stato possibile salvare il punteggio.<byte value="xd"/>
<byte value="xd"/>
La classifica è conservata in<byte value="xd"/>
%1<byte value="xd"/>
e non è stato possibile scrivere il file.</translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>Il nome inserito supera %n carattere.<byte value="xd"/>
<byte value="xd"/>
Accorcialo per poterlo inserire in classifica.</numerusform>
            <numerusform>Il nome inserito supera i %n caratteri.<byte value="xd"/>
<byte value="xd"/>
Accorcialo per poterlo inserire in classifica.</numerusform>
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
        <translation>Classifica di Orbet</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation>%1, %2, %3</translation>
    </message>
</context>
</TS>
