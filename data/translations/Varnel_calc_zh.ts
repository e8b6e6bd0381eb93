<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BandwidthCalulatorWidgetUI</name>
    <message>
        <source>BandwidthCalulatorWidget</source>
        <translation>带宽计算</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
</context>
<context>
    <name>CalculateManagerWidgetUI</name>
    <message>
        <source>CalculateManagerWidget</source>
        <translation>计算面板</translation>
    </message>
</context>
<context>
    <name>ClientCalculatorWidgetUI</name>
    <message>
        <source>ClientCalculatorWidget</source>
        <translation>客户端计算</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>客户端：</translation>
    </message>
    <message>
        <source>Client Count</source>
        <translation>客户端数量</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
</context>
<context>
    <name>StorageCalculatorWidgetUI</name>
    <message>
        <source>StorageCalculatorWidget</source>
        <translation>存储计算</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>类别：</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>HDD Bay:</source>
        <translation>盘位：</translation>
    </message>
    <message>
        <source>HDD Capcity</source>
        <translation>硬盘容量</translation>
    </message>
    <message>
        <source>Recoding Time:</source>
        <translation>录像时间：</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>HDD Type</source>
        <translation>硬盘类型</translation>
    </message>
    <message>
        <source>RAID Type:</source>
        <translation>RAID类型：</translation>
    </message>
    <message>
        <source>RAID1 Count</source>
        <translation>RAID1个数</translation>
    </message>
    <message>
        <source>RAID5 Count</source>
        <translation>RAID5个数</translation>
    </message>
    <message>
        <source>RAID Group</source>
        <translation>RAID组数</translation>
    </message>
    <message>
        <source>Hot spare</source>
        <translation>热备盘</translation>
    </message>
</context>
<context>
    <name>StreamServerCalulatorWidgetUI</name>
    <message>
        <source>StreamServerCalulatorWidget</source>
        <translation>流媒体服务器计算</translation>
    </message>
    <message>
        <source>Stream Server Count</source>
        <translation>流媒体服务器数量</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
</context>
<context>
    <name>kiv::BandwidthCalModel</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>录像</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>转发</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总计</translation>
    </message>
</context>
<context>
    <name>kiv::BandwidthCalulatorWidget</name>
    <message>
        <source>Choose a task first: the bandwidth is calculated for the current task.</source>
        <translation>请先选择任务：带宽按当前任务计算。</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Failed.</source>
        <translation>失败。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The bandwidth of this task cannot be calculated. Check the bit rates and stream counts of its streams.</source>
        <translation>无法计算该任务的带宽。请检查其码流的码率和路数。</translation>
    </message>
</context>
<context>
    <name>kiv::CalculateManagerWidget</name>
    <message>
        <source>Storage</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>Stream Server</source>
        <translation>流媒体服务器</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>客户端</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The stored results of this task could not be cleared, so the report may still show figures of the devices before this change.</source>
        <translation>无法清除此任务已保存的计算结果，报表可能仍显示更改前设备的数据。</translation>
    </message>
</context>
<context>
    <name>kiv::CalculatorFlow</name>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The devices of this task cannot be read.</source>
        <translation>无法读取该任务的设备。</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>The result could not be stored in the task list.</source>
        <translation>结果无法保存到任务列表。</translation>
    </message>
</context>
<context>
    <name>kiv::ClientCalculatorWidget</name>
    <message>
        <source>Choose a task first: the clients are counted for the current task.</source>
        <translation>请先选择任务：客户端按当前任务计算。</translation>
    </message>
    <message>
        <source>The clients of this task cannot be counted. Check the device counts and stream counts.</source>
        <translation>无法计算该任务的客户端数量。请检查设备数量和码流路数。</translation>
    </message>
</context>
<context>
    <name>kiv::StorageCalculatorWidget</name>
    <message>
        <source>Choose a task first: the storage is calculated for the current task.</source>
        <translation>请先选择任务：存储按当前任务计算。</translation>
    </message>
    <message>
        <source>The time is invalid</source>
        <translation>时间无效</translation>
    </message>
    <message>
        <source>At least two hot spare disks should be set if three or more RAID groups are configured.</source>
        <translation>配置三个及以上RAID组时，至少应设置两块热备盘。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Calculation...</source>
        <translation>正在计算...</translation>
    </message>
    <message>
        <source>The sum of IPC number can not be bigger than 1000000</source>
        <translation>网络摄像机总数不能大于1000000</translation>
    </message>
    <message>
        <source>The Bit Rate of IPC Typeis bigger than NVR Bandwidth</source>
        <translation>网络摄像机的码率大于网络硬盘录像机的带宽</translation>
    </message>
    <message>
        <source>No this type</source>
        <translation>没有该型号</translation>
    </message>
    <message>
        <source>The configured parameters of RAID Number and Hot Spare are not supported by the NVR/CVR. Please edit them.</source>
        <translation>网络硬盘录像机/CVR不支持所配置的RAID组数和热备盘数，请修改。</translation>
    </message>
    <message>
        <source>The number of HDD bays of this model is not known, so the devices it needs cannot be counted.</source>
        <translation>该型号的盘位数未知，无法计算所需设备数。</translation>
    </message>
    <message>
        <source>The storage of this task is too large to be calculated. Check the bit rates and stream counts of its streams.</source>
        <translation>该任务的存储量过大，无法计算。请检查其码流的码率和路数。</translation>
    </message>
    <message>
        <source>Torvel Stroage Server</source>
        <translation>Torvel 存储服务器</translation>
    </message>
    <message>
        <source>Delvar Stroage Server</source>
        <translation>Delvar 存储服务器</translation>
    </message>
    <message>
        <source>NVR</source>
        <translation>网络硬盘录像机</translation>
    </message>
    <message>
        <source>CVR</source>
        <translation>CVR存储</translation>
    </message>
    <message>
        <source>Storage Server</source>
        <translation>存储服务器</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>raid</source>
        <translation>RAID</translation>
    </message>
    <message>
        <source>Device Count</source>
        <translation>设备数</translation>
    </message>
    <message>
        <source>Disk Capacity</source>
        <translation>存储容量</translation>
    </message>
    <message>
        <source>Disk Count</source>
        <translation>硬盘数</translation>
    </message>
</context>
<context>
    <name>kiv::StreamServerCalulatorWidget</name>
    <message>
        <source>Choose a task first: the stream servers are counted for the current task.</source>
        <translation>请先选择任务：流媒体服务器按当前任务计算。</translation>
    </message>
    <message>
        <source>The stream servers of this task cannot be counted. Check the bit rates and stream counts of its streams.</source>
        <translation>无法计算该任务的流媒体服务器数量。请检查其码流的码率和路数。</translation>
    </message>
</context>
</TS>
