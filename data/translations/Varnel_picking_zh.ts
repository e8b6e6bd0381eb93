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
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Device Count Ranges [0~1024]</source>
        <translation>设备数量范围为[0~1024]</translation>
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
    <name>kiv::ImportSolutionWidget</name>
    <message>
        <source>New Task</source>
        <translation>新建任务</translation>
    </message>
    <message>
        <source>The device number of task ranges[1~1024]</source>
        <translation>任务的设备总数范围为[1~1024]</translation>
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
<context>
    <name>kiv::SceneModel</name>
    <message>
        <source>Scene</source>
        <translation>场景</translation>
    </message>
</context>
</TS>
