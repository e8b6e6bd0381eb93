<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>NvrCalculator</name>
    <message>
        <source>Torvel Stroage Server</source>
        <translation>Torvel 存储服务器</translation>
    </message>
    <message>
        <source>Delvar Stroage Server</source>
        <translation>Delvar 存储服务器</translation>
    </message>
</context>
</TS>
