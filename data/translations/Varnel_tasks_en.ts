<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DeviceListWidgetUI</name>
    <message>
        <source>Add Device</source>
        <translation>Add Device</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>DeviceListWidget</source>
        <translation>DeviceListWidget</translation>
    </message>
</context>
<context>
    <name>NewTaskWidgetUI</name>
    <message>
        <source>Task Name:</source>
        <translation>Task Name:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Video Standard:</source>
        <translation>Video Standard:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Solution helps you pick up devices quickly for various 
industries or scenes.</source>
        <translation>Solution helps you pick up devices quickly for various 
industries or scenes.</translation>
    </message>
</context>
<context>
    <name>TaskManagerWidgetUI</name>
    <message>
        <source>TaskManagerWidget</source>
        <translation>TaskManagerWidget</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Task List</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>New Task</translation>
    </message>
</context>
<context>
    <name>kiv::DeviceListModel</name>
    <message>
        <source>IPC</source>
        <translation>IPC</translation>
    </message>
    <message>
        <source>DVR</source>
        <translation>DVR</translation>
    </message>
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
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
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
    <name>kiv::NewTaskWidget</name>
    <message>
        <source>Custum Solution</source>
        <translation>Custum Solution</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>The task name is invalid</source>
        <translation>The task name is invalid</translation>
    </message>
    <message>
        <source>The name contains illegal character</source>
        <translation>The name contains illegal character</translation>
    </message>
    <message>
        <source>Reserved task name can not be added.</source>
        <translation>Reserved task name can not be added.</translation>
    </message>
</context>
<context>
    <name>kiv::TaskManageModel</name>
    <message>
        <source>Edit and Delete</source>
        <translation>Edit and Delete</translation>
    </message>
</context>
<context>
    <name>kiv::TaskManagerWidget</name>
    <message>
        <source>Up to 50 task can be added.</source>
        <translation>Up to 50 task can be added.</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>New Task</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
    </message>
    <message>
        <source>Adding failed.</source>
        <translation>Adding failed.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Delete it?</source>
        <translation>Delete it?</translation>
    </message>
    <message>
        <source>Edit Task</source>
        <translation>Edit Task</translation>
    </message>
    <message>
        <source>Modifying failed.</source>
        <translation>Modifying failed.</translation>
    </message>
    <message>
        <source>Failed.</source>
        <translation>Failed.</translation>
    </message>
</context>
</TS>
