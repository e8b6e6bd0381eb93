<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>RecordPlanConfigUI</name>
    <message>
        <source>RecordPlanWidget</source>
        <translation>Record Plan</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>No Record</source>
        <translation>No Record</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Copy to...</translation>
    </message>
    <message>
        <source>Event Frenquency</source>
        <translation>Event Frenquency</translation>
    </message>
</context>
<context>
    <name>RecordPlanCopyWidget</name>
    <message>
        <source>RecordPlanCopyWidget</source>
        <translation>Copy Record Plan</translation>
    </message>
</context>
<context>
    <name>kiv::RecordPlanConfig</name>
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Close the program without it?</source>
        <translation>Close the program without it?</translation>
    </message>
    <message>
        <source>The devices of the task cannot be read: the task&apos;s device file cannot be read.</source>
        <translation>The devices of the task cannot be read: the task&apos;s device file cannot be read.</translation>
    </message>
    <message>
        <source>the task&apos;s device file cannot be read</source>
        <translation>the task&apos;s device file cannot be read</translation>
    </message>
    <message>
        <source>The record plan of device %1 could not be stored: %2.</source>
        <translation>The record plan of device %1 could not be stored: %2.</translation>
    </message>
    <message>
        <source>Device %1 is no longer in the task; its record plan was not stored.</source>
        <translation>Device %1 is no longer in the task; its record plan was not stored.</translation>
    </message>
    <message>
        <source>The panel keeps it: close the panel again to retry.</source>
        <translation>The panel keeps it: close the panel again to retry.</translation>
    </message>
    <message>
        <source>The record plan of device %1 cannot be read: %2.</source>
        <translation>The record plan of device %1 cannot be read: %2.</translation>
    </message>
    <message>
        <source>the task&apos;s device file is damaged</source>
        <translation>the task&apos;s device file is damaged</translation>
    </message>
    <message>
        <source>the task&apos;s device file is missing and cannot be created</source>
        <translation>the task&apos;s device file is missing and cannot be created</translation>
    </message>
</context>
<context>
    <name>kiv::RecordPlanCopyModel</name>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Device Type</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remark</translation>
    </message>
</context>
<context>
    <name>kiv::RecordPlanCopyWidget</name>
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message>
        <source>The record plan could not be copied: the task&apos;s device file cannot be read.</source>
        <translation>The record plan could not be copied: the task&apos;s device file cannot be read.</translation>
    </message>
    <message>
        <source>The record plan could not be copied: %1</source>
        <translation>The record plan could not be copied: %1</translation>
    </message>
    <message>
        <source>The record plan could not be copied to device %1: it is no longer in the task.</source>
        <translation>The record plan could not be copied to device %1: it is no longer in the task.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Device %1 has no stored record plan; the other devices keep theirs.</source>
        <translation>Device %1 has no stored record plan; the other devices keep theirs.</translation>
    </message>
    <message>
        <source>Device %1 has no stored event frequency; the other devices keep theirs.</source>
        <translation>Device %1 has no stored event frequency; the other devices keep theirs.</translation>
    </message>
</context>
</TS>
