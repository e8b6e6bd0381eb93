<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>kiv::CalculateManagerWidget</name>
    <message>
        <source>Storage</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Stream Server</source>
        <translation>流媒体服务器</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>客户端</translation>
    </message>
</context>
</TS>
