#include "TaskDeviceFile.h"

#include "CoreLogging.h"
#include "TaskName.h"

#include <TargetPath.h>

#include <QFile>

namespace {

const QString kRoot = QStringLiteral("DeviceInfoList");
const QString kDevice = QStringLiteral("DeviceInfo");
const QString kDeviceType = QStringLiteral("DeviceType");
const QString kRemark = QStringLiteral("Remark");
const QString kMainType = QStringLiteral("MainType");
const QString kCount = QStringLiteral("Count");
const QString kMainStream = QStringLiteral("MainStream");
const QString kSubStream = QStringLiteral("SubStream");
const QString kThirdStream = QStringLiteral("ThirdStream");
const QString kRecordPlan = QStringLiteral("RecordPlan");
const QString kEventFren = QStringLiteral("EventFren");
const QString kStreamList = QStringLiteral("DevStreamList");
const QString kStream = QStringLiteral("DevStream");
const QString kUseCode = QStringLiteral("UseCode");
const QString kStreamCount = QStringLiteral("StreamCount");
const QString kResolution = QStringLiteral("Resolution");
const QString kFrameRate = QStringLiteral("FrameRate");
const QString kBitRate = QStringLiteral("BitRate");

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
    return setAccessory(dev, QStringLiteral("DeviceStand"), QStringLiteral("StandType"),
                        QStringLiteral("StandCount"), type, count);
}

bool TaskDeviceFile::stand(int dev, QString &type, int &count)
{
    return accessory(dev, QStringLiteral("DeviceStand"), QStringLiteral("StandType"),
                     QStringLiteral("StandCount"), type, count);
}

bool TaskDeviceFile::removeStand(int dev)
{
    return removeBlock(dev, QStringLiteral("DeviceStand"));
}

bool TaskDeviceFile::setShield(int dev, const QString &type, int count)
{
    return setAccessory(dev, QStringLiteral("DeviceShield"), QStringLiteral("ShieldType"),
                        QStringLiteral("ShieldCount"), type, count);
}

bool TaskDeviceFile::shield(int dev, QString &type, int &count)
{
    return accessory(dev, QStringLiteral("DeviceShield"), QStringLiteral("ShieldType"),
                     QStringLiteral("ShieldCount"), type, count);
}

bool TaskDeviceFile::removeShield(int dev)
{
    return removeBlock(dev, QStringLiteral("DeviceShield"));
}

bool TaskDeviceFile::setLens(int dev, const QString &type, int count)
{
    return setAccessory(dev, QStringLiteral("DeviceLens"), QStringLiteral("LensType"),
                        QStringLiteral("LensCount"), type, count);
}

bool TaskDeviceFile::lens(int dev, QString &type, int &count)
{
    return accessory(dev, QStringLiteral("DeviceLens"), QStringLiteral("LensType"),
                     QStringLiteral("LensCount"), type, count);
}

bool TaskDeviceFile::removeLens(int dev)
{
    return removeBlock(dev, QStringLiteral("DeviceLens"));
}
