<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DeviceStreamWidget</name>
    <message>
        <source>DeviceStreamWidget</source>
        <translation>DeviceStreamWidget</translation>
    </message>
    <message>
        <source>Add Stream</source>
        <translation>Add Stream</translation>
    </message>
</context>
<context>
    <name>kiv::DeviceStreamModel</name>
    <message>
        <source>Index</source>
        <translation>Index</translation>
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
        <source>Stream Count</source>
        <translation>Stream Count</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>FrameRate</source>
        <translation>FrameRate</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>The stream count is not valid(range 0-99999)</source>
        <translation>The stream count is not valid(range 0-99999)</translation>
    </message>
    <message>
        <source>The Bit rate is not valid(range 0 or 32k-16384k)</source>
        <translation>The Bit rate is not valid(range 0 or 32k-16384k)</translation>
    </message>
    <message>
        <source>Failed.</source>
        <translation>Failed.</translation>
    </message>
</context>
<context>
    <name>kiv::DeviceStreamWidget</name>
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
</context>
</TS>
