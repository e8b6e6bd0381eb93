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
    <message>
        <source>The device catalogue %1 has no table %2, which the program reads, so its look-ups would come back empty. Install the program again and start it once more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table %2 of the device catalogue %1 has no column %3, which the program reads, so its look-ups would come back empty. Install the program again and start it once more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk that holds the task folder %1 is full, so no task could be saved. Free some space on it and start the program again.</source>
        <translation>The disk that holds the task folder %1 is full, so no task could be saved. Free some space on it and start the program again.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged or is not a settings file of this program, so its settings are not used: the program and the lens calculator start in English with their default settings. The program leaves the file as it is. Mend it, or move it away, and start the program again.</source>
        <translation>The settings file %1 is damaged or is not a settings file of this program, so its settings are not used: the program and the lens calculator start in English with their default settings. The program leaves the file as it is. Mend it, or move it away, and start the program again.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be opened for reading, so its settings are not used: the program and the lens calculator start in English with their default settings. Make the file readable, or move it away, and start the program again.</source>
        <translation>The settings file %1 cannot be opened for reading, so its settings are not used: the program and the lens calculator start in English with their default settings. Make the file readable, or move it away, and start the program again.</translation>
    </message>
    <message>
        <source>The parameter-code table %1 is damaged or is not a parameter-code table of this program, so it is not used: the device catalogue is searched with the codes built into the program. The program leaves the file as it is. Mend it or install the program again, then restart the program.</source>
        <translation>The parameter-code table %1 is damaged or is not a parameter-code table of this program, so it is not used: the device catalogue is searched with the codes built into the program. The program leaves the file as it is. Mend it or install the program again, then restart the program.</translation>
    </message>
    <message>
        <source>The parameter-code table %1 cannot be opened for reading, so it is not used: the device catalogue is searched with the codes built into the program. Make the file readable, then restart the program.</source>
        <translation>The parameter-code table %1 cannot be opened for reading, so it is not used: the device catalogue is searched with the codes built into the program. Make the file readable, then restart the program.</translation>
    </message>
    <message>
        <source>The filter configuration %1 is damaged or is not a filter configuration of this program, so it is not used: the parameter filter of the add-device dialog hides nothing and ticks nothing in advance. The program leaves the file as it is. Mend it, or move it away to have an empty one created, then restart the program.</source>
        <translation>The filter configuration %1 is damaged or is not a filter configuration of this program, so it is not used: the parameter filter of the add-device dialog hides nothing and ticks nothing in advance. The program leaves the file as it is. Mend it, or move it away to have an empty one created, then restart the program.</translation>
    </message>
    <message>
        <source>The filter configuration %1 cannot be opened for reading, so it is not used: the parameter filter of the add-device dialog hides nothing and ticks nothing in advance. Make the file readable, then restart the program.</source>
        <translation>The filter configuration %1 cannot be opened for reading, so it is not used: the parameter filter of the add-device dialog hides nothing and ticks nothing in advance. Make the file readable, then restart the program.</translation>
    </message>
    <message>
        <source>The task list %1 is damaged or is not a task list of this program, so no task can be shown. The program leaves the file as it is and starts with an empty task list, which it never saves over the file: no task can be added until the file is mended. Mend the file, or move it out of the Task folder to start a new task list, and start the program again.</source>
        <translation>The task list %1 is damaged or is not a task list of this program, so no task can be shown. The program leaves the file as it is and starts with an empty task list, which it never saves over the file: no task can be added until the file is mended. Mend the file, or move it out of the Task folder to start a new task list, and start the program again.</translation>
    </message>
    <message>
        <source>The task list %1 cannot be opened for reading, so no task can be shown. The program leaves the file as it is and starts with an empty task list: no task can be added until the file can be read. Give your user the right to read and write it, or move it out of the Task folder, and start the program again.</source>
        <translation>The task list %1 cannot be opened for reading, so no task can be shown. The program leaves the file as it is and starts with an empty task list: no task can be added until the file can be read. Give your user the right to read and write it, or move it out of the Task folder, and start the program again.</translation>
    </message>
    <message>
        <source>The device file %1 belongs to no task of the task list, so its devices are not shown. The program leaves the file as it is, and no task can take its name until it is moved out of the Task folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is named as earlier versions of the program named the temporary file of a save, so it may be left over from a save that was cut off, or be a copy of yours. The program leaves it as it is and never reads it. Move it out of the Task folder if you do not need it.</source>
        <translation>The file %1 is named as earlier versions of the program named the temporary file of a save, so it may be left over from a save that was cut off, or be a copy of yours. The program leaves it as it is and never reads it. Move it out of the Task folder if you do not need it.</translation>
    </message>
    <message>
        <source>It runs on the computer %1, which uses the same program folder: close it there. If that computer was switched off or lost its connection, the folder is free again %2 minutes later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>The device files below, in the task folder %1, belong to no task of the task list, so their devices are not shown. The program leaves them as they are, and no task can take the name of one of them until that file is moved out of the Task folder.

%2</source>
        <translation>The device files below, in the task folder %1, belong to no task of the task list, so their devices are not shown. The program leaves them as they are, and no task can take the name of one of them until that file is moved out of the Task folder.

%2</translation>
    </message>
    <message>
        <source>The files below, in the task folder %1, are named as earlier versions of the program named the temporary file of a save, so each may be left over from a save that was cut off, or be a copy of yours. The program leaves them as they are and never reads them. Move them out of the Task folder if you do not need them.

%2</source>
        <translation>The files below, in the task folder %1, are named as earlier versions of the program named the temporary file of a save, so each may be left over from a save that was cut off, or be a copy of yours. The program leaves them as they are and never reads them. Move them out of the Task folder if you do not need them.

%2</translation>
    </message>
    <message>
        <source>The file %1 records a rename or a deletion of a task that was cut off, and the program could not finish or undo it: the record is damaged, the task list cannot be read, or a file it names cannot be changed. The program leaves the record and the device files as they are, and no task can be renamed or deleted while the record is there. Check the device files of the tasks it names, then move it out of the Task folder.</source>
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
