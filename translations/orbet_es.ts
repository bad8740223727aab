<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>© 2026 %1. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation>Orbet, un juego de lógica: alinea cinco o más bolas del mismo color para quitarlas del tablero.
La página de manual orbet(6) y el menú Ayuda del juego explican cómo jugar.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
</context>
<context>
    <name>GameAccessible</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>Área de juego</translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation>roja</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarilla</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, seleccionada</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>Bola nueva: %1</numerusform>
            <numerusform>Bolas nuevas: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>; </translation>
    </message>
    <message>
        <source>new game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation>Bola %1 seleccionada en %2</translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation>Bola %1 soltada en %2</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>Movida a %1</translation>
    </message>
    <message>
        <source>no route</source>
        <translation>No hay camino</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation>Fin de la partida, puntuación final %1</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>Siguientes: %1</translation>
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
            <numerusform>%n bola eliminada, %1 puntos, puntuación %2</numerusform>
            <numerusform>%n bolas eliminadas, %1 puntos, puntuación %2</numerusform>
        </translation>
    </message>
    <message>
        <source>move taken back</source>
        <translation>Jugada deshecha</translation>
    </message>
    <message>
        <source>%1 ball back at %2</source>
        <translation>Bola %1 de vuelta en %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>No se encontró el archivo de ayuda %1.</translation>
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
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
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
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiar la ubicación del en&amp;lace</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>no se pudo conectar con ningún sistema de ventanas; Orbet necesita una sesión de escritorio gráfica (DISPLAY o WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>Qt&apos;s window-system plugin &quot;%1&quot; is missing or could not start; install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.</source>
        <translation>El complemento de sistema de ventanas «%1» de Qt falta o no se pudo iniciar; instale qt6-wayland para Wayland, o elimine QT_QPA_PLATFORM para que Qt elija.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versión %1.%2</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>Revisión %1</translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation>Más información:</translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation>Envía tus preguntas y comentarios a:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation>Próxima jugada:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Tu puntuación:</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>Récord:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Récords</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation>&amp;Formas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Orbet</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Fin de la partida.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DE LA PARTIDA</translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation>Has conseguido una puntuación que te coloca en el puesto %1<byte value="xd"/>
de la tabla de récords.<byte value="xd"/>
<byte value="xd"/>
¿Quieres añadir tu nombre a la tabla de récords?</translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation>RÉCORD</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer jugada</translation>
    </message>
    <message>
        <source>Re&amp;member Game</source>
        <translation>Re&amp;cordar partida</translation>
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
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation>Nuevo récord</translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation>No has escrito ningún nombre.<byte value="xd"/>
<byte value="xd"/>
¿Seguro que no quieres añadir tu nombre a la<byte value="xd"/>
tabla de récords?</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>CONFIRMACIÓN</translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation>No se pudo guardar tu puntuación.<byte value="xd"/>
<byte value="xd"/>
La tabla de récords se guarda en<byte value="xd"/>
%1<byte value="xd"/>
y no se pudo escribir en ese archivo.</translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>El nombre tiene más de %n carácter.<byte value="xd"/>
<byte value="xd"/>
Acórtalo para poder añadirlo a la tabla de récords.</numerusform>
            <numerusform>El nombre tiene más de %n caracteres.<byte value="xd"/>
<byte value="xd"/>
Acórtalo para poder añadirlo a la tabla de récords.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Orbet High Scores</source>
        <translation>Récords de Orbet</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation>%1, %2, %3</translation>
    </message>
</context>
</TS>
