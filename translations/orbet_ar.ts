<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>حقوق النشر © 2026 %1. جميع الحقوق محفوظة.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation>Orbet لعبة ألغاز: صُفَّ خمس كرات أو أكثر من لون واحد في خط لتزيلها من اللوحة.
تشرح صفحة الدليل orbet(6) وقائمة «مساعدة» في اللعبة طريقة اللعب.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>يعرض هذه المساعدة ثم يخرج.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>يعرض الإصدار ثم يخرج.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع «%1».</translation>
    </message>
</context>
<context>
    <name>GameAccessible</name>
    <message>
        <source>Board</source>
        <translation>اللوحة</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>العمود %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>الصف %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>منطقة اللعب</translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation>حمراء</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>زرقاء</translation>
    </message>
    <message>
        <source>green</source>
        <translation>خضراء</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>صفراء</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>سماوية</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>أرجوانية</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>برتقالية</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>فارغة</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>الصف %1، العمود %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1، محددة</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1، %2، %3</translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>كرات جديدة: %1</numerusform>
            <numerusform>كرة جديدة: %1</numerusform>
            <numerusform>كرتان جديدتان: %1</numerusform>
            <numerusform>كرات جديدة: %1</numerusform>
            <numerusform>كرات جديدة: %1</numerusform>
            <numerusform>كرات جديدة: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>؛ </translation>
    </message>
    <message>
        <source>new game</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation>حُددت كرة %1 في %2</translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation>أُلغي تحديد كرة %1 في %2</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>نُقلت إلى %1</translation>
    </message>
    <message>
        <source>no route</source>
        <translation>لا يوجد مسار</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 في %2</translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation>انتهت اللعبة، النتيجة النهائية %1</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>التالية: %1</translation>
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
            <numerusform>لم تُزَل أي كرة، النقاط %1، النتيجة %2</numerusform>
            <numerusform>أُزيلت كرة واحدة، النقاط %1، النتيجة %2</numerusform>
            <numerusform>أُزيلت كرتان، النقاط %1، النتيجة %2</numerusform>
            <numerusform>أُزيلت %n كرات، النقاط %1، النتيجة %2</numerusform>
            <numerusform>أُزيلت %n كرة، النقاط %1، النتيجة %2</numerusform>
            <numerusform>أُزيلت %n كرة، النقاط %1، النتيجة %2</numerusform>
        </translation>
    </message>
    <message>
        <source>move taken back</source>
        <translation>أُلغيت الحركة</translation>
    </message>
    <message>
        <source>%1 ball back at %2</source>
        <translation>أُعيدت كرة %1 إلى %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>تعذّر العثور على ملف المساعدة %1.</translation>
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
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>أ&amp;عد</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;قصّ</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ا&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>أل&amp;صق</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>احذف</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>حدّد الكلّ</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>نعم (&amp;ن)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>لا (&amp;ل)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>ا&amp;نسخ</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>انسخ و&amp;صلة المكان</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>حدّد الكلّ</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>تعذّر الوصول إلى أي نظام نوافذ؛ يحتاج Orbet إلى جلسة سطح مكتب رسومية (DISPLAY أو WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>Qt&apos;s window-system plugin &quot;%1&quot; is missing or could not start; install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.</source>
        <translation>المكوّن الإضافي لنظام النوافذ في Qt ‏«%1» مفقود أو تعذّر تشغيله؛ ثبّت الحزمة qt6-wayland لاستخدام Wayland، أو ألغِ تعيين QT_QPA_PLATFORM ليختار Qt بنفسه.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>حول %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>الإصدار %1.%2</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>المراجعة %1</translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation>لمزيد من المعلومات:</translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation>أرسل أسئلتك وملاحظاتك إلى:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation>الحركة التالية:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>نتيجتك:</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>أعلى نتيجة:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;اللعبة</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>لعبة جديد&amp;ة</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>&amp;أعلى النتائج</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>الصو&amp;ت</translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation>الأشكا&amp;ل</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خرو&amp;ج</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعد&amp;ة</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>المحتويا&amp;ت</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>حول &amp;اللعبة</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>انتهت اللعبة.</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>انتهت اللعبة</translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation>حققت نتيجة تضعك في المركز %1<byte value="xd"/>
في جدول أعلى النتائج.<byte value="xd"/>
<byte value="xd"/>
هل تريد إضافة اسمك إلى جدول أعلى النتائج؟</translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation>أعلى نتيجة</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>تر&amp;اجع</translation>
    </message>
    <message>
        <source>Re&amp;member Game</source>
        <translation>الاحتفا&amp;ظ باللعبة</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>مستو&amp;ى التكبير</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1٪</translation>
    </message>
</context>
<context>
    <name>frmNameInput</name>
    <message>
        <source>Enter Name:</source>
        <translation>أدخل اسمك:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>مو&amp;افق</translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation>نتيجة جديدة بين أعلى النتائج</translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation>لم تُدخل اسمًا.<byte value="xd"/>
<byte value="xd"/>
هل أنت متأكد أنك لا تريد إدخال اسمك في<byte value="xd"/>
جدول أعلى النتائج؟</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation>تعذّر حفظ نتيجتك.<byte value="xd"/>
<byte value="xd"/>
يُحفظ جدول أعلى النتائج في<byte value="xd"/>
%1<byte value="xd"/>
وتعذّرت الكتابة في ذلك الملف.</translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>يتجاوز الاسم المُدخل %n حرف.<byte value="xd"/>
<byte value="xd"/>
يُرجى تقصيره لكي يُدرج اسمك في جدول أعلى النتائج.</numerusform>
            <numerusform>يتجاوز الاسم المُدخل حرفًا واحدًا.<byte value="xd"/>
<byte value="xd"/>
يُرجى تقصيره لكي يُدرج اسمك في جدول أعلى النتائج.</numerusform>
            <numerusform>يتجاوز الاسم المُدخل حرفين.<byte value="xd"/>
<byte value="xd"/>
يُرجى تقصيره لكي يُدرج اسمك في جدول أعلى النتائج.</numerusform>
            <numerusform>يتجاوز الاسم المُدخل %n أحرف.<byte value="xd"/>
<byte value="xd"/>
يُرجى تقصيره لكي يُدرج اسمك في جدول أعلى النتائج.</numerusform>
            <numerusform>يتجاوز الاسم المُدخل %n حرفًا.<byte value="xd"/>
<byte value="xd"/>
يُرجى تقصيره لكي يُدرج اسمك في جدول أعلى النتائج.</numerusform>
            <numerusform>يتجاوز الاسم المُدخل %n حرف.<byte value="xd"/>
<byte value="xd"/>
يُرجى تقصيره لكي يُدرج اسمك في جدول أعلى النتائج.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>&amp;OK</source>
        <translation>مو&amp;افق</translation>
    </message>
    <message>
        <source>Orbet High Scores</source>
        <translation>أعلى نتائج Orbet</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>أعلى النتائج</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>المركز</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>اللاعب</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation>المركز %1، %2، النتيجة %3</translation>
    </message>
</context>
</TS>
