<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>PathWidget</name>
    <message>
        <source>File Name:</source>
        <translation>File Name:</translation>
    </message>
    <message>
        <source>Please select file path:</source>
        <translation>Please select file path:</translation>
    </message>
    <message>
        <source>PathWidget</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>ReportWidget</name>
    <message>
        <source>Save as PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Save as Excel</source>
        <translation>Save as Excel</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kiv::PathWidget</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>The name is invalid</source>
        <translation>The name is invalid</translation>
    </message>
    <message>
        <source>The name contains illegal character</source>
        <translation>The name contains illegal character</translation>
    </message>
    <message>
        <source>The folder does not exist</source>
        <translation>The folder does not exist</translation>
    </message>
    <message>
        <source>The folder cannot be written to</source>
        <translation>The folder cannot be written to</translation>
    </message>
</context>
<context>
    <name>kiv::ReportWidget</name>
    <message>
        <source>Output Report</source>
        <translation>Output Report</translation>
    </message>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
    <message>
        <source>Solution Report</source>
        <translation>Solution Report</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Ingredient List</source>
        <translation>Ingredient List</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Device Type</translation>
    </message>
    <message>
        <source>Device Number</source>
        <translation>Device Number</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingredient</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Least Config</source>
        <translation>Least Config</translation>
    </message>
    <message>
        <source>Recommend Config</source>
        <translation>Recommend Config</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>The file name has been used; replace it?</source>
        <translation>The file name has been used; replace it?</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message>
        <source>Saving failed.</source>
        <translation>Saving failed.</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>Printing failed.</translation>
    </message>
    <message>
        <source>NVR</source>
        <translation>NVR</translation>
    </message>
    <message>
        <source>CVR</source>
        <translation>CVR</translation>
    </message>
    <message>
        <source>Storage Server</source>
        <translation>Storage Server</translation>
    </message>
    <message>
        <source>HDD Capacity</source>
        <translation>HDD Capacity</translation>
    </message>
    <message>
        <source>: </source>
        <translation>: </translation>
    </message>
    <message>
        <source>HDD number</source>
        <translation>HDD number</translation>
    </message>
    <message>
        <source>RAID Type</source>
        <translation>RAID Type</translation>
    </message>
    <message>
        <source>RAID number</source>
        <translation>RAID number</translation>
    </message>
    <message>
        <source>Stream Media Server Number</source>
        <translation>Stream Media Server Number</translation>
    </message>
    <message>
        <source>Calculation result</source>
        <translation>Calculation result</translation>
    </message>
    <message>
        <source>Calculation Report</source>
        <translation>Calculation Report</translation>
    </message>
    <message>
        <source>Storage result:</source>
        <translation>Storage result:</translation>
    </message>
    <message>
        <source>Bandwidth:</source>
        <translation>Bandwidth:</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>Transmission</translation>
    </message>
    <message>
        <source>Stream Media Server:</source>
        <translation>Stream Media Server:</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>Client:</translation>
    </message>
    <message>
        <source>Config Report</source>
        <translation>Config Report</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>RAM</translation>
    </message>
    <message>
        <source>Graphic Card</source>
        <translation>Graphic Card</translation>
    </message>
    <message>
        <source>resolution</source>
        <translation>resolution</translation>
    </message>
    <message>
        <source>Network Adapter: 100Mbit NIC</source>
        <translation>Network Adapter: 100Mbit NIC</translation>
    </message>
    <message>
        <source> or above</source>
        <translation> or above</translation>
    </message>
    <message>
        <source>or above</source>
        <translation>or above</translation>
    </message>
    <message>
        <source>resolution or higher</source>
        <translation>resolution or higher</translation>
    </message>
    <message>
        <source>Network Adapter: 1000Mbit NIC</source>
        <translation>Network Adapter: 1000Mbit NIC</translation>
    </message>
    <message>
        <source>The least config of client</source>
        <translation>The least config of client</translation>
    </message>
    <message>
        <source>The recommend config of client</source>
        <translation>The recommend config of client</translation>
    </message>
    <message>
        <source>The least config of server</source>
        <translation>The least config of server</translation>
    </message>
    <message>
        <source>The recommend config of server</source>
        <translation>The recommend config of server</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>The printer reported an error.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>The folder cannot be written to.</source>
        <translation>The folder cannot be written to.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>A folder of that name already exists.</source>
        <translation>A folder of that name already exists.</translation>
    </message>
    <message>
        <source>The file is held by another program.</source>
        <translation>The file is held by another program.</translation>
    </message>
    <message>
        <source>The task&apos;s devices could not be read.</source>
        <translation>The task&apos;s devices could not be read.</translation>
    </message>
    <message>
        <source>A text is too long for a workbook cell.</source>
        <translation>A text is too long for a workbook cell.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>The file could not be written.</translation>
    </message>
</context>
</TS>
