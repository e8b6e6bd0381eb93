<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AddLensWidget</name>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>数量：</translation>
    </message>
</context>
<context>
    <name>AddShieldWidget</name>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>数量：</translation>
    </message>
</context>
<context>
    <name>AddStandWidget</name>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>数量：</translation>
    </message>
</context>
<context>
    <name>ConfigPannel</name>
    <message>
        <source>ConfigPannel</source>
        <translation>配件</translation>
    </message>
</context>
<context>
    <name>kiv::AccessoryTypeDialog</name>
    <message>
        <source>Number Range [1~1000]</source>
        <translation>数量范围 [1~1000]</translation>
    </message>
</context>
<context>
    <name>kiv::AddLensWidget</name>
    <message>
        <source>Select Lens</source>
        <translation>选择镜头</translation>
    </message>
</context>
<context>
    <name>kiv::AddShieldWidget</name>
    <message>
        <source>Select Shield</source>
        <translation>选择防护罩</translation>
    </message>
</context>
<context>
    <name>kiv::AddStandWidget</name>
    <message>
        <source>Select Stand</source>
        <translation>选择支架</translation>
    </message>
</context>
<context>
    <name>kiv::ConfigPannel</name>
    <message>
        <source>Camera lens</source>
        <translation>镜头</translation>
    </message>
    <message>
        <source>Bracket</source>
        <translation>支架</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>防护罩</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The device file of task %1 could not be saved: %2</source>
        <translation>任务 %1 的设备文件无法保存：%2</translation>
    </message>
    <message>
        <source>Edit Lens</source>
        <translation>编辑镜头</translation>
    </message>
    <message>
        <source>No fit Lens</source>
        <translation>没有适配此型号的镜头</translation>
    </message>
    <message>
        <source>Edit Stand</source>
        <translation>编辑支架</translation>
    </message>
    <message>
        <source>No fit stand</source>
        <translation>没有适配此型号的支架</translation>
    </message>
    <message>
        <source>Edit Shield</source>
        <translation>编辑防护罩</translation>
    </message>
    <message>
        <source>No fit shield</source>
        <translation>没有适配此型号的防护罩</translation>
    </message>
    <message>
        <source>Failed.</source>
        <translation>失败。</translation>
    </message>
</context>
<context>
    <name>kiv::PendrikWidget</name>
    <message>
        <source>Select Lens</source>
        <translation>选择镜头</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Please select Lens</source>
        <translation>请选择镜头</translation>
    </message>
    <message>
        <source>Number Range [1~1000]</source>
        <translation>数量范围 [1~1000]</translation>
    </message>
</context>
</TS>
