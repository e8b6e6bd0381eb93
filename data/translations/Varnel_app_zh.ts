<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CDlgAboutClass</name>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Vivureri Rize</source>
        <translation>Vivureri Rize</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>VarnelClass</name>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
</context>
<context>
    <name>kiv::CDlgAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source> v1.0.0.1</source>
        <translation> v1.0.0.1</translation>
    </message>
</context>
<context>
    <name>kiv::ToolsApplication</name>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
    <message>
        <source>Software is already running.</source>
        <translation>软件已经在运行。</translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <translation>显示器分辨率低于1024*768，确定要启动程序吗？</translation>
    </message>
    <message>
        <source>The task folder %1 cannot be written, so no task could be saved. Make the program folder writable and start the program again.</source>
        <translation>任务文件夹 %1 无法写入，任务将无法保存。请使程序文件夹可写，然后重新启动程序。</translation>
    </message>
    <message>
        <source>The device catalogue %1 is missing or cannot be read. Install the program again and start it once more.</source>
        <translation>设备库 %1 缺失或无法读取。请重新安装程序，然后再次启动。</translation>
    </message>
    <message>
        <source>The device catalogue %1 has no table %2, which the program reads, so its look-ups would come back empty. Install the program again and start it once more.</source>
        <translation>设备库 %1 中没有程序读取的表 %2，因此其查询将得不到结果。请重新安装程序，然后再次启动。</translation>
    </message>
    <message>
        <source>The table %2 of the device catalogue %1 has no column %3, which the program reads, so its look-ups would come back empty. Install the program again and start it once more.</source>
        <translation>设备库 %1 的表 %2 中没有程序读取的列 %3，因此其查询将得不到结果。请重新安装程序，然后再次启动。</translation>
    </message>
    <message>
        <source>The disk that holds the task folder %1 is full, so no task could be saved. Free some space on it and start the program again.</source>
        <translation>任务文件夹 %1 所在的磁盘已满，无法保存任何任务。请在该磁盘上腾出空间，然后重新启动程序。</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged or is not a settings file of this program, so its settings are not used: the program and the lens calculator start in English with their default settings. The program leaves the file as it is. Mend it, or move it away, and start the program again.</source>
        <translation>设置文件 %1 已损坏或不是本程序的设置文件，因此不使用其中的设置：程序和镜头计算器以英文界面和默认设置启动。程序不会改动该文件。请修复该文件或将其移走，然后重新启动程序。</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be opened for reading, so its settings are not used: the program and the lens calculator start in English with their default settings. Make the file readable, or move it away, and start the program again.</source>
        <translation>无法读取设置文件 %1，因此不使用其中的设置：程序和镜头计算器以英文界面和默认设置启动。请使该文件可读或将其移走，然后重新启动程序。</translation>
    </message>
    <message>
        <source>The parameter-code table %1 is damaged or is not a parameter-code table of this program, so it is not used: the device catalogue is searched with the codes built into the program. The program leaves the file as it is. Mend it or install the program again, then restart the program.</source>
        <translation>参数代码表 %1 已损坏或不是本程序的参数代码表，因此不使用该文件：设备库按程序内置的代码查询。程序不会改动该文件。请修复该文件或重新安装程序，然后重新启动程序。</translation>
    </message>
    <message>
        <source>The parameter-code table %1 cannot be opened for reading, so it is not used: the device catalogue is searched with the codes built into the program. Make the file readable, then restart the program.</source>
        <translation>无法读取参数代码表 %1，因此不使用该文件：设备库按程序内置的代码查询。请使该文件可读，然后重新启动程序。</translation>
    </message>
    <message>
        <source>The filter configuration %1 is damaged or is not a filter configuration of this program, so it is not used: the parameter filter of the add-device dialog hides nothing and ticks nothing in advance. The program leaves the file as it is. Mend it, or move it away to have an empty one created, then restart the program.</source>
        <translation>筛选配置 %1 已损坏或不是本程序的筛选配置，因此不使用该文件：添加设备对话框的参数筛选不隐藏任何参数，也不预先勾选任何参数。程序不会改动该文件。请修复该文件，或将其移走以便程序新建一个空的配置，然后重新启动程序。</translation>
    </message>
    <message>
        <source>The filter configuration %1 cannot be opened for reading, so it is not used: the parameter filter of the add-device dialog hides nothing and ticks nothing in advance. Make the file readable, then restart the program.</source>
        <translation>无法读取筛选配置 %1，因此不使用该文件：添加设备对话框的参数筛选不隐藏任何参数，也不预先勾选任何参数。请使该文件可读，然后重新启动程序。</translation>
    </message>
    <message>
        <source>The task list %1 is damaged or is not a task list of this program, so no task can be shown. The program leaves the file as it is and starts with an empty task list, which it never saves over the file: no task can be added until the file is mended. Mend the file, or move it out of the Task folder to start a new task list, and start the program again.</source>
        <translation>任务列表 %1 已损坏或不是本程序的任务列表，因此无法显示任何任务。程序不会改动该文件，以空的任务列表启动，并且绝不会用空列表覆盖该文件：修复该文件之前无法添加任务。请修复该文件，或将其移出 Task 文件夹以新建任务列表，然后重新启动程序。</translation>
    </message>
    <message>
        <source>The task list %1 cannot be opened for reading, so no task can be shown. The program leaves the file as it is and starts with an empty task list: no task can be added until the file can be read. Give your user the right to read and write it, or move it out of the Task folder, and start the program again.</source>
        <translation>无法读取任务列表 %1，因此无法显示任何任务。程序不会改动该文件，并以空的任务列表启动：该文件可以读取之前无法添加任务。请给当前用户读写该文件的权限，或将其移出 Task 文件夹，然后重新启动程序。</translation>
    </message>
    <message>
        <source>The device file %1 belongs to no task of the task list, so its devices are not shown. The program leaves the file as it is, and no task can take its name until it is moved out of the Task folder.</source>
        <translation>设备文件 %1 不属于任务列表中的任何任务，因此不显示其中的设备。程序保留该文件原样；在把它移出 Task 文件夹之前，任何任务都不能使用这个名称。</translation>
    </message>
    <message>
        <source>The file %1 is named as earlier versions of the program named the temporary file of a save, so it may be left over from a save that was cut off, or be a copy of yours. The program leaves it as it is and never reads it. Move it out of the Task folder if you do not need it.</source>
        <translation>文件 %1 的名称与本程序早期版本保存时所用的临时文件名称相同，它可能是某次中断的保存留下的，也可能是您自己的副本。程序保留该文件原样，也从不读取它。如果不需要它，请将其移出 Task 文件夹。</translation>
    </message>
    <message>
        <source>It runs on the computer %1, which uses the same program folder: close it there. If that computer was switched off or lost its connection, the folder is free again %2 minutes later.</source>
        <translation>它在计算机 %1 上运行，那台计算机使用同一个程序文件夹：请在那里关闭它。如果那台计算机已关机或断开了连接，该文件夹在 %2 分钟后重新可用。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>以及另外 %1 个</translation>
    </message>
    <message>
        <source>The device files below, in the task folder %1, belong to no task of the task list, so their devices are not shown. The program leaves them as they are, and no task can take the name of one of them until that file is moved out of the Task folder.

%2</source>
        <translation>任务文件夹 %1 中的下列设备文件不属于任务列表中的任何任务，因此不显示其中的设备。程序保留这些文件原样；在把某个文件移出 Task 文件夹之前，任何任务都不能使用它的名称。

%2</translation>
    </message>
    <message>
        <source>The files below, in the task folder %1, are named as earlier versions of the program named the temporary file of a save, so each may be left over from a save that was cut off, or be a copy of yours. The program leaves them as they are and never reads them. Move them out of the Task folder if you do not need them.

%2</source>
        <translation>任务文件夹 %1 中的下列文件的名称与本程序早期版本保存时所用的临时文件名称相同，它们可能是某次中断的保存留下的，也可能是您自己的副本。程序保留这些文件原样，也从不读取它们。如果不需要它们，请将其移出 Task 文件夹。

%2</translation>
    </message>
    <message>
        <source>The file %1 records a rename or a deletion of a task that was cut off, and the program could not finish or undo it: the record is damaged, the task list cannot be read, or a file it names cannot be changed. The program leaves the record and the device files as they are, and no task can be renamed or deleted while the record is there. Check the device files of the tasks it names, then move it out of the Task folder.</source>
        <translation>文件 %1 记录了一次被中断的任务重命名或删除，程序未能完成或撤销它：该记录已损坏、任务列表无法读取，或其中所列的某个文件无法更改。程序保留该记录和设备文件原样；在该记录存在期间，任何任务都不能重命名或删除。请检查其中所列任务的设备文件，然后将它移出 Task 文件夹。</translation>
    </message>
</context>
<context>
    <name>kiv::Varnel</name>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Sure to close software</source>
        <translation>确定要关闭软件吗？</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Can not find Manual.</source>
        <translation>找不到用户手册。</translation>
    </message>
</context>
<context>
    <name>kivui::SystemMenu</name>
    <message>
        <source>User Manual</source>
        <translation>用户手册</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Can not find Manual.</source>
        <translation>找不到用户手册。</translation>
    </message>
</context>
<context>
    <name>kivui::TimeUnitButton</name>
    <message>
        <source>D</source>
        <translation>天</translation>
    </message>
    <message>
        <source>W</source>
        <translation>周</translation>
    </message>
    <message>
        <source>M</source>
        <translation>月</translation>
    </message>
</context>
<context>
    <name>kivui::WindowTitle</name>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
</context>
</TS>
