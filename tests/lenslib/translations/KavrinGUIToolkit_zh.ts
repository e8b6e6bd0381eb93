<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A tiny stand-in for the toolkit's Chinese catalogue. -->
<TS version="2.1" language="zh_CN">
<context>
    <name>KavrinGUIToolkit::CWarningDlg</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
