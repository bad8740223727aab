<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>App</name>
    <message>
        <source>Copyright © 2026 %1. All rights reserved.</source>
        <translation>कॉपीराइट © 2026 %1. सर्वाधिकार सुरक्षित।</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Orbet, a puzzle game: line up five or more balls of one colour to clear them from the board.
The manual page orbet(6) and the game&apos;s Help menu tell how to play.</source>
        <translation>Orbet एक पहेली खेल है: एक ही रंग की पाँच या अधिक गेंदों को एक सीध में लगाइए और उन्हें बोर्ड से हटाइए।
खेलने का तरीक़ा मैनुअल पेज orbet(6) और खेल के सहायता मेन्यू में दिया गया है।</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>यह सहायता दिखाकर बंद हो जाता है।</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>संस्करण दिखाकर बंद हो जाता है।</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>अनपेक्षित आर्ग्युमेंट &apos;%1&apos;।</translation>
    </message>
</context>
<context>
    <name>GameAccessible</name>
    <message>
        <source>Board</source>
        <translation>बोर्ड</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>कॉलम %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>पंक्ति %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Play area</source>
        <translation>खेल क्षेत्र</translation>
    </message>
</context>
<context>
    <name>GameNarration</name>
    <message>
        <source>red</source>
        <translation>लाल</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>नीला</translation>
    </message>
    <message>
        <source>green</source>
        <translation>हरा</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>पीला</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>आसमानी</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>मैजेंटा</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>नारंगी</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>ख़ाली</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>पंक्ति %1, कॉलम %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, चयनित</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>नई गेंद: %1</numerusform>
            <numerusform>नई गेंदें: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>; </translation>
    </message>
    <message>
        <source>new game</source>
        <translation>नया खेल</translation>
    </message>
    <message>
        <source>%1 ball at %2 selected</source>
        <translation>गेंद चुनी: %1, %2</translation>
    </message>
    <message>
        <source>%1 ball at %2 put back</source>
        <translation>चयन हटाया: %1, %2</translation>
    </message>
    <message>
        <source>moved to %1</source>
        <translation>%1 पर पहुँची</translation>
    </message>
    <message>
        <source>no route</source>
        <translation>कोई रास्ता नहीं</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%2 पर %1</translation>
    </message>
    <message>
        <source>game over, final score %1</source>
        <translation>खेल ख़त्म, अंतिम स्कोर %1</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>अगली गेंदें: %1</translation>
    </message>
    <message>
        <source>. </source>
        <translation>। </translation>
    </message>
    <message>
        <source>.</source>
        <translation>।</translation>
    </message>
    <message numerus="yes">
        <source>%n balls removed, %1 points, score %2</source>
        <translation>
            <numerusform>%n गेंद हटी, %1 अंक, स्कोर %2</numerusform>
            <numerusform>%n गेंदें हटीं, %1 अंक, स्कोर %2</numerusform>
        </translation>
    </message>
    <message>
        <source>move taken back</source>
        <translation>चाल वापस ली गई</translation>
    </message>
    <message>
        <source>%1 ball back at %2</source>
        <translation>गेंद लौटी: %1, %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>सहायता फ़ाइल %1 नहीं मिली।</translation>
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
        <translation>पूर्ववत करें(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सब चुनें</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>लिंक का पता कॉपी करें(&amp;L)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सब चुनें</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>छोटा करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>no window system could be reached; Orbet needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY).</source>
        <translation>किसी विंडो सिस्टम से जुड़ा नहीं जा सका; Orbet को ग्राफ़िकल डेस्कटॉप सत्र (DISPLAY या WAYLAND_DISPLAY) चाहिए।</translation>
    </message>
    <message>
        <source>Qt&apos;s window-system plugin &quot;%1&quot; is missing or could not start; install qt6-wayland for Wayland, or unset QT_QPA_PLATFORM to let Qt choose.</source>
        <translation>Qt का विंडो सिस्टम प्लगइन &quot;%1&quot; मौजूद नहीं है या शुरू नहीं हो सका; Wayland के लिए qt6-wayland इंस्टॉल करें, या QT_QPA_PLATFORM हटाएँ ताकि Qt स्वयं चुने।</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 के बारे में</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>संस्करण %1.%2</translation>
    </message>
    <message>
        <source>Revision %1</source>
        <translation>संशोधन %1</translation>
    </message>
    <message>
        <source>For further information:</source>
        <translation>अधिक जानकारी के लिए:</translation>
    </message>
    <message>
        <source>Send questions and comments to:</source>
        <translation>प्रश्न और सुझाव यहाँ भेजें:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Next Move:</source>
        <translation>अगली गेंदें:</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>आपका स्कोर:</translation>
    </message>
    <message>
        <source>High Score:</source>
        <translation>उच्च स्कोर:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>खेल(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>नया खेल(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;High Scores</source>
        <translation>उच्च स्कोर(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>ध्वनि(&amp;S)</translation>
    </message>
    <message>
        <source>Sh&amp;apes</source>
        <translation>आकृतियाँ(&amp;A)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>विषय-सूची(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Orbet के बारे में(&amp;A)</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>खेल ख़त्म।</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>खेल ख़त्म</translation>
    </message>
    <message>
        <source>You have achieved a high score that places you at position %1<byte value="xd"/>
in the High Score table.<byte value="xd"/>
<byte value="xd"/>
Do you wish to add your name to the High Score table?</source>
        <translation>बधाई हो! आपका स्कोर स्थान %1 पर है,<byte value="xd"/>
उच्च स्कोर तालिका में आपकी जगह बन गई है।<byte value="xd"/>
<byte value="xd"/>
क्या आप उच्च स्कोर तालिका में अपना नाम जोड़ना चाहेंगे?</translation>
    </message>
    <message>
        <source>HIGH SCORE</source>
        <translation>उच्च स्कोर</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>चाल वापस लें(&amp;U)</translation>
    </message>
    <message>
        <source>Re&amp;member Game</source>
        <translation>खेल याद रखें(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>ज़ूम(&amp;Z)</translation>
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
        <translation>अपना नाम लिखें:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करें(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है(&amp;O)</translation>
    </message>
    <message>
        <source>High Score Entry</source>
        <translation>उच्च स्कोर प्रविष्टि</translation>
    </message>
    <message>
        <source>You did not enter a name.<byte value="xd"/>
<byte value="xd"/>
Are you sure that you do not wish to enter your name into the<byte value="xd"/>
High Score table?</source>
        <translation>आपने कोई नाम नहीं लिखा।<byte value="xd"/>
<byte value="xd"/>
क्या आप सच में उच्च स्कोर तालिका में<byte value="xd"/>
अपना नाम नहीं जोड़ना चाहते?</translation>
    </message>
    <message>
        <source>CONFIRMATION</source>
        <translation>पुष्टि</translation>
    </message>
    <message>
        <source>Your score could not be saved.<byte value="xd"/>
<byte value="xd"/>
The High Score table is kept in<byte value="xd"/>
%1<byte value="xd"/>
and that file could not be written.</source>
        <translation>आपका स्कोर सहेजा नहीं जा सका।<byte value="xd"/>
<byte value="xd"/>
उच्च स्कोर तालिका इस फ़ाइल में रखी जाती है:<byte value="xd"/>
%1<byte value="xd"/>
और इस फ़ाइल में लिखा नहीं जा सका।</translation>
    </message>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>लिखा गया नाम %n अक्षर से लंबा है।<byte value="xd"/>
<byte value="xd"/>
कृपया इसे छोटा करें, ताकि आपका नाम उच्च स्कोर तालिका में जुड़ सके।</numerusform>
            <numerusform>लिखा गया नाम %n अक्षरों से लंबा है।<byte value="xd"/>
<byte value="xd"/>
कृपया इसे छोटा करें, ताकि आपका नाम उच्च स्कोर तालिका में जुड़ सके।</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है(&amp;O)</translation>
    </message>
    <message>
        <source>Orbet High Scores</source>
        <translation>Orbet उच्च स्कोर</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>उच्च स्कोर</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>खिलाड़ी</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>स्कोर</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <comment>a High Score row read aloud: rank, player, score</comment>
        <translation>स्थान %1, %2, स्कोर %3</translation>
    </message>
</context>
</TS>
