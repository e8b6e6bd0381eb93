<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CDlgAboutClass</name>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vivureri Rize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VarnelClass</name>
    <message>
        <source>Varnel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kiv::CDlgAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> v1.0.0.1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kiv::ToolsApplication</name>
    <message>
        <source>Varnel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The task folder %1 cannot be written, so no task could be saved. Make the program folder writable and start the program again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device catalogue %1 is missing or cannot be read. Install the program again and start it once more.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kiv::Varnel</name>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sure to close software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find Manual.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivui::SystemMenu</name>
    <message>
        <source>User Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find Manual.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivui::TimeUnitButton</name>
    <message>
        <source>D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivui::WindowTitle</name>
    <message>
        <source>Varnel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
