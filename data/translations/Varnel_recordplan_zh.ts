<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>RecordPlanConfigUI</name>
    <message>
        <source>RecordPlanWidget</source>
        <translation>录像计划</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>定时</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>No Record</source>
        <translation>不录像</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>复制到...</translation>
    </message>
    <message>
        <source>Event Frenquency</source>
        <translation>事件频率</translation>
    </message>
</context>
<context>
    <name>RecordPlanCopyWidget</name>
    <message>
        <source>RecordPlanCopyWidget</source>
        <translation>复制录像计划</translation>
    </message>
</context>
<context>
    <name>kiv::RecordPlanConfig</name>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Close the program without it?</source>
        <translation>不保存它而关闭程序吗？</translation>
    </message>
    <message>
        <source>The devices of the task cannot be read: the task&apos;s device file cannot be read.</source>
        <translation>无法读取任务的设备：无法读取任务的设备文件。</translation>
    </message>
    <message>
        <source>the task&apos;s device file cannot be read</source>
        <translation>无法读取任务的设备文件</translation>
    </message>
    <message>
        <source>The record plan of device %1 could not be stored: %2.</source>
        <translation>设备 %1 的录像计划未能保存：%2。</translation>
    </message>
    <message>
        <source>Device %1 is no longer in the task; its record plan was not stored.</source>
        <translation>设备 %1 已不在任务中，其录像计划未保存。</translation>
    </message>
    <message>
        <source>The panel keeps it: close the panel again to retry.</source>
        <translation>面板仍保留该计划：再次关闭面板即可重试保存。</translation>
    </message>
    <message>
        <source>The record plan of device %1 cannot be read: %2.</source>
        <translation>无法读取设备 %1 的录像计划：%2。</translation>
    </message>
    <message>
        <source>the task&apos;s device file is damaged</source>
        <translation>任务的设备文件已损坏</translation>
    </message>
    <message>
        <source>the task&apos;s device file is missing and cannot be created</source>
        <translation>任务的设备文件不存在且无法创建</translation>
    </message>
</context>
<context>
    <name>kiv::RecordPlanCopyModel</name>
    <message>
        <source>Index</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>设备型号</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>备注</translation>
    </message>
</context>
<context>
    <name>kiv::RecordPlanCopyWidget</name>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The record plan could not be copied: the task&apos;s device file cannot be read.</source>
        <translation>录像计划未能复制：无法读取任务的设备文件。</translation>
    </message>
    <message>
        <source>The record plan could not be copied: %1</source>
        <translation>录像计划未能复制：%1</translation>
    </message>
    <message>
        <source>The record plan could not be copied to device %1: it is no longer in the task.</source>
        <translation>录像计划未能复制到设备 %1：该设备已不在任务中。</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Device %1 has no stored record plan; the other devices keep theirs.</source>
        <translation>设备 %1 没有已保存的录像计划，其他设备保留各自的录像计划。</translation>
    </message>
    <message>
        <source>Device %1 has no stored event frequency; the other devices keep theirs.</source>
        <translation>设备 %1 没有已保存的事件频率，其他设备保留各自的事件频率。</translation>
    </message>
</context>
</TS>
