#pragma once

#include "XmlFile.h"
#include "XmlNode.h"

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

/// The device file of one task, Task/<name>.xml in the program folder.
/// Construct one per user action: the constructor opens (or creates) the file,
/// the destructor writes it back. Devices are addressed by position in the
/// file, streams by position within their device. Every operation returns
/// false while the file is not open, and every operation on a device or
/// stream returns false, changing nothing, when there is none at the
/// position. Values are stored as given; ranges are the callers' business.
///
/// A device file that is there but cannot be taken as a device list (cut
/// short, other bytes, another root element, or unreadable) is never taken
/// as data and never written: the object stays closed, and problem() and
/// isDamaged() tell the caller why, so that it can name the file.
class TaskDeviceFile
{
public:
    explicit TaskDeviceFile(const QString &taskName);
    ~TaskDeviceFile();
    TaskDeviceFile(const TaskDeviceFile &) = delete;
    TaskDeviceFile &operator=(const TaskDeviceFile &) = delete;

    bool open();
    /// Writes the document back when something was changed through this
    /// object. True (and closed) on success; false, still open, when the
    /// write failed; lastError() then says why, and unless a later close()
    /// succeeds the destructor drops the changes instead of saving them.
    bool close();
    bool isOpen() const { return m_open; }
    /// Why the last close() could not write the file, or why the last
    /// open() failed; empty after a success.
    QString lastError() const { return m_lastError; }
    QString path() const { return m_path; }
    /// Why the last open() failed: Missing when the file could not be created
    /// (no Task folder, or it cannot be written), Unreadable or Damaged when
    /// it is there and left as it is; None while open, and for a task name
    /// that cannot name a file.
    XmlFileProblem problem() const { return m_problem; }
    /// True when the file is there and readable but is not a device list:
    /// not well-formed XML or another root element. The object stays closed
    /// and never writes it; the task's devices cannot be listed or changed
    /// until the file is mended or moved away.
    bool isDamaged() const { return m_problem == XmlFileProblem::Damaged; }

    /// Full path of a task's device file; empty for a name that cannot name
    /// a task.
    static QString filePath(const QString &taskName);
    static bool removeFile(const QString &taskName);
    static bool renameFile(const QString &oldName, const QString &newName);

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

    // Record plan and event frequency
    bool recordPlan(int dev, QString &plan);
    bool setRecordPlan(const QString &plan, int dev);
    bool addRecordPlan(const QString &plan, int dev);
    bool eventFren(int dev, QString &fren);
    bool setEventFren(int dev, const QString &fren);

    // Streams
    bool addStream(const DevStream &stream, int dev);
    bool setStream(const DevStream &stream, int dev, int s);
    bool stream(int dev, int s, DevStream &out);
    bool streams(int dev, QVector<DevStream> &out);
    bool removeStream(int dev, int s);
    bool setUseCode(int dev, int s, const QString &useCode);
    bool setStreamCount(int dev, int s, int count);
    bool setResolution(int dev, int s, const QString &resolution);
    bool setFrameRate(int dev, int s, const QString &frameRate);
    bool setBitRate(int dev, int s, int bitRate);
    bool streamCountSum(int dev, qint64 &sum);

    // Accessories
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
    XmlNode deviceNode(int dev) const;
    XmlNode streamNode(int dev, int s) const;
    bool setDeviceValue(int dev, const QString &tag, const QString &value);
    bool setStreamValue(int dev, int s, const QString &tag, const QString &value);
    bool setChildText(XmlNode parent, const QString &tag, const QString &value);
    bool setAccessory(int dev, const QString &block, const QString &typeTag,
                      const QString &countTag, const QString &type, int count);
    bool accessory(int dev, const QString &block, const QString &typeTag, const QString &countTag,
                   QString &type, int &count);
    bool removeBlock(int dev, const QString &block);

    QString m_path;
    bool m_open = false;
    XmlNode m_root;
    QString m_lastError;
    XmlFileProblem m_problem = XmlFileProblem::None;
    bool m_dirty = false;
    bool m_saveFailed = false;
    // Last device looked up: callers walk the devices in order, so the next
    // look-up starts from here instead of from the first device.
    mutable int m_cachedIndex = -1;
    mutable XmlNode m_cachedDevice;
};
