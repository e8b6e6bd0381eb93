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
