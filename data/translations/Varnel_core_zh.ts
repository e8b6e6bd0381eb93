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
<context>
    <name>TaskEntries</name>
    <message>
        <source>The file %1 holds the devices of no task. Move it out of the Task folder, or give the task another name.</source>
        <translation>文件 %1 中的设备不属于任何任务。请把它移出 Task 文件夹，或给任务另取一个名称。</translation>
    </message>
    <message>
        <source>The task list was changed outside this window: the task %1 is no longer where the window shows it. Nothing was changed. Start the program again to see the task list as it is stored.</source>
        <translation>任务列表已在本窗口之外被更改：任务 %1 已不在窗口所示的位置。未做任何更改。请重新启动程序以查看已保存的任务列表。</translation>
    </message>
    <message>
        <source>The device file %1 cannot be changed in the Task folder. Nothing was changed.</source>
        <translation>无法在 Task 文件夹中更改设备文件 %1。未做任何更改。</translation>
    </message>
    <message>
        <source>The disk that holds the Task folder does not tell letter case apart, and the device file %1 cannot be given a name that differs from its own in letter case alone there. Nothing was changed. Give the task a name that differs in more than letter case.</source>
        <translation>Task 文件夹所在的磁盘不区分字母大小写，无法在其上把设备文件 %1 改为仅大小写不同的名称。未做任何更改。请给任务起一个不只是大小写不同的名称。</translation>
    </message>
</context>
<context>
    <name>TaskFolder</name>
    <message>
        <source>The file %1 records a rename or a deletion of a task that was cut off and could not be finished. Nothing was changed. Start the program again to finish it; if the file is still there, move it out of the Task folder once you have checked the device files of the tasks it names.</source>
        <translation>文件 %1 记录了一次被中断且未能完成的任务重命名或删除。未做任何更改。请重新启动程序以完成它；如果该文件仍然存在，请先检查其中所列任务的设备文件，再将它移出 Task 文件夹。</translation>
    </message>
</context>
<context>
    <name>TaskName</name>
    <message>
        <source>The task name is invalid</source>
        <translation>任务名称无效</translation>
    </message>
    <message>
        <source>The name contains illegal character</source>
        <translation>名称包含非法字符</translation>
    </message>
    <message>
        <source>The task name is too long for a file name.</source>
        <translation>任务名称太长，无法用作文件名。</translation>
    </message>
</context>
<context>
    <name>XmlDataFile</name>
    <message>
        <source>The disk that holds %1 is full.</source>
        <translation>%1 所在的磁盘已满。</translation>
    </message>
    <message>
        <source>The folder %1 is missing.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>无法写入文件 %1。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>无法写入文件夹 %1。</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>无法保存文件 %1。</translation>
    </message>
    <message>
        <source>The change was not saved: the file %1 would then hold more than the program reads (%2 MB, %3 elements, elements nested %4 deep, %5 attributes on one element). The file is as it was.</source>
        <translation>更改未保存：文件 %1 将超出本程序所能读取的范围（%2 MB、%3 个元素、元素嵌套 %4 层、单个元素 %5 个属性）。文件保持原样。</translation>
    </message>
    <message>
        <source>The change was not saved: the file %1 holds text, written by hand or by another program, that could not be written back as it reads. The file is as it was.</source>
        <translation>更改未保存：文件 %1 含有手工或其他程序写入的文本，无法按其读取时的样子写回。文件保持原样。</translation>
    </message>
    <message>
        <source>The file %1 is missing and cannot be created.</source>
        <translation>文件 %1 不存在，也无法创建。</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>无法读取文件 %1。</translation>
    </message>
    <message>
        <source>The file %1 is damaged or is not a file of this program.</source>
        <translation>文件 %1 已损坏或不是本程序的文件。</translation>
    </message>
</context>
</TS>
