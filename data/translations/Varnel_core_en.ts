<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>NvrCalculator</name>
    <message>
        <source>Torvel Stroage Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delvar Stroage Server</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
