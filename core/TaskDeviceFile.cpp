#include "TaskDeviceFile.h"

#include "CoreLogging.h"
#include "DeviceFileFormat.h"
#include "DeviceFileStream.h"
#include "TaskName.h"

#include <File.h>
#include <TargetPath.h>

#include <QFile>

using namespace devicefile;

namespace {

const QString kDefaultPlan = QStringLiteral("111111111111111111111111");

int toInt(const XmlNode &node)
{
    return node.text().toInt(nullptr, 10);
}

void readStream(const XmlNode &node, DevStream &out)
{
    static const QVector<QString> tags = {kUseCode, kStreamCount, kResolution, kFrameRate,
                                          kBitRate};
    const QVector<XmlNode> v = node.childrenByName(tags);
    out.useCode = v.at(0).text();
    out.streamCount = toInt(v.at(1));
    out.resolution = v.at(2).text();
    out.frameRate = v.at(3).text();
    out.bitRate = toInt(v.at(4));
}

} // namespace

TaskDeviceFile::TaskDeviceFile(const QString &taskName) : XmlDataFile(filePath(taskName), kRoot)
{
    if (path().isEmpty())
        qCDebug(lcCore) << "refused task name for a device file:" << taskName;
}

TaskDeviceFile::TaskDeviceFile(const QString &taskName, Opening opening)
    : XmlDataFile(filePath(taskName), kRoot, opening)
{
}

bool TaskDeviceFile::readRecords(const QString &taskName, DeviceParts parts,
                                 QVector<DeviceRecord> &out, QString *reason,
                                 XmlFileProblem *problem)
{
    out.clear();
    const auto fail = [&](XmlFileProblem found, const QString &why) {
        out.clear();
        if (reason)
            *reason = why;
        if (problem)
            *problem = found;
        return false;
    };
    const QString path = filePath(taskName);
    if (path.isEmpty()) {
        qCDebug(lcCore) << "refused task name for a device file:" << taskName;
        return fail(XmlFileProblem::None, QString());
    }
    const auto done = [&] {
        if (reason)
            reason->clear();
        if (problem)
            *problem = XmlFileProblem::None;
        return true;
    };
    if (KeptRecords::instance().find(path, parts, out))
        return done();
    {
        // A document kept by an edit a moment ago is walked rather than the
        // file read once more.
        TaskDeviceFile kept(taskName, Opening::KeptOnly);
        if (kept.isOpen() && kept.records(parts, out))
            return done();
    }
    // Whatever the constructor does to a file that is missing or empty, and
    // says when it cannot, happens as it always has.
    qint64 size = 0;
    if (const KavrinGUIToolkit::FileState state = KavrinGUIToolkit::StateOfFile(path, &size);
        state == KavrinGUIToolkit::FileState::Missing ||
        (state == KavrinGUIToolkit::FileState::Regular && size == 0)) {
        TaskDeviceFile file(taskName);
        if (!file.isOpen())
            return fail(file.problem(), file.lastError());
        if (!file.records(parts, out))
            return fail(XmlFileProblem::None, QString());
        return done();
    }
    FileStamp stamp;
    const XmlFileProblem found = streamDeviceRecords(path, parts, out, &stamp);
    if (found != XmlFileProblem::None)
        return fail(found, openProblemText(found, path));
    KeptRecords::instance().keep(path, parts, out, stamp);
    return done();
}

bool TaskDeviceFile::records(DeviceParts parts, QVector<DeviceRecord> &out)
{
    QVector<DeviceInfo> infos;
    out.clear();
    if (!devices(infos))
        return false;
    out.resize(infos.size());
    for (int i = 0; i < infos.size(); ++i) {
        DeviceRecord &record = out[i];
        record.info = infos.at(i);
        if (parts.testFlag(DevicePart::Streams) && !streams(i, record.streams))
            return false;
        if (parts.testFlag(DevicePart::PlanAndFrequency) &&
            (!recordPlan(i, record.recordPlan) || !eventFren(i, record.eventFren)))
            return false;
        if (parts.testFlag(DevicePart::Accessories)) {
            const std::pair<const AccessoryTags &, DeviceAccessory &> blocks[] = {
                {kStand, record.stand}, {kShield, record.shield}, {kLens, record.lens}};
            for (const auto &[tags, accessory] : blocks) {
                accessory.present = this->accessory(i, tags.block, tags.type, tags.count,
                                                    accessory.type, accessory.count);
            }
        }
    }
    return true;
}

QString TaskDeviceFile::filePath(const QString &taskName)
{
    if (!isValidTaskName(taskName))
        return QString();
    return KavrinGUIToolkit::GetTargetPath() + QStringLiteral("Task/") + taskName +
           QStringLiteral(".xml");
}

void TaskDeviceFile::forgetNodes()
{
    m_cachedIndex = -1;
    m_cachedDevice = XmlNode();
}

bool TaskDeviceFile::removeFile(const QString &taskName)
{
    const QString path = filePath(taskName);
    if (path.isEmpty())
        return false;
    return QFile::remove(path);
}

bool TaskDeviceFile::renameFile(const QString &oldName, const QString &newName)
{
    const QString from = filePath(oldName);
    const QString to = filePath(newName);
    if (from.isEmpty() || to.isEmpty())
        return false;
    return QFile::rename(from, to);
}

XmlNode TaskDeviceFile::deviceNode(int dev) const
{
    if (dev < 0)
        return XmlNode();
    XmlNode node;
    if (m_cachedIndex >= 0 && dev >= m_cachedIndex) {
        node = m_cachedDevice;
        for (int i = m_cachedIndex; i < dev && !node.isNull(); ++i)
            node = node.nextSiblingElement();
    } else {
        node = root().childAt(dev);
    }
    if (!node.isNull()) {
        m_cachedIndex = dev;
        m_cachedDevice = node;
    }
    return node;
}

XmlNode TaskDeviceFile::streamNode(int dev, int s) const
{
    return deviceNode(dev).childByName(kStreamList).childAt(s);
}

bool TaskDeviceFile::setDeviceValue(int dev, const QString &tag, const QString &value)
{
    return isOpen() && setChildText(deviceNode(dev), tag, value);
}

bool TaskDeviceFile::setStreamValue(int dev, int s, const QString &tag, const QString &value)
{
    return isOpen() && setChildText(streamNode(dev, s), tag, value);
}

// ---- devices ----

bool TaskDeviceFile::addDevice(const DeviceInfo &info)
{
    if (!isOpen())
        return false;
    markChanged();
    XmlNode device = root().addChild(kDevice);
    device.addChild(kDeviceType).setText(info.deviceType);
    device.addChild(kRemark).setText(info.remark);
    device.addChild(kMainType).setText(info.mainType);
    device.addChild(kCount).setInt(info.count);
    device.addChild(kMainStream).setInt(info.mainStream);
    device.addChild(kSubStream).setInt(info.subStream);
    device.addChild(kRecordPlan).setText(kDefaultPlan);
    device.addChild(kEventFren).setInt(100);
    return true;
}

bool TaskDeviceFile::addDevices(const QVector<DeviceInfo> &infos)
{
    if (!isOpen())
        return false;
    for (const DeviceInfo &info : infos)
        addDevice(info);
    return true;
}

bool TaskDeviceFile::device(int dev, DeviceInfo &out)
{
    if (!isOpen())
        return false;
    static const QVector<QString> tags = {kDeviceType, kRemark,     kMainType,
                                          kCount,      kMainStream, kSubStream};
    const XmlNode node = deviceNode(dev);
    if (node.isNull())
        return false;
    const QVector<XmlNode> v = node.childrenByName(tags);
    out.deviceType = v.at(0).text();
    out.remark = v.at(1).text();
    out.mainType = v.at(2).text();
    out.count = toInt(v.at(3));
    out.mainStream = toInt(v.at(4));
    out.subStream = toInt(v.at(5));
    return true;
}

bool TaskDeviceFile::devices(QVector<DeviceInfo> &out)
{
    if (!isOpen())
        return false;
    const int n = root().childCount();
    out.reserve(out.size() + n);
    for (int i = 0; i < n; ++i) {
        DeviceInfo info;
        if (!device(i, info))
            return false;
        out.append(info);
    }
    return true;
}

bool TaskDeviceFile::deviceCount(int &count)
{
    if (!isOpen())
        return false;
    count = root().childCount();
    return true;
}

bool TaskDeviceFile::totalCount(qint64 &count)
{
    if (!isOpen())
        return false;
    // In 64 bits: a hand-edited count near the int limit must not wrap the sum
    // negative and slip under the per-task limit.
    for (XmlNode node = root().childAt(0); !node.isNull(); node = node.nextSiblingElement())
        count += toInt(node.childByName(kCount));
    return true;
}

bool TaskDeviceFile::setRemark(const QString &remark, int dev)
{
    return setDeviceValue(dev, kRemark, remark);
}

bool TaskDeviceFile::setCount(int count, int dev)
{
    return setDeviceValue(dev, kCount, QString::number(count));
}

bool TaskDeviceFile::setMainStream(int bitRate, int dev)
{
    return setDeviceValue(dev, kMainStream, QString::number(bitRate));
}

bool TaskDeviceFile::setSubStream(int bitRate, int dev)
{
    return setDeviceValue(dev, kSubStream, QString::number(bitRate));
}

bool TaskDeviceFile::setThirdStream(int bitRate, int dev)
{
    return setDeviceValue(dev, kThirdStream, QString::number(bitRate));
}

bool TaskDeviceFile::removeDevice(int dev)
{
    if (!isOpen())
        return false;
    // By element position, so a comment or stray text before the entry never
    // shifts which device goes.
    const XmlNode node = deviceNode(dev);
    if (node.isNull())
        return false;
    markChanged();
    root().removeChild(node);
    forgetNodes();
    return true;
}

// ---- record plan and event frequency ----

bool TaskDeviceFile::recordPlan(int dev, QString &plan)
{
    if (!isOpen())
        return false;
    const XmlNode device = deviceNode(dev);
    if (device.isNull())
        return false;
    plan = device.childByName(kRecordPlan).text();
    return true;
}

bool TaskDeviceFile::setRecordPlan(const QString &plan, int dev)
{
    return setDeviceValue(dev, kRecordPlan, plan);
}

bool TaskDeviceFile::addRecordPlan(const QString &plan, int dev)
{
    if (!isOpen())
        return false;
    XmlNode device = deviceNode(dev);
    if (device.isNull())
        return false;
    markChanged();
    device.addChild(kRecordPlan).setText(plan);
    return true;
}

bool TaskDeviceFile::eventFren(int dev, QString &fren)
{
    if (!isOpen())
        return false;
    const XmlNode device = deviceNode(dev);
    if (device.isNull())
        return false;
    fren = device.childByName(kEventFren).text();
    return true;
}

bool TaskDeviceFile::setEventFren(int dev, const QString &fren)
{
    return setDeviceValue(dev, kEventFren, fren);
}

// ---- streams ----

bool TaskDeviceFile::addStream(const DevStream &stream, int dev)
{
    if (!isOpen())
        return false;
    XmlNode device = deviceNode(dev);
    if (device.isNull())
        return false;
    markChanged();
    XmlNode list = device.childByName(kStreamList);
    if (list.isNull())
        list = device.addChild(kStreamList);
    XmlNode node = list.addChild(kStream);
    node.addChild(kUseCode).setText(stream.useCode);
    node.addChild(kStreamCount).setInt(stream.streamCount);
    node.addChild(kResolution).setText(stream.resolution);
    node.addChild(kFrameRate).setText(stream.frameRate);
    node.addChild(kBitRate).setInt(stream.bitRate);
    return true;
}

bool TaskDeviceFile::setStream(const DevStream &stream, int dev, int s)
{
    if (!isOpen())
        return false;
    const XmlNode node = streamNode(dev, s);
    if (node.isNull())
        return false;
    setChildText(node, kUseCode, stream.useCode);
    setChildText(node, kStreamCount, QString::number(stream.streamCount));
    setChildText(node, kResolution, stream.resolution);
    setChildText(node, kFrameRate, stream.frameRate);
    setChildText(node, kBitRate, QString::number(stream.bitRate));
    return true;
}

bool TaskDeviceFile::stream(int dev, int s, DevStream &out)
{
    if (!isOpen())
        return false;
    const XmlNode node = streamNode(dev, s);
    if (node.isNull())
        return false;
    readStream(node, out);
    return true;
}

bool TaskDeviceFile::streams(int dev, QVector<DevStream> &out)
{
    if (!isOpen())
        return false;
    const XmlNode device = deviceNode(dev);
    if (device.isNull())
        return false;
    // One walk over the device's list: the calculators read every stream of
    // every device, so no stream is looked up from the start again.
    const XmlNode list = device.childByName(kStreamList);
    for (XmlNode node = list.childAt(0); !node.isNull(); node = node.nextSiblingElement()) {
        DevStream st;
        readStream(node, st);
        out.append(st);
    }
    return true;
}

bool TaskDeviceFile::removeStream(int dev, int s)
{
    if (!isOpen())
        return false;
    XmlNode list = deviceNode(dev).childByName(kStreamList);
    const XmlNode node = list.childAt(s);
    if (node.isNull())
        return false;
    markChanged();
    list.removeChild(node);
    return true;
}

bool TaskDeviceFile::setUseCode(int dev, int s, const QString &useCode)
{
    return setStreamValue(dev, s, kUseCode, useCode);
}

bool TaskDeviceFile::setStreamCount(int dev, int s, int count)
{
    return setStreamValue(dev, s, kStreamCount, QString::number(count));
}

bool TaskDeviceFile::setResolution(int dev, int s, const QString &resolution)
{
    return setStreamValue(dev, s, kResolution, resolution);
}

bool TaskDeviceFile::setFrameRate(int dev, int s, const QString &frameRate)
{
    return setStreamValue(dev, s, kFrameRate, frameRate);
}

bool TaskDeviceFile::setBitRate(int dev, int s, int bitRate)
{
    return setStreamValue(dev, s, kBitRate, QString::number(bitRate));
}

bool TaskDeviceFile::streamCountSum(int dev, qint64 &sum)
{
    if (!isOpen())
        return false;
    const XmlNode device = deviceNode(dev);
    if (device.isNull())
        return false;
    const XmlNode list = device.childByName(kStreamList);
    for (XmlNode node = list.childAt(0); !node.isNull(); node = node.nextSiblingElement())
        sum += toInt(node.childByName(kStreamCount));
    return true;
}

// ---- accessories ----

bool TaskDeviceFile::setAccessory(int dev, const QString &block, const QString &typeTag,
                                  const QString &countTag, const QString &type, int count)
{
    if (!isOpen())
        return false;
    XmlNode device = deviceNode(dev);
    if (device.isNull())
        return false;
    markChanged();
    XmlNode node = device.childByName(block);
    if (node.isNull())
        node = device.addChild(block);
    setChildText(node, typeTag, type);
    setChildText(node, countTag, QString::number(count));
    return true;
}

bool TaskDeviceFile::accessory(int dev, const QString &block, const QString &typeTag,
                               const QString &countTag, QString &type, int &count)
{
    if (!isOpen())
        return false;
    const XmlNode node = deviceNode(dev).childByName(block);
    if (node.isNull())
        return false;
    type = node.childByName(typeTag).text();
    count = toInt(node.childByName(countTag));
    return true;
}

bool TaskDeviceFile::removeBlock(int dev, const QString &block)
{
    if (!isOpen())
        return false;
    XmlNode device = deviceNode(dev);
    if (device.isNull())
        return false;
    // Only a real removal changes the file: clearing an accessory the device
    // does not have leaves the file as it is.
    if (device.childByName(block).isNull())
        return true;
    markChanged();
    device.removeChildByTag(block);
    return true;
}

bool TaskDeviceFile::setStand(int dev, const QString &type, int count)
{
    return setAccessory(dev, kStand.block, kStand.type, kStand.count, type, count);
}

bool TaskDeviceFile::stand(int dev, QString &type, int &count)
{
    return accessory(dev, kStand.block, kStand.type, kStand.count, type, count);
}

bool TaskDeviceFile::removeStand(int dev)
{
    return removeBlock(dev, kStand.block);
}

bool TaskDeviceFile::setShield(int dev, const QString &type, int count)
{
    return setAccessory(dev, kShield.block, kShield.type, kShield.count, type, count);
}

bool TaskDeviceFile::shield(int dev, QString &type, int &count)
{
    return accessory(dev, kShield.block, kShield.type, kShield.count, type, count);
}

bool TaskDeviceFile::removeShield(int dev)
{
    return removeBlock(dev, kShield.block);
}

bool TaskDeviceFile::setLens(int dev, const QString &type, int count)
{
    return setAccessory(dev, kLens.block, kLens.type, kLens.count, type, count);
}

bool TaskDeviceFile::lens(int dev, QString &type, int &count)
{
    return accessory(dev, kLens.block, kLens.type, kLens.count, type, count);
}

bool TaskDeviceFile::removeLens(int dev)
{
    return removeBlock(dev, kLens.block);
}
