#include "JobFigures.h"

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

JobTexts english()
{
    JobTexts t;
    t.depot = QStringLiteral("Harbour Depot");
    t.depotDescription = QStringLiteral("Two gates and the yard");
    t.remarks = QStringList{QStringLiteral("Gate"), QStringLiteral("Hall"), QStringLiteral("Yard"),
                            QStringLiteral("Office")};
    t.outlet = QStringLiteral("High Street Shop");
    t.solutionType = QStringLiteral("HD Network Solution");
    t.industry = QStringLiteral("Retail");
    // An industry chosen from the list shows its scenes by name.
    t.scenes = QStringList{QStringLiteral("Checkout Counter"), QStringLiteral("Store Entrance"),
                           QStringLiteral("Warehouse")};
    t.droppedScene = QStringLiteral("Checkout Counter");
    t.editedScene = QStringLiteral("Warehouse");
    // The ticked scenes by name, each scene's models by name; a device from
    // a solution has bit rates of 1024 Kbps and its scene as its remark.
    t.outletDevices = QStringList{QStringLiteral("KC-B21|Store Entrance|IPC|1|1024|1024"),
                                  QStringLiteral("KC-D41|Store Entrance|IPC|2|1024|1024"),
                                  QStringLiteral("KC-B21|Warehouse|IPC|9|1024|1024"),
                                  QStringLiteral("KS-P220|Warehouse|Dome|1|1024|1024")};
    t.brackets = QStringList{QStringLiteral("Wall Mount Bracket KA-W10"),
                             QStringLiteral("Pole Mount Adapter KA-P10"),
                             QStringLiteral("Corner Mount Adapter KA-N10")};
    t.shield = QStringLiteral("Sun Shield KA-S10");
    t.ipc = QStringLiteral("IPC");
    t.dome = QStringLiteral("Dome");
    t.dvr = QStringLiteral("DVR");
    t.nvr = QStringLiteral("NVR");
    t.cvr = QStringLiteral("CVR");
    t.raid = QStringLiteral("raid");
    t.common = QStringLiteral("Common");
    t.saved = QStringLiteral("Hint|Saved.");
    t.exitQuestion = QStringLiteral("Exit|Sure to close software");
    t.dateLabel = QStringLiteral("Date");
    return t;
}

JobTexts chinese()
{
    JobTexts t;
    t.depot = u8("港口仓库");
    t.depotDescription = u8("两个大门和堆场");
    t.remarks = QStringList{u8("大门"), u8("大厅"), u8("堆场"), u8("办公室")};
    t.outlet = u8("街角商店");
    t.solutionType = u8("高清网络方案");
    t.industry = u8("零售");
    // By name is by code point: 仓 U+4ED3, 店 U+5E97, 收 U+6536.
    t.scenes = QStringList{u8("仓库"), u8("店铺入口"), u8("收银台")};
    t.droppedScene = u8("收银台");
    t.editedScene = u8("仓库");
    t.outletDevices = QStringList{
        u8("KC-B21|仓库|网络摄像机|9|1024|1024"), u8("KS-P220|仓库|球机|1|1024|1024"),
        u8("KC-B21|店铺入口|网络摄像机|1|1024|1024"), u8("KC-D41|店铺入口|网络摄像机|2|1024|1024")};
    t.brackets = QStringList{u8("壁装支架 KA-W10"), u8("抱杆支架 KA-P10"), u8("角装支架 KA-N10")};
    t.shield = u8("遮阳罩 KA-S10");
    t.ipc = u8("网络摄像机");
    t.dome = u8("球机");
    t.dvr = u8("硬盘录像机");
    t.nvr = u8("网络硬盘录像机");
    t.cvr = u8("CVR存储");
    t.raid = QStringLiteral("RAID");
    t.common = u8("普通");
    t.saved = u8("提示|保存成功。");
    t.exitQuestion = u8("退出|确定要关闭软件吗？");
    t.dateLabel = u8("日期");
    return t;
}

} // namespace

JobTexts jobTexts(int language)
{
    return language == 1 ? chinese() : english();
}

QVector<PickedDevice> pickedDevices()
{
    const auto names = [](std::initializer_list<const char *> list) {
        QStringList out;
        for (const char *name : list)
            out << QLatin1String(name);
        return out;
    };
    return {
        // Bullet form factor.
        {0, "020101", names({"KC-B21", "KC-B21Z", "KC-B41"}), QStringLiteral("B41"),
         QStringLiteral("KC-B41"), 4, 4096, 1024},
        // Dome form factor.
        {0, "020102", names({"KC-D21", "KC-D41"}), QStringLiteral("D21"), QStringLiteral("KC-D21"),
         8, 2048, 512},
        // 30x optical zoom.
        {1, "020202", names({"KS-P230", "KS-P430"}), QStringLiteral("P230"),
         QStringLiteral("KS-P230"), 2, 2048, 1024},
        // Eight analog video inputs.
        {2, "020102", names({"KD-08", "KH-08"}), QStringLiteral("KD"), QStringLiteral("KD-08"), 1,
         0, 0},
    };
}

namespace figures {

QStringList depotDevices(const JobTexts &t)
{
    return {QStringLiteral("KC-B41|%1|%2|4|4096|1024").arg(t.remarks[0], t.ipc),
            QStringLiteral("KC-D21|%1|%2|300|2048|512").arg(t.remarks[1], t.ipc),
            QStringLiteral("KS-P230|%1|%2|2|2048|1024").arg(t.remarks[2], t.dome),
            QStringLiteral("KD-08|%1|%2|1||").arg(t.remarks[3], t.dvr)};
}

// Bit rates of a PAL task (25 frames a second at full rate). A camera's
// rate is fps x R / 25 of its resolution's rate R: 2560x1920 has R = 12288,
// so 15 fps give 7372.8, stored as 7372; 1280x720 has R = 3072 and keeps it
// at 25 fps. A DVR's is R / 5 + fps x 4 x R / 125, which is R itself at
// 25 fps: 1920x1080 has the DVR rate 4096.
QStringList gateStreams()
{
    return {QStringLiteral("101|1|2560x1920|15|7372"), QStringLiteral("110|1|1280x720|25|3072")};
}

QStringList yardStreams()
{
    return {QStringLiteral("111|1|1280x720|25|3072")};
}

QStringList officeStreams()
{
    return {QStringLiteral("111|1|2CIF|25|1024")};
}

QString allDay()
{
    return QString(24, QLatin1Char('1')) + QStringLiteral("|100%");
}

// Six event hours at 50% count 3 hours, the other 18 are recorded whole:
// the gate cameras and the yard's domes record 21 hours a day, the office's
// DVR 24.
QString eventMornings()
{
    return QStringLiteral("222222") + QString(18, QLatin1Char('1')) + QStringLiteral("|50%");
}

QString gateAccessories(const JobTexts &t)
{
    return QStringLiteral("KL-0600 X4|%1 X4|%2 X4").arg(t.brackets.value(0), t.shield);
}

QString nvrChoices(const JobTexts &t)
{
    return QStringLiteral("%1|KN-16|4|2T|30|D|%2").arg(t.nvr, t.common);
}

// The NVR path, 30 days. The recording streams (the record flag set) are
// the gate's second stream and the dome's, 3072 Kbps for 21 x 30 = 630
// hours each, and the DVR's, 1024 Kbps for 24 x 30 = 720 hours:
//   Kbps x hours = 2 x 3072 x 630 + 1024 x 720 = 4608000
//   GB = 4608000 x 3600 / 8000000 x 1.024 / 0.997 = 2123.3664 / 0.997
//      = 2129.7557, shown in G with two decimals since it is below 10 TB.
// Disks of 2000 GB, 8% kept free, each 2000 / 1.024^3 = 1862.645 GiB:
//   2.1297557 / 0.92 / 1862.645 x 1024 = 1.2727, + 1 and cut: 2 disks.
// KN-16 takes 16 channels and 128 x 1024 = 131072 Kbps. Cameras by falling
// rate (main + sub stream): 4 x 5120, 2 x 3072, 300 x 2560; the DVR takes
// none. NVR 1 gets the 4 (110592 Kbps and 12 channels left), then the 2
// (104448 Kbps, 10 channels), then 10 of the 300, which fill its channels.
// The other 290 fit 16 to an NVR (131072 / 2560 = 51 by bandwidth):
// 18 full NVRs and one more for 2: 1 + 19 = 20 NVRs. Without RAID groups or
// hot spares the disks stay the 2 data disks.
QString nvrStorage()
{
    return QStringLiteral("20|2129.76G|2");
}

QString cvrChoices(const JobTexts &t)
{
    return QStringLiteral("%1|KV-24|24|1T|12|M|%2|RAID5|2|1").arg(t.cvr, t.raid);
}

// The CVR path, 12 months of 30 days. Each recording stream counts its rate
// in Mbps, 3072 / 1024 = 3 and 1024 / 1024 = 1, over its hours:
//   TB = (3 x 21 x 360 x 2 + 1 x 24 x 360) x 3600 / 8388608
//      = 54000 x 3600 / 8388608 = 23.174286, shown with six digits.
// Disks of 1000 GB (931.3226 GiB), 5% kept free:
//   23.174286 / 0.95 / 931.3226 x 1024 = 26.8215, + 1 and cut: 27 data disks.
// RAID 5 on 24 bays with 2 groups and 1 hot spare leaves 24 - 2 - 1 = 21
// bays for data: 27 / 21 needs 2 CVRs, holding 27 + 2 x (2 + 1) = 33 disks.
QString cvrStorage()
{
    return QStringLiteral("2|23.1743T|33");
}

// Bandwidth: each list's Kbps over 0.7, up to a whole Kbps, then in tenths
// of a Mbps, rounded up.
//   preview:      7372 + 3072 + 3072 + 1024 = 14540; / 0.7 = 20771.4 -> 20772;
//                 / 1024 = 20.285 -> 20.3 Mbps
//   record:       3072 + 3072 + 1024 = 7168; / 0.7 = 10240; / 1024 = 10.0 Mbps
//   transmission: 7372 + 3072 + 1024 = 11468; / 0.7 = 16382.9 -> 16383;
//                 / 1024 = 15.999 -> 16.0 Mbps
//   total:        every stream, as the preview list: 20.3 Mbps
QString bandwidth()
{
    return QStringLiteral("20.30Mbps|10.00Mbps|16.00Mbps|20.30Mbps");
}

// Stream servers: 14540 Kbps of all streams / 131072 = 0.11, so 1 server.
QString streamServers()
{
    return QStringLiteral("1");
}

// Clients: 4 + 300 + 2 + 1 = 307 devices need 307 / 256 -> 2; the 4 streams
// need 4 / 1024 -> 1; the larger of the two.
QString clients()
{
    return QStringLiteral("2");
}

// The report shows the stored results: storage as last calculated, on the
// CVR path (2 CVRs, 33 disks, RAID 5 in 2 groups), the four bandwidths, and
// in Chinese 1 stream server and 2 clients of the first client software.
QStringList reportResults(int language)
{
    if (language == 1) {
        return {u8("计算报告"),
                u8("存储结果："),
                u8("CVR存储: KV-24, 数量: 2"),
                u8("硬盘容量：1T, 硬盘数量: 33"),
                u8("RAID类型：RAID5, RAID数量: 2"),
                u8("带宽："),
                u8("总带宽: 20.30Mbps, 预览: 20.30Mbps, 录像: 10.00Mbps, 转发: 16.00Mbps"),
                u8("流媒体服务器："),
                u8("流媒体服务器数量: 1"),
                u8("客户端："),
                u8("Torvel 数量: 2")};
    }
    return {
        QStringLiteral("Calculation Report"),
        QStringLiteral("Storage result:"),
        QStringLiteral("CVR: KV-24, Number: 2"),
        QStringLiteral("HDD Capacity: 1T, HDD number: 33"),
        QStringLiteral("RAID Type: RAID5, RAID number: 2"),
        QStringLiteral("Bandwidth:"),
        QStringLiteral(
            "Total: 20.30Mbps, Preview: 20.30Mbps, Record: 10.00Mbps, Transmission: 16.00Mbps")};
}

namespace {

// The suggested configuration of a client or a server, as the Chinese
// report lists it: the least one, then the recommended one.
QStringList configurationLines()
{
    return {u8("最低配置"),
            u8("推荐配置"),
            u8("CPU: Intel Pentium4 3.0 @3.00GHz"),
            u8("内存: 1 GB"),
            u8("显卡: RADEON X700 Series, 1280*1024 分辨率"),
            u8("网卡：百兆网卡"),
            u8("CPU: Intel Core i7及以上"),
            u8("内存: 4 GB"),
            u8("显卡: 1 GB及以上, 1280*1024 及以上分辨率"),
            u8("网卡：千兆网卡")};
}

} // namespace

QStringList reportLines(int language)
{
    const JobTexts t = jobTexts(language);
    QStringList lines;
    if (language == 1) {
        lines << u8("Varnel") << u8("方案报告") << u8("任务:") + t.depot << u8("物料清单")
              << u8("设备型号") << u8("设备数量") << u8("配件") << u8("设备型号") << u8("数量");
    } else {
        lines << QStringLiteral("Varnel") << QStringLiteral("Solution Report")
              << QStringLiteral("Task:") + t.depot << QStringLiteral("Ingredient List")
              << QStringLiteral("Device Type") << QStringLiteral("Device Number")
              << QStringLiteral("Ingredient") << QStringLiteral("Device Type")
              << QStringLiteral("Number");
    }
    lines << QStringLiteral("KC-B41") << QStringLiteral("4") << QStringLiteral("KL-0600")
          << QStringLiteral("4") << t.brackets.value(0) << QStringLiteral("4") << t.shield
          << QStringLiteral("4") << QStringLiteral("KC-D21") << QStringLiteral("300")
          << QStringLiteral("KS-P230") << QStringLiteral("2") << QStringLiteral("KD-08")
          << QStringLiteral("1");
    if (language == 1) {
        lines << u8("配置报告") << u8("客户端：") << configurationLines() << u8("服务器：")
              << configurationLines();
    }
    return lines + reportResults(language);
}

QStringList workbookRows(int language)
{
    const JobTexts t = jobTexts(language);
    const QString ingredient =
        QStringLiteral("KL-0600 x 4\n%1 x 4\n%2 x 4\n").arg(t.brackets.value(0), t.shield);
    // The results row holds the results text in its first cell.
    const QString results =
        language == 1
            ? u8("计算报告\n存储结果：\nCVR存储: KV-24, 数量: 2\n硬盘容量：1T, 硬盘数量: 33\n"
                 "RAID类型：RAID5, RAID数量: 2\n带宽：\n总带宽: 20.30Mbps\n"
                 "预览: 20.30Mbps,  录像: 10.00Mbps,  转发: 16.00Mbps\n流媒体服务器：\n"
                 "流媒体服务器数量: 1\n客户端：\nTorvel 数量: 2\n")
            : QStringLiteral("Calculation Report\nStorage result:\nCVR: KV-24, Number: 2\n"
                             "HDD Capacity: 1T, HDD number: 33\nRAID Type: RAID5, RAID number: 2\n"
                             "Bandwidth:\nTotal: 20.30Mbps\n"
                             "Preview: 20.30Mbps,  Record: 10.00Mbps,  Transmission: 16.00Mbps\n");
    QStringList rows{QStringLiteral("Device Type|Device Count|Ingredient"),
                     QStringLiteral("KC-B41|#4|") + ingredient,
                     QStringLiteral("KC-D21|#300|"),
                     QStringLiteral("KS-P230|#2|"),
                     QStringLiteral("KD-08|#1|"),
                     results + QStringLiteral("||")};
    if (language == 1) {
        const QString least = u8(":\nCPU: Intel Pentium4 3.0 @3.00GHz\n内存: 1 GB\n"
                                 "显卡: RADEON X700 Series, 1280*1024 分辨率\n网卡：百兆网卡");
        const QString recommended = u8(":\nCPU: Intel Core i7及以上\n内存: 4 GB\n"
                                       "显卡: 1 GB及以上, 1280*1024 及以上分辨率\n网卡：千兆网卡");
        rows << u8("客户端最低配置") + least + u8("|客户端推荐配置") + recommended + u8("|")
             << u8("服务器最低配置") + least + u8("|服务器推荐配置") + recommended + u8("|");
    }
    return rows;
}

} // namespace figures
