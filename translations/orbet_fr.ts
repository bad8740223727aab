<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>Copyright © 2026 %1. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation>Orbet, un jeu de réflexion&#xa0;: alignez cinq boules ou plus d’une même couleur pour les retirer du plateau.
La page de manuel orbet(6) et le menu Aide du jeu expliquent comment jouer.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>GameAccessible</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>Zone de jeu</translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleue</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verte</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
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
        <translation>vide</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, sélectionnée</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>Nouvelle boule&#xa0;: %1</numerusform>
            <numerusform>Nouvelles boules&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>new game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation>Boule %1 sélectionnée en %2</translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation>Boule %1 reposée en %2</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>Déplacée en %1</translation>
    </message>
    <message>
        <source>no route</source>
        <translation>Pas de chemin</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation>Partie terminée, score final %1</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>Ensuite&#xa0;: %1</translation>
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
            <numerusform>%n boule retirée, %1 points, score %2</numerusform>
            <numerusform>%n boules retirées, %1 points, score %2</numerusform>
        </translation>
    </message>
    <message>
        <source>move taken back</source>
        <translation>Coup annulé</translation>
    </message>
    <message>
        <source>%1 ball back at %2</source>
        <translation>Boule %1 revenue en %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>Le fichier d’aide %1 est introuvable.</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
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
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copier l&apos;adresse du &amp;lien</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>aucun système de fenêtres n’est joignable&#xa0;; Orbet a besoin d’une session de bureau graphique (DISPLAY ou WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>Qt&apos;s window-system plugin &quot;%1&quot; is missing or could not start; install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.</source>
        <translation>le module de système de fenêtres «&#xa0;%1&#xa0;» de Qt est absent ou n’a pas pu démarrer&#xa0;; installez qt6-wayland pour Wayland, ou supprimez QT_QPA_PLATFORM pour laisser Qt choisir.</translation>
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
        <translation>À propos d’%1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>Révision %1</translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation>Pour en savoir plus&#xa0;:</translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation>Envoyez vos questions et remarques à&#xa0;:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation>Prochain coup&#xa0;:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Votre score&#xa0;:</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>Meilleur score&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation>&amp;Formes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos d’Orbet</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>La partie est terminée.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DE PARTIE</translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation>Votre score vous classe au rang %1<byte value="xd"/>
du tableau des meilleurs scores.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous inscrire votre nom au tableau des meilleurs scores&#xa0;?</translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation>MEILLEUR SCORE</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler le coup</translation>
    </message>
    <message>
        <source>Re&amp;member Game</source>
        <translation>&amp;Garder la partie</translation>
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
        <translation>Votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation>Nouveau meilleur score</translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation>Vous n’avez saisi aucun nom.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous vraiment renoncer à inscrire votre nom au<byte value="xd"/>
tableau des meilleurs scores&#xa0;?</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>CONFIRMATION</translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation>Votre score n’a pas pu être enregistré.<byte value="xd"/>
<byte value="xd"/>
Le tableau des meilleurs scores est conservé dans<byte value="xd"/>
%1<byte value="xd"/>
et ce fichier n’a pas pu être écrit.</translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>Le nom saisi dépasse %n caractère.<byte value="xd"/>
<byte value="xd"/>
Raccourcissez-le pour pouvoir l’inscrire au tableau des meilleurs scores.</numerusform>
            <numerusform>Le nom saisi dépasse %n caractères.<byte value="xd"/>
<byte value="xd"/>
Raccourcissez-le pour pouvoir l’inscrire au tableau des meilleurs scores.</numerusform>
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
        <translation>Meilleurs scores d’Orbet</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation>%1, %2, %3</translation>
    </message>
</context>
</TS>
