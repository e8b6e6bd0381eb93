<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>NvrCalculator</name>
    <message>
        <source>Torvel Stroage Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delvar Stroage Server</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskEntries</name>
    <message>
        <source>The file %1 holds the devices of no task. Move it out of the Task folder, or give the task another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The task list was changed outside this window: the task %1 is no longer where the window shows it. Nothing was changed. Start the program again to see the task list as it is stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device file %1 cannot be changed in the Task folder. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk that holds the Task folder does not tell letter case apart, and the device file %1 cannot be given a name that differs from its own in letter case alone there. Nothing was changed. Give the task a name that differs in more than letter case.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskFolder</name>
    <message>
        <source>The file %1 records a rename or a deletion of a task that was cut off and could not be finished. Nothing was changed. Start the program again to finish it; if the file is still there, move it out of the Task folder once you have checked the device files of the tasks it names.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskName</name>
    <message>
        <source>The task name is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name contains illegal character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The task name is too long for a file name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XmlDataFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change was not saved: the file %1 would then hold more than the program reads (%2 MB, %3 elements, elements nested %4 deep, %5 attributes on one element). The file is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change was not saved: the file %1 holds text, written by hand or by another program, that could not be written back as it reads. The file is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is missing and cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is damaged or is not a file of this program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
