<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ImportSolutionWidgetUI</name>
    <message>
        <source>Industry:</source>
        <translation>行业：</translation>
    </message>
    <message>
        <source>Look at device parameters by double clicked device type.</source>
        <translation>双击设备型号可查看设备参数。</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>NewTaskWidgetUI</name>
    <message>
        <source>Task Name:</source>
        <translation>任务名称：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Video Standard:</source>
        <translation>视频制式：</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>描述：</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>方案</translation>
    </message>
    <message>
        <source>Solution helps you pick up devices quickly for various 
industries or scenes.</source>
        <translation>方案可帮助您按行业或场景
快速挑选设备。</translation>
    </message>
</context>
<context>
    <name>TaskManagerWidgetUI</name>
    <message>
        <source>TaskManagerWidget</source>
        <translation>任务管理</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>任务列表</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>新建任务</translation>
    </message>
</context>
<context>
    <name>kiv::DeviceModel</name>
    <message>
        <source>Device Type</source>
        <translation>设备型号</translation>
    </message>
    <message>
        <source>Device Count</source>
        <translation>设备数量</translation>
    </message>
    <message>
        <source>Device Count Ranges [0~1024]</source>
        <translation>设备数量范围为[0~1024]</translation>
    </message>
</context>
<context>
    <name>kiv::ImportSolutionWidget</name>
    <message>
        <source>New Task</source>
        <translation>新建任务</translation>
    </message>
    <message>
        <source>The device number of task ranges[1~1024]</source>
        <translation>任务的设备总数范围为[1~1024]</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>kiv::NewTaskWidget</name>
    <message>
        <source>Custum Solution</source>
        <translation>自定义方案</translation>
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
        <translation>下一步</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Reserved task name can not be added.</source>
        <translation>任务名称已存在，不能添加。</translation>
    </message>
</context>
<context>
    <name>kiv::SceneModel</name>
    <message>
        <source>Scene</source>
        <translation>场景</translation>
    </message>
</context>
<context>
    <name>kiv::TaskManageModel</name>
    <message>
        <source>Edit and Delete</source>
        <translation>编辑和删除</translation>
    </message>
</context>
<context>
    <name>kiv::TaskManagerWidget</name>
    <message>
        <source>Up to 50 task can be added.</source>
        <translation>最多只能添加50个任务。</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>新建任务</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Adding failed.</source>
        <translation>添加失败。</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Delete it?</source>
        <translation>确定删除吗？</translation>
    </message>
    <message>
        <source>Edit Task</source>
        <translation>编辑任务</translation>
    </message>
    <message>
        <source>Modifying failed.</source>
        <translation>修改失败。</translation>
    </message>
    <message>
        <source>Failed.</source>
        <translation>失败。</translation>
    </message>
</context>
</TS>
