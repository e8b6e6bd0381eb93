#include "TaskListFile.h"

#include "TaskDeviceFile.h"
#include "TaskName.h"

#include <TargetPath.h>

#include <QFile>

namespace {

const QString kRoot = QStringLiteral("TaskInfoList");
const QString kTask = QStringLiteral("Task");
const QString kName = QStringLiteral("Name");
const QString kType = QStringLiteral("Type");
const QString kVideoStandard = QStringLiteral("VideoStandard");
const QString kRemark = QStringLiteral("Remark");

const QString kStorageBlock = QStringLiteral("StorageResult");
const QString kBandWidthBlock = QStringLiteral("BandWidthResult");
const QString kStreamServerBlock = QStringLiteral("StreamServerResult");
const QString kClientBlock = QStringLiteral("ClientResult");

const QStringList kStorageTags = {
    QStringLiteral("StorageEnable"),   QStringLiteral("MainType"),    QStringLiteral("DevType"),
    QStringLiteral("HDDBay"),          QStringLiteral("HDDCap"),      QStringLiteral("TimeType"),
    QStringLiteral("RecordTime"),      QStringLiteral("HDDModel"),    QStringLiteral("RAIDType"),
    QStringLiteral("RAID1Number"),     QStringLiteral("RAID5Number"), QStringLiteral("RAIDNumber"),
    QStringLiteral("HotSpare"),        QStringLiteral("DevNumber"),   QStringLiteral("HDDNumber"),
    QStringLiteral("CommonHDDNumber"), QStringLiteral("TotalCap")};
const QStringList kBandWidthTags = {QStringLiteral("BandWidthEnable"), QStringLiteral("PreView"),
                                    QStringLiteral("Record"), QStringLiteral("Transmission"),
                                    QStringLiteral("Total")};
const QStringList kStreamServerTags = {QStringLiteral("StreamServerEnable"),
                                       QStringLiteral("StreamServerNumber"),
                                       QStringLiteral("StreamServer")};
const QStringList kClientTags = {QStringLiteral("ClientEnable"), QStringLiteral("ClientNumber"),
                                 QStringLiteral("Client")};

int toInt(const QString &text)
{
    return text.toInt(nullptr, 10);
}

// The task's video standard as the program uses it: 0 PAL, 1 NTSC. Any
// stored value but 0 (a hand-edited 2, say) stands for NTSC; the file keeps
// what it holds until the task is written again.
int videoStandardOf(const XmlNode &task)
{
    return toInt(task.childByName(kVideoStandard).text()) == 0 ? 0 : 1;
}

TaskInfo taskOf(const XmlNode &task)
{
    TaskInfo info;
    info.name = task.childByName(kName).text();
    info.type = toInt(task.childByName(kType).text());
    info.videoStandard = videoStandardOf(task);
    info.remark = task.childByName(kRemark).text();
    return info;
}

QString num(int value)
{
    return QString::number(value);
}

template <typename... Texts>
QVector<QPair<QString, QString>> zip(const QStringList &tags, const Texts &...texts)
{
    const QStringList values = {texts...};
    QVector<QPair<QString, QString>> out;
    for (int i = 0; i < tags.size(); ++i)
        out.append({tags.at(i), values.at(i)});
    return out;
}

} // namespace

TaskListFile::TaskListFile() : XmlDataFile(filePath(), kRoot)
{
}

QString TaskListFile::filePath()
{
    return KavrinGUIToolkit::GetTargetPath() + QStringLiteral("Task/Task.xml");
}

XmlNode TaskListFile::firstTask(const QString &name) const
{
    const int n = root().childCount();
    for (int i = 0; i < n; ++i) {
        const XmlNode t = root().childAt(i);
        if (t.childByName(kName).text() == name)
            return t;
    }
    return XmlNode();
}

bool TaskListFile::addTask(const TaskInfo &info)
{
    if (!isOpen() || !taskNameProblem(info.name).isEmpty())
        return false;
    markChanged();
    XmlNode t = root().addChild(kTask);
    t.addChild(kName).setText(info.name);
    t.addChild(kType).setInt(info.type);
    t.addChild(kVideoStandard).setInt(info.videoStandard);
    t.addChild(kRemark).setText(info.remark);
    return true;
}

bool TaskListFile::setNameRemark(const TaskInfo &info, int position)
{
    if (!isOpen() || !taskNameProblem(info.name).isEmpty())
        return false;
    XmlNode t = root().childAt(position);
    if (t.isNull())
        return false;
    setChildText(t, kName, info.name);
    setChildText(t, kRemark, info.remark);
    return true;
}

bool TaskListFile::updateTask(const TaskInfo &info)
{
    if (!isOpen())
        return false;
    XmlNode t = firstTask(info.name);
    if (t.isNull())
        return false;
    setChildText(t, kType, QString::number(info.type));
    setChildText(t, kVideoStandard, QString::number(info.videoStandard));
    setChildText(t, kRemark, info.remark);
    return true;
}

bool TaskListFile::removeDeviceFileOf(const QString &name)
{
    // A name that cannot name a task has no device file; a device file that
    // is already gone is no reason to keep an undeletable task.
    const QString path = TaskDeviceFile::filePath(name);
    if (path.isEmpty() || !QFile::exists(path))
        return true;
    return TaskDeviceFile::removeFile(name);
}

bool TaskListFile::removeTaskAt(int position)
{
    if (!isOpen())
        return false;
    const XmlNode t = root().childAt(position);
    if (t.isNull())
        return false;
    if (!removeDeviceFileOf(t.childByName(kName).text()))
        return false;
    markChanged();
    root().removeChild(t);
    return true;
}

bool TaskListFile::removeTask(const QString &name)
{
    if (!isOpen())
        return false;
    if (!removeDeviceFileOf(name))
        return false;
    for (int i = root().childCount() - 1; i >= 0; --i) {
        const XmlNode t = root().childAt(i);
        if (t.childByName(kName).text() == name) {
            root().removeChild(t);
            markChanged();
        }
    }
    return true;
}

bool TaskListFile::tasks(QVector<TaskInfo> &out)
{
    if (!isOpen())
        return false;
    for (XmlNode t = root().childAt(0); !t.isNull(); t = t.nextSiblingElement())
        out.append(taskOf(t));
    return true;
}

bool TaskListFile::exists(const QString &name)
{
    if (!isOpen())
        return false;
    return !firstTask(name).isNull();
}

bool TaskListFile::task(const QString &name, TaskInfo &out)
{
    if (!isOpen())
        return false;
    const XmlNode t = firstTask(name);
    if (t.isNull())
        return false;
    out = taskOf(t);
    return true;
}

bool TaskListFile::storeBlock(const QString &taskName, const QString &block, const Values &values)
{
    if (!isOpen())
        return false;
    bool stored = false;
    const int n = root().childCount();
    for (int i = 0; i < n; ++i) {
        XmlNode t = root().childAt(i);
        if (t.childByName(kName).text() != taskName)
            continue;
        stored = true;
        markChanged();
        XmlNode b = t.childByName(block);
        if (b.isNull()) {
            b = t.addChild(block);
            for (const auto &v : values)
                b.addChild(v.first).setText(v.second);
        } else {
            // A child missing from a hand-edited block stays missing.
            for (const auto &v : values)
                b.childByName(v.first).setText(v.second);
        }
    }
    return stored;
}

bool TaskListFile::readBlock(const QString &taskName, const QString &block, const QStringList &tags,
                             QStringList &texts) const
{
    if (!isOpen())
        return false;
    const XmlNode b = firstTask(taskName).childByName(block);
    if (b.isNull())
        return false;
    texts.clear();
    for (const QString &tag : tags)
        texts << b.childByName(tag).text();
    return true;
}

bool TaskListFile::setStorageResult(const StorageResult &r)
{
    return storeBlock(r.taskName, kStorageBlock,
                      zip(kStorageTags, num(r.storageEnable), r.mainType, r.devType, num(r.hddBay),
                          r.hddCap, num(r.timeType), num(r.recordTime), r.hddModel, r.raidType,
                          num(r.raid1Number), num(r.raid5Number), num(r.raidNumber),
                          num(r.hotSpare), num(r.devNumber), num(r.hddNumber),
                          num(r.commonHddNumber), r.totalCap));
}

bool TaskListFile::storageResult(const QString &name, StorageResult &out)
{
    QStringList v;
    if (!readBlock(name, kStorageBlock, kStorageTags, v))
        return false;
    out.taskName = name;
    out.storageEnable = toInt(v.at(0));
    out.mainType = v.at(1);
    out.devType = v.at(2);
    out.hddBay = toInt(v.at(3));
    out.hddCap = v.at(4);
    out.timeType = toInt(v.at(5));
    out.recordTime = toInt(v.at(6));
    out.hddModel = v.at(7);
    out.raidType = v.at(8);
    out.raid1Number = toInt(v.at(9));
    out.raid5Number = toInt(v.at(10));
    out.raidNumber = toInt(v.at(11));
    out.hotSpare = toInt(v.at(12));
    out.devNumber = toInt(v.at(13));
    out.hddNumber = toInt(v.at(14));
    out.commonHddNumber = toInt(v.at(15));
    out.totalCap = v.at(16);
    return true;
}

bool TaskListFile::setBandWidthResult(const BandWidthResult &r)
{
    return storeBlock(
        r.taskName, kBandWidthBlock,
        zip(kBandWidthTags, num(r.bandWidthEnable), r.preView, r.record, r.transmission, r.total));
}

bool TaskListFile::bandWidthResult(const QString &name, BandWidthResult &out)
{
    QStringList v;
    if (!readBlock(name, kBandWidthBlock, kBandWidthTags, v))
        return false;
    out.taskName = name;
    out.bandWidthEnable = toInt(v.at(0));
    out.preView = v.at(1);
    out.record = v.at(2);
    out.transmission = v.at(3);
    out.total = v.at(4);
    return true;
}

bool TaskListFile::setStreamServerResult(const StreamServerResult &r)
{
    return storeBlock(r.taskName, kStreamServerBlock,
                      zip(kStreamServerTags, num(r.streamServerEnable), num(r.streamServerNumber),
                          r.streamServer));
}

bool TaskListFile::streamServerResult(const QString &name, StreamServerResult &out)
{
    QStringList v;
    if (!readBlock(name, kStreamServerBlock, kStreamServerTags, v))
        return false;
    out.taskName = name;
    out.streamServerEnable = toInt(v.at(0));
    out.streamServerNumber = toInt(v.at(1));
    out.streamServer = v.at(2);
    return true;
}

bool TaskListFile::setClientResult(const ClientResult &r)
{
    return storeBlock(r.taskName, kClientBlock,
                      zip(kClientTags, num(r.clientEnable), num(r.clientNumber), r.client));
}

bool TaskListFile::clientResult(const QString &name, ClientResult &out)
{
    QStringList v;
    if (!readBlock(name, kClientBlock, kClientTags, v))
        return false;
    out.taskName = name;
    out.clientEnable = toInt(v.at(0));
    out.clientNumber = toInt(v.at(1));
    out.client = v.at(2);
    return true;
}

bool TaskListFile::clearResults(const QString &name)
{
    if (!isOpen())
        return false;
    XmlNode t = firstTask(name);
    if (t.isNull())
        return false;
    const QVector<QPair<QString, QString>> flags = {{kStorageBlock, kStorageTags.first()},
                                                    {kBandWidthBlock, kBandWidthTags.first()},
                                                    {kStreamServerBlock, kStreamServerTags.first()},
                                                    {kClientBlock, kClientTags.first()}};
    for (const auto &f : flags) {
        XmlNode b = t.childByName(f.first);
        if (!b.isNull() && b.childByName(f.second).setText(QStringLiteral("0")))
            markChanged();
    }
    return true;
}
