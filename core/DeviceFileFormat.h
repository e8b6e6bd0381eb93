#pragma once

#include <QString>

/// The element names of a task's device file, Task/<name>.xml. The document
/// that edits the file (TaskDeviceFile) and the stream reader that reads it
/// for the steps which only read (DeviceFileStream) both take them from here,
/// so the two never spell a name apart. The rules for finding entries, fields
/// and streams by these names are written in each reader, once for the
/// document and once for the stream: what keeps the two equal is the test that
/// reads saved, hand-made and fuzzed files both ways (tst_devicefilereads).
namespace devicefile {

inline const QString kRoot = QStringLiteral("DeviceInfoList");
/// One device entry. Any element directly under the root is read as one,
/// whatever its name: entries are addressed by their position among the
/// root's elements.
inline const QString kDevice = QStringLiteral("DeviceInfo");
inline const QString kDeviceType = QStringLiteral("DeviceType");
inline const QString kRemark = QStringLiteral("Remark");
inline const QString kMainType = QStringLiteral("MainType");
inline const QString kCount = QStringLiteral("Count");
inline const QString kMainStream = QStringLiteral("MainStream");
inline const QString kSubStream = QStringLiteral("SubStream");
inline const QString kThirdStream = QStringLiteral("ThirdStream");
inline const QString kRecordPlan = QStringLiteral("RecordPlan");
inline const QString kEventFren = QStringLiteral("EventFren");

/// The device's streams: every element directly under the list is a stream.
inline const QString kStreamList = QStringLiteral("DevStreamList");
inline const QString kStream = QStringLiteral("DevStream");
inline const QString kUseCode = QStringLiteral("UseCode");
inline const QString kStreamCount = QStringLiteral("StreamCount");
inline const QString kResolution = QStringLiteral("Resolution");
inline const QString kFrameRate = QStringLiteral("FrameRate");
inline const QString kBitRate = QStringLiteral("BitRate");

/// One accessory block of a device and the names of its two fields.
struct AccessoryTags
{
    const QString &block;
    const QString &type;
    const QString &count;
};

inline const QString kStandBlock = QStringLiteral("DeviceStand");
inline const QString kStandType = QStringLiteral("StandType");
inline const QString kStandCount = QStringLiteral("StandCount");
inline const QString kShieldBlock = QStringLiteral("DeviceShield");
inline const QString kShieldType = QStringLiteral("ShieldType");
inline const QString kShieldCount = QStringLiteral("ShieldCount");
inline const QString kLensBlock = QStringLiteral("DeviceLens");
inline const QString kLensType = QStringLiteral("LensType");
inline const QString kLensCount = QStringLiteral("LensCount");

inline const AccessoryTags kStand = {kStandBlock, kStandType, kStandCount};
inline const AccessoryTags kShield = {kShieldBlock, kShieldType, kShieldCount};
inline const AccessoryTags kLens = {kLensBlock, kLensType, kLensCount};

} // namespace devicefile
