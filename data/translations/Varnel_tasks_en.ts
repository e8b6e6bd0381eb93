<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DeviceListWidgetUI</name>
    <message>
        <source>Add Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kiv::DeviceListWidget</name>
    <message>
        <source>Device Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Stream(kbps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub-Stream(kbps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kiv::TaskManagerWidget</name>
    <message>
        <source>Task List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
