<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AddDeviceWidgetUI</name>
    <message>
        <source>AddDeviceWidget</source>
        <translation>添加设备</translation>
    </message>
    <message>
        <source>IPC</source>
        <translation>网络摄像机</translation>
    </message>
    <message>
        <source>Dome</source>
        <translation>球机</translation>
    </message>
    <message>
        <source>DVR</source>
        <translation>硬盘录像机</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>关键字</translation>
    </message>
    <message>
        <source>Look at device parameters by double clicked device type.</source>
        <translation>双击设备型号可查看设备参数。</translation>
    </message>
    <message>
        <source>Device Type:</source>
        <translation>设备型号：</translation>
    </message>
    <message>
        <source>Remark:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>Device Count:</source>
        <translation>设备数量：</translation>
    </message>
    <message>
        <source>Main Stream:</source>
        <translation>主码流：</translation>
    </message>
    <message>
        <source>Sub Stream:</source>
        <translation>子码流：</translation>
    </message>
</context>
<context>
    <name>DeviceListWidgetUI</name>
    <message>
        <source>DeviceListWidget</source>
        <translation>设备列表</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>添加设备</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报表</translation>
    </message>
</context>
<context>
    <name>kiv::AddDeviceWidget</name>
    <message>
        <source>IPC</source>
        <translation>网络摄像机</translation>
    </message>
    <message>
        <source>Dome</source>
        <translation>球机</translation>
    </message>
    <message>
        <source>DVR</source>
        <translation>硬盘录像机</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>添加设备</translation>
    </message>
    <message>
        <source>The Bit rate is not valid(range 0 or 32k-16384k)</source>
        <translation>码率无效（范围为0或32k-16384k）</translation>
    </message>
    <message>
        <source>The device type is not valid</source>
        <translation>设备型号无效</translation>
    </message>
    <message>
        <source>The device number cannot be empty</source>
        <translation>设备数量不能为空</translation>
    </message>
    <message>
        <source>Device Count Ranges [1~1024]</source>
        <translation>设备数量范围为[1~1024]</translation>
    </message>
    <message>
        <source>The device number of task ranges[1~1024]</source>
        <translation>任务的设备总数范围为[1~1024]</translation>
    </message>
</context>
<context>
    <name>kiv::DeviceListModel</name>
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
        <source>DVR</source>
        <translation>硬盘录像机</translation>
    </message>
    <message>
        <source>IPC</source>
        <translation>网络摄像机</translation>
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
        <source>Failed.</source>
        <translation>失败。</translation>
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
    <name>kiv::DeviceParamWidget</name>
    <message>
        <source>Parameter list</source>
        <translation>参数列表</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>设备型号</translation>
    </message>
</context>
<context>
    <name>kiv::ParamModel</name>
    <message>
        <source>Whether to satisfy</source>
        <translation>是否全部满足</translation>
    </message>
    <message>
        <source>Any One</source>
        <translation>任意一项</translation>
    </message>
</context>
</TS>
