<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CDlgAbout</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source> v1.00.02.07</source>
        <translation> v1.00.02.07</translation>
    </message>
</context>
<context>
    <name>CDlgAboutClass</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Pendrik</source>
        <translation>Pendrik</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CHorizontalSimulate</name>
    <message>
        <source>label:m</source>
        <translation>Unit: m</translation>
    </message>
</context>
<context>
    <name>CKavrinApplication</name>
    <message>
        <source>Warn</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Software is already running.</source>
        <translation>Software is already running.</translation>
    </message>
    <message>
        <source>The least resolution is 1024*768.</source>
        <translation>The screen resolution must be at least 1024*768.</translation>
    </message>
</context>
<context>
    <name>CPendrikMainWnd</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Can not find Manual.</source>
        <translation>Can not find Manual.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Sure to close software</source>
        <translation>Are you sure you want to close the software?</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged or is not a settings file of this program, so its settings are not used: the lens calculator starts in English with its default settings. The file is left as it is. Mend it, or move it away, and start the lens calculator again.</source>
        <translation>The settings file %1 is damaged or is not a settings file of this program, so its settings are not used: the lens calculator starts in English with its default settings. The file is left as it is. Mend it, or move it away, and start the lens calculator again.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be opened for reading, so its settings are not used: the lens calculator starts in English with its default settings. Make the file readable, or move it away, and start the lens calculator again.</source>
        <translation>The settings file %1 cannot be opened for reading, so its settings are not used: the lens calculator starts in English with its default settings. Make the file readable, or move it away, and start the lens calculator again.</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>CPendrikMainWndClass</name>
    <message>
        <source>Pendrik</source>
        <translation>Pendrik</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>CPendrikWindow</name>
    <message>
        <source> Interface</source>
        <translation> Interface</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>Focal distance should larger than 4mm.</source>
        <translation>The focal length should be larger than 4 mm.</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>IPC Model: </source>
        <translation>IPC Model:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolution:</translation>
    </message>
    <message>
        <source>Object Distance:</source>
        <translation>Object Distance:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Object Width:   </source>
        <translation>Object Width:</translation>
    </message>
    <message>
        <source>recommand</source>
        <translation>Recommended Focal Length</translation>
    </message>
    <message>
        <source>Focus:</source>
        <translation>Focus:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Recommended Lens Model</source>
        <translation>Recommended Lens Model</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Number:</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Nearby:</source>
        <translation>Nearby:</translation>
    </message>
    <message>
        <source>Distant:</source>
        <translation>Distant:</translation>
    </message>
    <message>
        <source>Camera Bracket:</source>
        <translation>Camera Bracket:</translation>
    </message>
    <message>
        <source>Lens Simulation</source>
        <translation>Lens Simulation</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>The camera catalogue %1 is missing, so there is no camera to choose and nothing is calculated.</source>
        <translation>The camera catalogue %1 is missing, so there is no camera to choose and nothing is calculated.</translation>
    </message>
    <message>
        <source>The camera catalogue %1 is damaged or is not a camera catalogue, so there is no camera to choose and nothing is calculated.</source>
        <translation>The camera catalogue %1 is damaged or is not a camera catalogue, so there is no camera to choose and nothing is calculated.</translation>
    </message>
    <message>
        <source>The lens catalogue %1 is missing, so no lens can be recommended.</source>
        <translation>The lens catalogue %1 is missing, so no lens can be recommended.</translation>
    </message>
    <message>
        <source>The lens catalogue %1 is damaged or is not a lens catalogue, so no lens can be recommended.</source>
        <translation>The lens catalogue %1 is damaged or is not a lens catalogue, so no lens can be recommended.</translation>
    </message>
    <message>
        <source>Nothing is written to the catalogues. Install the program again, or put good copies of the catalogues in their place, and open the lens calculator again.</source>
        <translation>Nothing is written to the catalogues. Install the program again, or put good copies of the catalogues in their place, and open the lens calculator again.</translation>
    </message>
</context>
<context>
    <name>CVerticalSimulate</name>
    <message>
        <source>label:m</source>
        <translation>Unit: m</translation>
    </message>
    <message>
        <source>Y Length:</source>
        <translation>Y Length:</translation>
    </message>
    <message>
        <source>X Length:</source>
        <translation>X Length:</translation>
    </message>
    <message>
        <source>The beginning of the detection area is located behind the camera,
Please change the camera angle!</source>
        <translation>The beginning of the detection area is located behind the camera,
Please change the camera angle!</translation>
    </message>
    <message>
        <source>The beginning of the detection area is located behind the object,
Please change the camera angle!</source>
        <translation>The beginning of the detection area is located behind the object,
Please change the camera angle!</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
</context>
<context>
    <name>CWindowTitle</name>
    <message>
        <source>Pendrik</source>
        <translation>Pendrik</translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Can not find Manual.</source>
        <translation>Can not find Manual.</translation>
    </message>
</context>
</TS>
