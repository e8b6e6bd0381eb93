<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <source>Device Count Ranges [0~1024]</source>
        <translation>Device Count Ranges [0~1024]</translation>
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
    <message>
        <source>Warn</source>
        <translation>Warn</translation>
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
        <source>Reserved task name can not be added.</source>
        <translation>Reserved task name can not be added.</translation>
    </message>
</context>
<context>
    <name>kiv::SceneModel</name>
    <message>
        <source>Scene</source>
        <translation>Scene</translation>
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
