#pragma once

#include "XmlDataFile.h"

#include <QFlags>
#include <QString>
#include <QVector>

/// One device entry of a task.
struct DeviceInfo
{
    QString deviceType;
    QString remark;
    QString mainType;
    int count = 0;
    int mainStream = 0;
    int subStream = 0;

    void clear() { *this = DeviceInfo(); }
};

/// One stream of a device: use code ("1"/"0" for preview, record,
/// transmission), number of such streams, resolution, frame rate, Kbps.
struct DevStream
{
    QString useCode;
    int streamCount = 0;
    QString resolution;
    QString frameRate;
    int bitRate = 0;
};

/// One accessory of a device (stand, shield or lens) as its file holds it.
struct DeviceAccessory
{
    /// False when the device has no such accessory.
    bool present = false;
    QString type;
    int count = 0;
};

/// One device entry with all that the steps which only read a task (the
/// device list, the calculators, the report) take from it; a part a read did
/// not ask for may be left empty.
struct DeviceRecord
{
    DeviceInfo info;
    QVector<DevStream> streams;
    QString recordPlan;
    QString eventFren;
    DeviceAccessory stand;
    DeviceAccessory shield;
    DeviceAccessory lens;
};

/// The parts of a device entry a read takes besides the entry's own fields
/// (type, remark, class, count, bit rates).
enum class DevicePart {
    Streams = 0x1,
    PlanAndFrequency = 0x2,
    Accessories = 0x4,
};
Q_DECLARE_FLAGS(DeviceParts, DevicePart)
Q_DECLARE_OPERATORS_FOR_FLAGS(DeviceParts)

/// The device file of one task, Task/<name>.xml in the program folder.
/// Construct one per user action: the constructor opens (or creates) the file,
/// the destructor writes it back when something was changed. Devices are
/// addressed by position in the file, streams by position within their
/// device. Every operation returns false while the file is not open, and
/// every read or write of a device or stream returns false, changing nothing
/// and filling nothing, when there is none at the position. Values are stored
/// as given; ranges are the callers' business.
///
/// A device file that is there but cannot be taken as a device list is left
/// as it is and never written; the task's devices cannot be listed or changed
/// until the file is mended or moved away (see XmlDataFile).
class TaskDeviceFile : public XmlDataFile
{
public:
    explicit TaskDeviceFile(const QString &taskName);

    /// Full path of a task's device file; empty for a name that cannot name
    /// a task.
    static QString filePath(const QString &taskName);
    static bool removeFile(const QString &taskName);
    static bool renameFile(const QString &oldName, const QString &newName);

    /// Reads every device entry of the task @p taskName with the @p parts
    /// asked for, in file order, for a step that only reads them; replaces
    /// @p out. The entries are those the accessors below read, from the
    /// parsed document kept for the file when there is a current one, and
    /// otherwise streamed from the file: no document is built for them and
    /// none is kept. A missing or empty file is created as the constructor
    /// creates it. False, @p out empty, when the file cannot be opened; then
    /// @p reason and @p problem (when given) are what lastError() and
    /// problem() of an object on the file would say.
    static bool readRecords(const QString &taskName, DeviceParts parts, QVector<DeviceRecord> &out,
                            QString *reason = nullptr, XmlFileProblem *problem = nullptr);

    // Devices
    bool addDevice(const DeviceInfo &info);
    bool addDevices(const QVector<DeviceInfo> &infos);
    bool devices(QVector<DeviceInfo> &out);
    bool device(int dev, DeviceInfo &out);
    bool deviceCount(int &count);
    /// Adds the count of every device to @p count.
    bool totalCount(qint64 &count);
    bool setRemark(const QString &remark, int dev);
    bool setCount(int count, int dev);
    bool setMainStream(int bitRate, int dev);
    bool setSubStream(int bitRate, int dev);
    bool setThirdStream(int bitRate, int dev);
    bool removeDevice(int dev);

    // Record plan and event frequency. A device without the element reads
    // as empty text.
    bool recordPlan(int dev, QString &plan);
    bool setRecordPlan(const QString &plan, int dev);
    bool addRecordPlan(const QString &plan, int dev);
    bool eventFren(int dev, QString &fren);
    bool setEventFren(int dev, const QString &fren);

    // Streams
    bool addStream(const DevStream &stream, int dev);
    bool setStream(const DevStream &stream, int dev, int s);
    bool stream(int dev, int s, DevStream &out);
    /// Appends the device's streams to @p out; true, nothing appended, for a
    /// device without streams.
    bool streams(int dev, QVector<DevStream> &out);
    bool removeStream(int dev, int s);
    bool setUseCode(int dev, int s, const QString &useCode);
    bool setStreamCount(int dev, int s, int count);
    bool setResolution(int dev, int s, const QString &resolution);
    bool setFrameRate(int dev, int s, const QString &frameRate);
    bool setBitRate(int dev, int s, int bitRate);
    /// Adds the stream count of every stream of the device to @p sum.
    bool streamCountSum(int dev, qint64 &sum);

    // Accessories. A read is false for a device without that accessory; a
    // removal of an accessory the device does not have is true and changes
    // nothing.
    bool setStand(int dev, const QString &type, int count);
    bool stand(int dev, QString &type, int &count);
    bool removeStand(int dev);
    bool setShield(int dev, const QString &type, int count);
    bool shield(int dev, QString &type, int &count);
    bool removeShield(int dev);
    bool setLens(int dev, const QString &type, int count);
    bool lens(int dev, QString &type, int &count);
    bool removeLens(int dev);

private:
    TaskDeviceFile(const QString &taskName, Opening opening);
    bool records(DeviceParts parts, QVector<DeviceRecord> &out);
    void forgetNodes() override;
    XmlNode deviceNode(int dev) const;
    XmlNode streamNode(int dev, int s) const;
    bool setDeviceValue(int dev, const QString &tag, const QString &value);
    bool setStreamValue(int dev, int s, const QString &tag, const QString &value);
    bool setAccessory(int dev, const QString &block, const QString &typeTag,
                      const QString &countTag, const QString &type, int count);
    bool accessory(int dev, const QString &block, const QString &typeTag, const QString &countTag,
                   QString &type, int &count);
    bool removeBlock(int dev, const QString &block);

    // Last device looked up: callers walk the devices in order, so the next
    // look-up starts from here instead of from the first device.
    mutable int m_cachedIndex = -1;
    mutable XmlNode m_cachedDevice;
};
