<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AddDeviceWidgetUI</name>
    <message>
        <source>AddDeviceWidget</source>
        <translation>AddDeviceWidget</translation>
    </message>
    <message>
        <source>IPC</source>
        <translation>IPC</translation>
    </message>
    <message>
        <source>Dome</source>
        <translation>Dome</translation>
    </message>
    <message>
        <source>DVR</source>
        <translation>DVR</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Keyword</translation>
    </message>
    <message>
        <source>Look at device parameters by double clicked device type.</source>
        <translation>Look at device parameters by double clicked device type.</translation>
    </message>
    <message>
        <source>Device Type:</source>
        <translation>Device Type:</translation>
    </message>
    <message>
        <source>Remark:</source>
        <translation>Remark:</translation>
    </message>
    <message>
        <source>Device Count:</source>
        <translation>Device Count:</translation>
    </message>
    <message>
        <source>Main Stream:</source>
        <translation>Main Stream:</translation>
    </message>
    <message>
        <source>Sub Stream:</source>
        <translation>Sub Stream:</translation>
    </message>
</context>
<context>
    <name>ImportSolutionWidgetUI</name>
    <message>
        <source>Industry:</source>
        <translation>Industry:</translation>
    </message>
    <message>
        <source>Look at device parameters by double clicked device type.</source>
        <translation>Look at device parameters by double clicked device type.</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kiv::AddDeviceWidget</name>
    <message>
        <source>IPC</source>
        <translation>IPC</translation>
    </message>
    <message>
        <source>Dome</source>
        <translation>Dome</translation>
    </message>
    <message>
        <source>DVR</source>
        <translation>DVR</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Customize</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Add Device</translation>
    </message>
    <message>
        <source>The Bit rate is not valid(range 0 or 32k-16384k)</source>
        <translation>The Bit rate is not valid(range 0 or 32k-16384k)</translation>
    </message>
    <message>
        <source>The device type is not valid</source>
        <translation>The device type is not valid</translation>
    </message>
    <message>
        <source>The device number cannot be empty</source>
        <translation>The device number cannot be empty</translation>
    </message>
    <message>
        <source>Device Count Ranges [1~1024]</source>
        <translation>Device Count Ranges [1~1024]</translation>
    </message>
    <message>
        <source>The device number of task ranges[1~1024]</source>
        <translation>The device number of task ranges[1~1024]</translation>
    </message>
</context>
<context>
    <name>kiv::DeviceModel</name>
    <message>
        <source>Device Type</source>
        <translation>Device Type</translation>
    </message>
    <message>
        <source>Device Count</source>
        <translation>Device Count</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message>
        <source>Device Count Ranges [0~1024]</source>
        <translation>Device Count Ranges [0~1024]</translation>
    </message>
</context>
<context>
    <name>kiv::DeviceParamWidget</name>
    <message>
        <source>Parameter list</source>
        <translation>Parameter list</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Device Type</translation>
    </message>
</context>
<context>
    <name>kiv::ImportSolutionWidget</name>
    <message>
        <source>New Task</source>
        <translation>New Task</translation>
    </message>
    <message>
        <source>The device number of task ranges[1~1024]</source>
        <translation>The device number of task ranges[1~1024]</translation>
    </message>
</context>
<context>
    <name>kiv::ParamModel</name>
    <message>
        <source>Whether to satisfy</source>
        <translation>Whether to satisfy</translation>
    </message>
    <message>
        <source>Any One</source>
        <translation>Any One</translation>
    </message>
</context>
<context>
    <name>kiv::SceneModel</name>
    <message>
        <source>Scene</source>
        <translation>Scene</translation>
    </message>
</context>
</TS>
