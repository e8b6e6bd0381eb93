<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DeviceStreamWidget</name>
    <message>
        <source>DeviceStreamWidget</source>
        <translation>码流配置</translation>
    </message>
    <message>
        <source>Add Stream</source>
        <translation>添加码流</translation>
    </message>
</context>
<context>
    <name>kiv::DeviceStreamModel</name>
    <message>
        <source>Index</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>录像</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>传输</translation>
    </message>
    <message>
        <source>Stream Count</source>
        <translation>码流路数</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>FrameRate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>码率</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>The stream count is not valid(range 0-99999)</source>
        <translation>码流路数无效（范围0-99999）</translation>
    </message>
    <message>
        <source>The Bit rate is not valid(range 0 or 32k-16384k)</source>
        <translation>码率无效（范围0或32k-16384k）</translation>
    </message>
    <message>
        <source>Failed.</source>
        <translation>失败。</translation>
    </message>
</context>
<context>
    <name>kiv::DeviceStreamWidget</name>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
</context>
</TS>
