<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DeviceListWidgetUI</name>
    <message>
        <source>Add Device</source>
        <translation>添加设备</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报表</translation>
    </message>
    <message>
        <source>DeviceListWidget</source>
        <translation>设备列表</translation>
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
    <name>kiv::DeviceListModel</name>
    <message>
        <source>IPC</source>
        <translation>网络摄像机</translation>
    </message>
    <message>
        <source>DVR</source>
        <translation>硬盘录像机</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>设备型号</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Main Type</source>
        <translation>设备类别</translation>
    </message>
    <message>
        <source>Device Count</source>
        <translation>设备数量</translation>
    </message>
    <message>
        <source>Main Stream(kbps)</source>
        <translation>主码流(kbps)</translation>
    </message>
    <message>
        <source>Sub-Stream(kbps)</source>
        <translation>子码流(kbps)</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Dome</source>
        <translation>球机</translation>
    </message>
    <message>
        <source>Stream</source>
        <translation>码流</translation>
    </message>
    <message>
        <source>Record Schedule</source>
        <translation>录像计划</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>配件</translation>
    </message>
    <message>
        <source>Device Count Ranges [1~1024]</source>
        <translation>设备数量范围为[1~1024]</translation>
    </message>
    <message>
        <source>The device number of task ranges[1~1024]</source>
        <translation>任务的设备总数范围为[1~1024]</translation>
    </message>
    <message>
        <source>The Bit rate is not valid(range 0 or 32k-16384k)</source>
        <translation>码率无效（范围为0或32k-16384k）</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
</context>
<context>
    <name>kiv::DeviceListWidget</name>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The devices of the task &quot;%1&quot; cannot be read from its file %2. The file is left as it is: mend it or move it away, then choose the task again.</source>
        <translation>无法从任务“%1”的文件 %2 读取设备。该文件保持原样：请修复或移走该文件，然后重新选择该任务。</translation>
    </message>
    <message>
        <source>Adding failed.</source>
        <translation>添加失败。</translation>
    </message>
    <message>
        <source>Failed.</source>
        <translation>失败。</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Delete it?</source>
        <translation>确定删除吗？</translation>
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
        <source>The task name is invalid</source>
        <translation>任务名称无效</translation>
    </message>
    <message>
        <source>The name contains illegal character</source>
        <translation>名称包含非法字符</translation>
    </message>
    <message>
        <source>Reserved task name can not be added.</source>
        <translation>任务名称已存在，不能添加。</translation>
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
