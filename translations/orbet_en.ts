<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>GameNarration</name>
    <message numerus="yes">
        <source>new balls: %1</source>
        <translation>
            <numerusform>new ball: %1</numerusform>
            <numerusform>new balls: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n balls removed, %1 points, score %2</source>
        <translation>
            <numerusform>%n ball removed, %1 points, score %2</numerusform>
            <numerusform>%n balls removed, %1 points, score %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmNameInput</name>
    <message numerus="yes">
        <source>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</source>
        <translation>
            <numerusform>The name entered exceeds %n character.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</numerusform>
            <numerusform>The name entered exceeds %n characters.<byte value="xd"/>
<byte value="xd"/>
Please shorten it so that you name can be entered into the High Score table.</numerusform>
        </translation>
    </message>
</context>
</TS>
