<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A tiny stand-in for the toolkit's English catalogue. -->
<TS version="2.1" language="en_US">
<context>
    <name>KavrinGUIToolkit::CWarningDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
