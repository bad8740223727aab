<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>© 2026 %1. Все права защищены.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation>Orbet — игра-головоломка: выстраивайте в линию пять или больше шаров одного цвета, чтобы убрать их с поля.
Как играть, рассказывают страница руководства orbet(6) и меню «Справка» в игре.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
</context>
<context>
    <name>GameAccessible</name>
    <message>
        <source>Board</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>столбец %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ряд %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>Игровая область</translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation>красный</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синий</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жёлтый</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>голубой</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>пурпурный</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>оранжевый</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ряд %1, столбец %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, выбран</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>новый шар: %1</numerusform>
            <numerusform>новые шары: %1</numerusform>
            <numerusform>новые шары: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>; </translation>
    </message>
    <message>
        <source>new game</source>
        <translation>новая игра</translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation>выбран %1 шар, %2</translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation>выбор снят: %1 шар, %2</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>перемещён: %1</translation>
    </message>
    <message>
        <source>no route</source>
        <translation>нет пути</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation>игра окончена, итоговый счёт %1</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>следующие: %1</translation>
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
            <numerusform>убран %n шар, %1 очков, счёт %2</numerusform>
            <numerusform>убрано %n шара, %1 очков, счёт %2</numerusform>
            <numerusform>убрано %n шаров, %1 очков, счёт %2</numerusform>
        </translation>
    </message>
    <message>
        <source>move taken back</source>
        <translation>ход отменён</translation>
    </message>
    <message>
        <source>%1 ball back at %2</source>
        <translation>вернулся %1 шар, %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>Файл справки %1 не найден.</translation>
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
        <translation>&amp;Отменить действие</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить действие</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>В&amp;ставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
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
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Скопировать &amp;адрес ссылки</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>не удалось подключиться к оконной системе; для работы Orbet нужен графический сеанс (DISPLAY или WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>Qt&apos;s window-system plugin &quot;%1&quot; is missing or could not start; install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.</source>
        <translation>модуль оконной системы Qt «%1» отсутствует или не запустился; установите qt6-wayland для Wayland или удалите QT_QPA_PLATFORM, чтобы Qt выбрал сам.</translation>
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
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Версия %1.%2</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>Ревизия %1</translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation>Подробности:</translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation>Вопросы и отзывы присылайте на адрес:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation>Следующие:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Ваш счёт:</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>Рекорд:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Рекорды</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation>&amp;Фигуры</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Игра окончена.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>ИГРА ОКОНЧЕНА</translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation>Ваш счёт занимает %1-е место<byte value="xd"/>
в таблице рекордов.<byte value="xd"/>
<byte value="xd"/>
Добавить ваше имя в таблицу рекордов?</translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation>РЕКОРД</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить ход</translation>
    </message>
    <message>
        <source>Re&amp;member Game</source>
        <translation>За&amp;поминать игру</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Масштаб</translation>
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
        <translation>Введите имя:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation>Новый рекорд</translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation>Вы не ввели имя.<byte value="xd"/>
<byte value="xd"/>
Вы действительно не хотите вносить своё имя<byte value="xd"/>
в таблицу рекордов?</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>ПОДТВЕРЖДЕНИЕ</translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation>Не удалось сохранить ваш счёт.<byte value="xd"/>
<byte value="xd"/>
Таблица рекордов хранится в файле<byte value="xd"/>
%1,<byte value="xd"/>
но записать в него не удалось.</translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>Имя длиннее %n символа.<byte value="xd"/>
<byte value="xd"/>
Сократите его, чтобы внести в таблицу рекордов.</numerusform>
            <numerusform>Имя длиннее %n символов.<byte value="xd"/>
<byte value="xd"/>
Сократите его, чтобы внести в таблицу рекордов.</numerusform>
            <numerusform>Имя длиннее %n символов.<byte value="xd"/>
<byte value="xd"/>
Сократите его, чтобы внести в таблицу рекордов.</numerusform>
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
        <translation>Рекорды Orbet</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Таблица рекордов</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation>место %1, %2, %3 очков</translation>
    </message>
</context>
</TS>
