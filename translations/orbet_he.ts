<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>זכויות יוצרים © 2026 %1. כל הזכויות שמורות.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation>Orbet הוא משחק חשיבה: מסדרים בקו חמישה כדורים או יותר בצבע אחד כדי להסיר אותם מהלוח.
דף המדריך orbet(6) ותפריט &quot;עזרה&quot; במשחק מסבירים איך משחקים.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>מציג עזרה זו ויוצא.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>מציג את הגרסה ויוצא.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>ארגומנט לא צפוי &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>GameAccessible</name>
    <message>
        <source>Board</source>
        <translation>לוח</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>עמודה %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>שורה %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>אזור המשחק</translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation>אדום</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>כחול</translation>
    </message>
    <message>
        <source>green</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>צהוב</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>תכלת</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>מג׳נטה</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>כתום</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>ריק</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>שורה %1, עמודה %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, נבחר</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>כדור חדש: %1</numerusform>
            <numerusform>כדורים חדשים: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>; </translation>
    </message>
    <message>
        <source>new game</source>
        <translation>משחק חדש</translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation>נבחר כדור %1, %2</translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation>הבחירה בוטלה: כדור %1, %2</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>הועבר אל %1</translation>
    </message>
    <message>
        <source>no route</source>
        <translation>אין מסלול</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation>המשחק נגמר, ניקוד סופי %1</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>הבאים: %1</translation>
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
            <numerusform>הוסר כדור אחד, %1 נקודות, ניקוד %2</numerusform>
            <numerusform>הוסרו %n כדורים, %1 נקודות, ניקוד %2</numerusform>
        </translation>
    </message>
    <message>
        <source>move taken back</source>
        <translation>המהלך בוטל</translation>
    </message>
    <message>
        <source>%1 ball back at %2</source>
        <translation>הוחזר כדור %1 אל %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>קובץ העזרה %1 לא נמצא.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;בטל</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>בצע &amp;שוב</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;גזור</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>הע&amp;תק</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ה&amp;דבק</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחק</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>בחר הכל</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;כן</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;לא</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>הע&amp;תק</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>העתק כתובת &amp;קישור</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>בחר הכל</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>מזעור</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>לא ניתן להתחבר למערכת חלונות; Orbet זקוק להפעלה גרפית של שולחן עבודה (DISPLAY או WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>Qt&apos;s window-system plugin &quot;%1&quot; is missing or could not start; install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.</source>
        <translation>תוסף מערכת החלונות ‏&quot;%1&quot; של Qt חסר או שלא ניתן היה להפעילו; יש להתקין את qt6-wayland עבור Wayland, או לבטל את QT_QPA_PLATFORM כדי ש-Qt יבחר בעצמו.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>אודות %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>גרסה %1.%2</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>רוויזיה %1</translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation>למידע נוסף:</translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation>שאלות והערות אפשר לשלוח אל:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation>המהלך הבא:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>הניקוד שלך:</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>שיא:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;משחק</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>משחק &amp;חדש</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;שיאים</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>צ&amp;לילים</translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation>&amp;צורות</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;תוכן העזרה</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;אודות</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>המשחק נגמר.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>סוף המשחק</translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation>הניקוד שלך מציב אותך במקום %1<byte value="xd"/>
בטבלת השיאים.<byte value="xd"/>
<byte value="xd"/>
להוסיף את שמך לטבלת השיאים?</translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation>שיא חדש</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;ביטול מהלך</translation>
    </message>
    <message>
        <source>Re&amp;member Game</source>
        <translation>ש&amp;מירת המשחק</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;זום</translation>
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
        <translation>השם שלך:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ביטול</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;אישור</translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation>רישום בטבלת השיאים</translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation>לא הוזן שם.<byte value="xd"/>
<byte value="xd"/>
לוותר על הוספת שמך<byte value="xd"/>
לטבלת השיאים?</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>בקשת אישור</translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation>לא ניתן לשמור את הניקוד שלך.<byte value="xd"/>
<byte value="xd"/>
טבלת השיאים נשמרת בקובץ<byte value="xd"/>
%1<byte value="xd"/>
ולא ניתן היה לכתוב לקובץ הזה.</translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>השם שהוזן ארוך מתו אחד.<byte value="xd"/>
<byte value="xd"/>
נא לקצר אותו כדי שאפשר יהיה לרשום אותו בטבלת השיאים.</numerusform>
            <numerusform>השם שהוזן ארוך מ־%n תווים.<byte value="xd"/>
<byte value="xd"/>
נא לקצר אותו כדי שאפשר יהיה לרשום אותו בטבלת השיאים.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;אישור</translation>
    </message>
    <message>
        <source>Orbet High Scores</source>
        <translation>השיאים של Orbet</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>טבלת השיאים</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>מקום</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>שחקן</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>ניקוד</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation>מקום %1, %2, ניקוד %3</translation>
    </message>
</context>
</TS>
