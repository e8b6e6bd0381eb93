<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>PathWidget</name>
    <message>
        <source>File Name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Please select file path:</source>
        <translation>请选择文件路径：</translation>
    </message>
    <message>
        <source>PathWidget</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>ReportWidget</name>
    <message>
        <source>Save as PDF</source>
        <translation>保存为PDF</translation>
    </message>
    <message>
        <source>Save as Excel</source>
        <translation>保存为Excel</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>kiv::PathWidget</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>The name is invalid</source>
        <translation>名称无效</translation>
    </message>
    <message>
        <source>The name contains illegal character</source>
        <translation>名称包含非法字符</translation>
    </message>
    <message>
        <source>The folder does not exist</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>The folder cannot be written to</source>
        <translation>文件夹不可写入</translation>
    </message>
</context>
<context>
    <name>kiv::ReportWidget</name>
    <message>
        <source>Output Report</source>
        <translation>输出报告</translation>
    </message>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
    <message>
        <source>Solution Report</source>
        <translation>方案报告</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Ingredient List</source>
        <translation>物料清单</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>设备型号</translation>
    </message>
    <message>
        <source>Device Number</source>
        <translation>设备数量</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>配件</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Least Config</source>
        <translation>最低配置</translation>
    </message>
    <message>
        <source>Recommend Config</source>
        <translation>推荐配置</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The file name has been used; replace it?</source>
        <translation>文件名已被使用，是否替换？</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Saving failed.</source>
        <translation>保存失败。</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>保存成功。</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>打印失败。</translation>
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
        <source>HDD Capacity</source>
        <translation>硬盘容量</translation>
    </message>
    <message>
        <source>: </source>
        <translation>：</translation>
    </message>
    <message>
        <source>HDD number</source>
        <translation>硬盘数量</translation>
    </message>
    <message>
        <source>RAID Type</source>
        <translation>RAID类型</translation>
    </message>
    <message>
        <source>RAID number</source>
        <translation>RAID数量</translation>
    </message>
    <message>
        <source>Stream Media Server Number</source>
        <translation>流媒体服务器数量</translation>
    </message>
    <message>
        <source>Calculation result</source>
        <translation>计算结果</translation>
    </message>
    <message>
        <source>Calculation Report</source>
        <translation>计算报告</translation>
    </message>
    <message>
        <source>Storage result:</source>
        <translation>存储结果：</translation>
    </message>
    <message>
        <source>Bandwidth:</source>
        <translation>带宽：</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总带宽</translation>
    </message>
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
        <source>Stream Media Server:</source>
        <translation>流媒体服务器：</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>客户端：</translation>
    </message>
    <message>
        <source>Config Report</source>
        <translation>配置报告</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>服务器：</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>内存</translation>
    </message>
    <message>
        <source>Graphic Card</source>
        <translation>显卡</translation>
    </message>
    <message>
        <source>resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Network Adapter: 100Mbit NIC</source>
        <translation>网卡：百兆网卡</translation>
    </message>
    <message>
        <source> or above</source>
        <translation>及以上</translation>
    </message>
    <message>
        <source>or above</source>
        <translation>及以上</translation>
    </message>
    <message>
        <source>resolution or higher</source>
        <translation>及以上分辨率</translation>
    </message>
    <message>
        <source>Network Adapter: 1000Mbit NIC</source>
        <translation>网卡：千兆网卡</translation>
    </message>
    <message>
        <source>The least config of client</source>
        <translation>客户端最低配置</translation>
    </message>
    <message>
        <source>The recommend config of client</source>
        <translation>客户端推荐配置</translation>
    </message>
    <message>
        <source>The least config of server</source>
        <translation>服务器最低配置</translation>
    </message>
    <message>
        <source>The recommend config of server</source>
        <translation>服务器推荐配置</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>打印机报告了错误。</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>文件夹不存在。</translation>
    </message>
    <message>
        <source>The folder cannot be written to.</source>
        <translation>文件夹不可写入。</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>磁盘已满。</translation>
    </message>
    <message>
        <source>A folder of that name already exists.</source>
        <translation>已存在同名文件夹。</translation>
    </message>
    <message>
        <source>The file is held by another program.</source>
        <translation>文件正被其他程序占用。</translation>
    </message>
    <message>
        <source>The task&apos;s devices could not be read.</source>
        <translation>无法读取任务的设备。</translation>
    </message>
    <message>
        <source>A text is too long for a workbook cell.</source>
        <translation>文本过长，工作簿单元格无法容纳。</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>无法写入文件。</translation>
    </message>
</context>
</TS>
