<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AddLensWidget</name>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Number:</translation>
    </message>
</context>
<context>
    <name>AddShieldWidget</name>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Number:</translation>
    </message>
</context>
<context>
    <name>AddStandWidget</name>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Number:</translation>
    </message>
</context>
<context>
    <name>ConfigPannel</name>
    <message>
        <source>ConfigPannel</source>
        <translation>ConfigPannel</translation>
    </message>
</context>
<context>
    <name>kiv::AccessoryTypeDialog</name>
    <message>
        <source>Number Range [1~1000]</source>
        <translation>Number Range [1~1000]</translation>
    </message>
</context>
<context>
    <name>kiv::AddLensWidget</name>
    <message>
        <source>Select Lens</source>
        <translation>Select Lens</translation>
    </message>
</context>
<context>
    <name>kiv::AddShieldWidget</name>
    <message>
        <source>Select Shield</source>
        <translation>Select Shield</translation>
    </message>
</context>
<context>
    <name>kiv::AddStandWidget</name>
    <message>
        <source>Select Stand</source>
        <translation>Select Stand</translation>
    </message>
</context>
<context>
    <name>kiv::ConfigPannel</name>
    <message>
        <source>Camera lens</source>
        <translation>Camera lens</translation>
    </message>
    <message>
        <source>Bracket</source>
        <translation>Bracket</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Shield</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message>
        <source>The device file of task %1 could not be saved: %2</source>
        <translation>The device file of task %1 could not be saved: %2</translation>
    </message>
    <message>
        <source>Edit Lens</source>
        <translation>Edit Lens</translation>
    </message>
    <message>
        <source>No fit Lens</source>
        <translation>No fit Lens</translation>
    </message>
    <message>
        <source>Edit Stand</source>
        <translation>Edit Stand</translation>
    </message>
    <message>
        <source>No fit stand</source>
        <translation>No fit stand</translation>
    </message>
    <message>
        <source>Edit Shield</source>
        <translation>Edit Shield</translation>
    </message>
    <message>
        <source>No fit shield</source>
        <translation>No fit shield</translation>
    </message>
    <message>
        <source>Failed.</source>
        <translation>Failed.</translation>
    </message>
</context>
<context>
    <name>kiv::PendrikWidget</name>
    <message>
        <source>Select Lens</source>
        <translation>Select Lens</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Please select Lens</source>
        <translation>Please select Lens</translation>
    </message>
    <message>
        <source>Number Range [1~1000]</source>
        <translation>Number Range [1~1000]</translation>
    </message>
</context>
</TS>
