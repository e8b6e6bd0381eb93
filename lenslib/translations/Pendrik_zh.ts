<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CDlgAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
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
        <translation>关于</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Pendrik</source>
        <translation>Pendrik 镜头计算器</translation>
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
    <name>CHorizontalSimulate</name>
    <message>
        <source>label:m</source>
        <translation>单位：米</translation>
    </message>
</context>
<context>
    <name>CKavrinApplication</name>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Software is already running.</source>
        <translation>软件已经在运行。</translation>
    </message>
    <message>
        <source>The least resolution is 1024*768.</source>
        <translation>屏幕分辨率至少应为 1024*768。</translation>
    </message>
</context>
<context>
    <name>CPendrikMainWnd</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Can not find Manual.</source>
        <translation>找不到用户手册。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Sure to close software</source>
        <translation>确定要关闭软件吗？</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged or is not a settings file of this program, so its settings are not used: the lens calculator starts in English with its default settings. The file is left as it is. Mend it, or move it away, and start the lens calculator again.</source>
        <translation>设置文件 %1 已损坏或不是本程序的设置文件，因此不使用其中的设置：镜头计算器以英文界面和默认设置启动。该文件保持不变。请修复该文件或将其移走，然后重新启动镜头计算器。</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be opened for reading, so its settings are not used: the lens calculator starts in English with its default settings. Make the file readable, or move it away, and start the lens calculator again.</source>
        <translation>无法读取设置文件 %1，因此不使用其中的设置：镜头计算器以英文界面和默认设置启动。请使该文件可读或将其移走，然后重新启动镜头计算器。</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>CPendrikMainWndClass</name>
    <message>
        <source>Pendrik</source>
        <translation>Pendrik 镜头计算器</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>CPendrikWindow</name>
    <message>
        <source> Interface</source>
        <translation> 接口</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>模拟</translation>
    </message>
    <message>
        <source>Focal distance should larger than 4mm.</source>
        <translation>焦距应大于 4 毫米。</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>IPC Model: </source>
        <translation>摄像机型号：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Object Distance:</source>
        <translation>目标距离：</translation>
    </message>
    <message>
        <source>m</source>
        <translation>米</translation>
    </message>
    <message>
        <source>Object Width:   </source>
        <translation>目标宽度：</translation>
    </message>
    <message>
        <source>recommand</source>
        <translation>推荐焦距</translation>
    </message>
    <message>
        <source>Focus:</source>
        <translation>焦距：</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>Recommended Lens Model</source>
        <translation>推荐镜头型号</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>数量：</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>Nearby:</source>
        <translation>近处：</translation>
    </message>
    <message>
        <source>Distant:</source>
        <translation>远处：</translation>
    </message>
    <message>
        <source>Camera Bracket:</source>
        <translation>摄像机支架：</translation>
    </message>
    <message>
        <source>Lens Simulation</source>
        <translation>镜头模拟</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>The camera catalogue %1 is missing, so there is no camera to choose and nothing is calculated.</source>
        <translation>摄像机目录 %1 缺失，因此没有可选的摄像机，也不进行任何计算。</translation>
    </message>
    <message>
        <source>The camera catalogue %1 is damaged or is not a camera catalogue, so there is no camera to choose and nothing is calculated.</source>
        <translation>摄像机目录 %1 已损坏或不是摄像机目录，因此没有可选的摄像机，也不进行任何计算。</translation>
    </message>
    <message>
        <source>The lens catalogue %1 is missing, so no lens can be recommended.</source>
        <translation>镜头目录 %1 缺失，因此无法推荐镜头。</translation>
    </message>
    <message>
        <source>The lens catalogue %1 is damaged or is not a lens catalogue, so no lens can be recommended.</source>
        <translation>镜头目录 %1 已损坏或不是镜头目录，因此无法推荐镜头。</translation>
    </message>
    <message>
        <source>Nothing is written to the catalogues. Install the program again, or put good copies of the catalogues in their place, and open the lens calculator again.</source>
        <translation>目录文件不会被改动。请重新安装程序，或用完好的目录文件替换，然后重新打开镜头计算器。</translation>
    </message>
</context>
<context>
    <name>CVerticalSimulate</name>
    <message>
        <source>label:m</source>
        <translation>单位：米</translation>
    </message>
    <message>
        <source>Y Length:</source>
        <translation>Y 长度：</translation>
    </message>
    <message>
        <source>X Length:</source>
        <translation>X 长度：</translation>
    </message>
    <message>
        <source>The beginning of the detection area is located behind the camera,
Please change the camera angle!</source>
        <translation>检测区域的起点位于摄像机之后，
请调整摄像机角度！</translation>
    </message>
    <message>
        <source>The beginning of the detection area is located behind the object,
Please change the camera angle!</source>
        <translation>检测区域的起点位于目标之后，
请调整摄像机角度！</translation>
    </message>
    <message>
        <source>m</source>
        <translation>米</translation>
    </message>
</context>
<context>
    <name>CWindowTitle</name>
    <message>
        <source>Pendrik</source>
        <translation>Pendrik 镜头计算器</translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Can not find Manual.</source>
        <translation>找不到用户手册。</translation>
    </message>
</context>
</TS>
