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
    <name>DeviceListWidgetUI</name>
    <message>
        <source>DeviceListWidget</source>
        <translation>DeviceListWidget</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Add Device</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
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
    <name>kiv::DeviceListModel</name>
    <message>
        <source>Device Type</source>
        <translation>Device Type</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Main Type</source>
        <translation>Main Type</translation>
    </message>
    <message>
        <source>Device Count</source>
        <translation>Device Count</translation>
    </message>
    <message>
        <source>Main Stream(kbps)</source>
        <translation>Main Stream(kbps)</translation>
    </message>
    <message>
        <source>Sub-Stream(kbps)</source>
        <translation>Sub-Stream(kbps)</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>DVR</source>
        <translation>DVR</translation>
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
        <source>Stream</source>
        <translation>Stream</translation>
    </message>
    <message>
        <source>Record Schedule</source>
        <translation>Record Schedule</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingredient</translation>
    </message>
    <message>
        <source>Device Count Ranges [1~1024]</source>
        <translation>Device Count Ranges [1~1024]</translation>
    </message>
    <message>
        <source>The device number of task ranges[1~1024]</source>
        <translation>The device number of task ranges[1~1024]</translation>
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
    <name>kiv::DeviceListWidget</name>
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message>
        <source>The devices of the task &quot;%1&quot; cannot be read from its file %2. The file is left as it is: mend it or move it away, then choose the task again.</source>
        <translation>The devices of the task &quot;%1&quot; cannot be read from its file %2. The file is left as it is: mend it or move it away, then choose the task again.</translation>
    </message>
    <message>
        <source>Adding failed.</source>
        <translation>Adding failed.</translation>
    </message>
    <message>
        <source>Failed.</source>
        <translation>Failed.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Delete it?</source>
        <translation>Delete it?</translation>
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
</TS>
