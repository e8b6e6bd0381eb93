#pragma once

#include <QString>
#include <QtGlobal>

/// What a task, its device entries, their streams and their accessories may
/// hold. Every dialog, item model and check that takes such a value takes its
/// range from here, so that a field, its validator and the check behind it
/// always agree.
namespace kiv::limits {

/// Devices one entry counts.
constexpr int kMinDeviceCount = 1;
constexpr int kMaxDeviceCount = 1024;
/// Devices a task holds, the counts of all its entries added up.
constexpr int kMaxTaskDevices = 1024;
/// Devices of one type in a scene of an industry solution: 0 leaves the type
/// out of the scene.
constexpr int kMinSceneDeviceCount = 0;
constexpr int kMaxSceneDeviceCount = 1024;

/// A main or sub stream bit rate in Kbps is 0 (no such stream) or lies from
/// kMinBitRate to kMaxBitRate.
constexpr int kMinBitRate = 32;
constexpr int kMaxBitRate = 16384;
/// The bit rate a new entry's main and sub stream start with.
constexpr int kDefaultBitRate = 1024;

/// Streams one stream line of a device stands for.
constexpr int kMinStreamCount = 0;
constexpr int kMaxStreamCount = 99999;

/// Accessories of one kind (lens, stand, shield) on one device entry.
constexpr int kMinAccessoryCount = 1;
constexpr int kMaxAccessoryCount = 1000;

/// Characters of a task name and of a device entry's remark.
constexpr int kMaxTaskNameLength = 32;
constexpr int kMaxRemarkLength = 32;
/// Characters of a task's description.
constexpr int kMaxDescriptionLength = 64;
/// Tasks the task list holds.
constexpr int kMaxTasks = 50;

/// The number of decimal digits of @p value: the most characters a field for
/// values up to @p value needs.
constexpr int digitsOf(int value)
{
    int digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

/// A description made to fit kMaxDescriptionLength, and where the cursor
/// that was in it stands afterwards.
struct DescriptionCut
{
    QString text;
    int cursor = 0;
};

/// @p text cut to at most kMaxDescriptionLength characters, counted as a
/// reader sees them: a character outside the basic plane, or a letter with
/// its combining marks, is one and is kept or dropped whole. The surplus is
/// taken from just before @p cursor (a UTF-16 position), where typing or a
/// paste put it; a cursor nearer the start than the surplus is long gives
/// up the end instead. A text that fits is kept as it is, with its cursor.
DescriptionCut cutDescription(const QString &text, int cursor);

/// A device count one entry may have.
bool isDeviceCount(qint64 count);
/// A device count a scene of an industry solution may give a type.
bool isSceneDeviceCount(qint64 count);
/// A main or sub stream bit rate: 0, or kMinBitRate to kMaxBitRate.
bool isBitRate(qint64 kbps);
/// A stream count of one stream line.
bool isStreamCount(qint64 count);
/// An accessory count of one device entry.
bool isAccessoryCount(qint64 count);
/// True when a task of @p total devices would hold more than kMaxTaskDevices
/// once @p added devices come in and @p removed leave (an entry's count
/// changed from @p removed to @p added).
bool exceedsTaskTotal(qint64 total, qint64 added, qint64 removed = 0);

} // namespace kiv::limits
