<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>© 2026 %1. Усі права захищені.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation>Orbet — гра-головоломка: вишиковуйте в лінію п’ять або більше кульок одного кольору, щоб прибрати їх з поля.
Як грати, розповідають сторінка посібника orbet(6) і меню «Довідка» в грі.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Показати цю довідку й вийти.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Показати версію й вийти.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент «%1».</translation>
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
        <translation>стовпець %1</translation>
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
        <translation>Ігрова область</translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation>червона</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синя</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелена</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жовта</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>блакитна</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>пурпурова</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>помаранчева</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ряд %1, стовпець %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, вибрана</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>нова кулька: %1</numerusform>
            <numerusform>нові кульки: %1</numerusform>
            <numerusform>нові кульки: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>; </translation>
    </message>
    <message>
        <source>new game</source>
        <translation>нова гра</translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation>вибрана %1 кулька, %2</translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation>вибір знято: %1 кулька, %2</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>переміщено: %1</translation>
    </message>
    <message>
        <source>no route</source>
        <translation>немає шляху</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation>гру закінчено, підсумковий рахунок %1</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>наступні: %1</translation>
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
            <numerusform>прибрано %n кульку, %1 балів, рахунок %2</numerusform>
            <numerusform>прибрано %n кульки, %1 балів, рахунок %2</numerusform>
            <numerusform>прибрано %n кульок, %1 балів, рахунок %2</numerusform>
        </translation>
    </message>
    <message>
        <source>move taken back</source>
        <translation>хід скасовано</translation>
    </message>
    <message>
        <source>%1 ball back at %2</source>
        <translation>повернулася %1 кулька, %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>Не вдалося знайти файл довідки %1.</translation>
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
        <translation>&amp;Скасувати дію</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>П&amp;овторити</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ви&amp;різати</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Вставити</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Виділити все</translation>
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
        <translation>Т&amp;ак</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Копіювати &amp;адресу посилання</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Виділити все</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>не вдалося під’єднатися до віконної системи; для роботи Orbet потрібен графічний сеанс (DISPLAY або WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>Qt&apos;s window-system plugin &quot;%1&quot; is missing or could not start; install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.</source>
        <translation>модуль віконної системи Qt «%1» відсутній або не запустився; встановіть qt6-wayland для Wayland або вилучіть QT_QPA_PLATFORM, щоб Qt обрав сам.</translation>
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
        <translation>Про %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Версія %1.%2</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>Ревізія %1</translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation>Докладніше:</translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation>Питання й відгуки надсилайте на адресу:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation>Наступний хід:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Ваш рахунок:</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>Рекорд:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;Рекорди</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation>&amp;Фігури</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Зміст</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Гру закінчено.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>ГРУ ЗАКІНЧЕНО</translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation>Ваш рахунок посідає місце № %1<byte value="xd"/>
у таблиці рекордів.<byte value="xd"/>
<byte value="xd"/>
Додати ваше ім’я до таблиці рекордів?</translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation>РЕКОРД</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Скасувати хід</translation>
    </message>
    <message>
        <source>Re&amp;member Game</source>
        <translation>За&amp;пам’ятовувати гру</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Масштаб</translation>
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
        <translation>Введіть ім’я:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation>Новий рекорд</translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation>Ви не ввели ім’я.<byte value="xd"/>
<byte value="xd"/>
Ви справді не хочете вносити своє ім’я<byte value="xd"/>
до таблиці рекордів?</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>ПІДТВЕРДЖЕННЯ</translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation>Не вдалося зберегти ваш рахунок.<byte value="xd"/>
<byte value="xd"/>
Таблиця рекордів зберігається у файлі<byte value="xd"/>
%1,<byte value="xd"/>
але записати його не вдалося.</translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>Ім’я довше за %n символ.<byte value="xd"/>
<byte value="xd"/>
Скоротіть його, щоб внести до таблиці рекордів.</numerusform>
            <numerusform>Ім’я довше за %n символи.<byte value="xd"/>
<byte value="xd"/>
Скоротіть його, щоб внести до таблиці рекордів.</numerusform>
            <numerusform>Ім’я довше за %n символів.<byte value="xd"/>
<byte value="xd"/>
Скоротіть його, щоб внести до таблиці рекордів.</numerusform>
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
        <translation>Рекорди Orbet</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Таблиця рекордів</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Місце</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Гравець</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Бали</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation>місце %1, %2, %3 балів</translation>
    </message>
</context>
</TS>
