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
</context>
<context>
    <name>kiv::DeviceListWidget</name>
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
        <translation>设备类型</translation>
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
</context>
<context>
    <name>kiv::TaskManagerWidget</name>
    <message>
        <source>Task List</source>
        <translation>任务列表</translation>
    </message>
</context>
</TS>
