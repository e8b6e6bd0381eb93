<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BandwidthCalulatorWidgetUI</name>
    <message>
        <source>BandwidthCalulatorWidget</source>
        <translation>BandwidthCalulatorWidget</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>CalculateManagerWidgetUI</name>
    <message>
        <source>CalculateManagerWidget</source>
        <translation>CalculateManagerWidget</translation>
    </message>
</context>
<context>
    <name>ClientCalculatorWidgetUI</name>
    <message>
        <source>ClientCalculatorWidget</source>
        <translation>ClientCalculatorWidget</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>Client:</translation>
    </message>
    <message>
        <source>Client Count</source>
        <translation>Client Count</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>StorageCalculatorWidgetUI</name>
    <message>
        <source>StorageCalculatorWidget</source>
        <translation>StorageCalculatorWidget</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Class:</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>HDD Bay:</source>
        <translation>HDD Bay:</translation>
    </message>
    <message>
        <source>HDD Capcity</source>
        <translation>HDD Capcity</translation>
    </message>
    <message>
        <source>Recoding Time:</source>
        <translation>Recoding Time:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>HDD Type</source>
        <translation>HDD Type</translation>
    </message>
    <message>
        <source>RAID Type:</source>
        <translation>RAID Type:</translation>
    </message>
    <message>
        <source>RAID1 Count</source>
        <translation>RAID1 Count</translation>
    </message>
    <message>
        <source>RAID5 Count</source>
        <translation>RAID5 Count</translation>
    </message>
    <message>
        <source>RAID Group</source>
        <translation>RAID Group</translation>
    </message>
    <message>
        <source>Hot spare</source>
        <translation>Hot spare</translation>
    </message>
</context>
<context>
    <name>StreamServerCalulatorWidgetUI</name>
    <message>
        <source>StreamServerCalulatorWidget</source>
        <translation>StreamServerCalulatorWidget</translation>
    </message>
    <message>
        <source>Stream Server Count</source>
        <translation>Stream Server Count</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>kiv::BandwidthCalModel</name>
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
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>kiv::BandwidthCalulatorWidget</name>
    <message>
        <source>Choose a task first: the bandwidth is calculated for the current task.</source>
        <translation>Choose a task first: the bandwidth is calculated for the current task.</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message>
        <source>Failed.</source>
        <translation>Failed.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The bandwidth of this task cannot be calculated. Check the bit rates and stream counts of its streams.</source>
        <translation>The bandwidth of this task cannot be calculated. Check the bit rates and stream counts of its streams.</translation>
    </message>
</context>
<context>
    <name>kiv::CalculateManagerWidget</name>
    <message>
        <source>Storage</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>Stream Server</source>
        <translation>Stream Server</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message>
        <source>The stored results of this task could not be cleared, so the report may still show figures of the devices before this change.</source>
        <translation>The stored results of this task could not be cleared, so the report may still show figures of the devices before this change.</translation>
    </message>
</context>
<context>
    <name>kiv::CalculatorFlow</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The devices of this task cannot be read.</source>
        <translation>The devices of this task cannot be read.</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message>
        <source>The result could not be stored in the task list.</source>
        <translation>The result could not be stored in the task list.</translation>
    </message>
</context>
<context>
    <name>kiv::ClientCalculatorWidget</name>
    <message>
        <source>Choose a task first: the clients are counted for the current task.</source>
        <translation>Choose a task first: the clients are counted for the current task.</translation>
    </message>
    <message>
        <source>The clients of this task cannot be counted. Check the device counts and stream counts.</source>
        <translation>The clients of this task cannot be counted. Check the device counts and stream counts.</translation>
    </message>
</context>
<context>
    <name>kiv::StorageCalculatorWidget</name>
    <message>
        <source>Choose a task first: the storage is calculated for the current task.</source>
        <translation>Choose a task first: the storage is calculated for the current task.</translation>
    </message>
    <message>
        <source>The time is invalid</source>
        <translation>The time is invalid</translation>
    </message>
    <message>
        <source>At least two hot spare disks should be set if three or more RAID groups are configured.</source>
        <translation>At least two hot spare disks should be set if three or more RAID groups are configured.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Calculation...</source>
        <translation>Calculation...</translation>
    </message>
    <message>
        <source>The sum of IPC number can not be bigger than 1000000</source>
        <translation>The sum of IPC number can not be bigger than 1000000</translation>
    </message>
    <message>
        <source>The Bit Rate of IPC Typeis bigger than NVR Bandwidth</source>
        <translation>The Bit Rate of IPC Typeis bigger than NVR Bandwidth</translation>
    </message>
    <message>
        <source>No this type</source>
        <translation>No this type</translation>
    </message>
    <message>
        <source>The configured parameters of RAID Number and Hot Spare are not supported by the NVR/CVR. Please edit them.</source>
        <translation>The configured parameters of RAID Number and Hot Spare are not supported by the NVR/CVR. Please edit them.</translation>
    </message>
    <message>
        <source>The number of HDD bays of this model is not known, so the devices it needs cannot be counted.</source>
        <translation>The number of HDD bays of this model is not known, so the devices it needs cannot be counted.</translation>
    </message>
    <message>
        <source>The storage of this task is too large to be calculated. Check the bit rates and stream counts of its streams.</source>
        <translation>The storage of this task is too large to be calculated. Check the bit rates and stream counts of its streams.</translation>
    </message>
    <message>
        <source>Torvel Stroage Server</source>
        <translation>Torvel Stroage Server</translation>
    </message>
    <message>
        <source>Delvar Stroage Server</source>
        <translation>Delvar Stroage Server</translation>
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
        <source>Common</source>
        <translation>Common</translation>
    </message>
    <message>
        <source>raid</source>
        <translation>raid</translation>
    </message>
    <message>
        <source>Device Count</source>
        <translation>Device Count</translation>
    </message>
    <message>
        <source>Disk Capacity</source>
        <translation>Disk Capacity</translation>
    </message>
    <message>
        <source>Disk Count</source>
        <translation>Disk Count</translation>
    </message>
</context>
<context>
    <name>kiv::StreamServerCalulatorWidget</name>
    <message>
        <source>Choose a task first: the stream servers are counted for the current task.</source>
        <translation>Choose a task first: the stream servers are counted for the current task.</translation>
    </message>
    <message>
        <source>The stream servers of this task cannot be counted. Check the bit rates and stream counts of its streams.</source>
        <translation>The stream servers of this task cannot be counted. Check the bit rates and stream counts of its streams.</translation>
    </message>
</context>
</TS>
