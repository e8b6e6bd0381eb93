<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CDlgAbout</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source> v1.00.02.07</source>
        <translation> v1.00.02.07</translation>
    </message>
</context>
<context>
    <name>CDlgAboutClass</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Pendrik</source>
        <translation>Pendrik</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CWindowTitle</name>
    <message>
        <source>Pendrik</source>
        <translation>Pendrik</translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Can not find Manual.</source>
        <translation>Can not find Manual.</translation>
    </message>
</context>
</TS>
