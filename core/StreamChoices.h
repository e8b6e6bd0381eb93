#pragma once

#include "DeviceClass.h"
#include "TaskDeviceFile.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace kiv {

class TaskDataBase;

/// What the catalogue offers the streams of one device model under one video
/// standard (0 PAL, any other value NTSC): the resolutions and frame rates a
/// stream may choose, and the bit rate estimated for a choice.
///
/// Network cameras and speed domes offer the resolutions of their first
/// video-mode map, each with the frame-rate ladder of the standard from the
/// highest whole rate the catalogue gives down; DVRs offer their resolutions
/// with one ladder for all. Any other class offers nothing.
struct StreamChoices
{
    DeviceClass deviceClass = UnknownDeviceClass;
    int videoStandard = 0;
    /// Whether a stream gets resolution and frame-rate choices at all.
    bool available = false;
    QStringList resolutions;
    /// The frame rates offered with the first resolution (with every one,
    /// for a DVR).
    QStringList frameRates;
    /// Cameras and domes: resolution to highest frame rate, per map.
    QList<QMap<QString, QString>> modes;

    /// The choices of @p deviceType, a model of @p deviceClass, as the
    /// catalogue offers them.
    static StreamChoices read(TaskDataBase &catalogue, DeviceClass deviceClass,
                              const QString &deviceType, int videoStandard);
    /// The choices of a network camera or speed dome with the video-mode
    /// maps @p modes (resolution to highest frame rate).
    static StreamChoices ofModes(DeviceClass deviceClass, int videoStandard,
                                 const QList<QMap<QString, QString>> &modes);
    /// The choices of a DVR with @p resolutions and the frame rates
    /// @p catalogueFrameRates its catalogue entry gives for the standard.
    static StreamChoices ofDvr(int videoStandard, const QStringList &resolutions,
                               const QStringList &catalogueFrameRates);

    /// The frame rates offered once @p resolution is chosen. False, with
    /// @p frameRates untouched, when the choices do not know the resolution.
    bool frameRatesFor(const QString &resolution, QStringList &frameRates) const;
    /// The estimated bit rate in Kbps of a stream of @p resolution at
    /// @p frameRate; @p fallback when the class has no estimate or the
    /// figure cannot be computed.
    int estimate(const QString &resolution, const QString &frameRate, int fallback) const;
    /// The stream a device starts with: used for preview, recording and
    /// transmission, one of it, the first resolution and its frame rate, and
    /// the estimate for them. Without choices the resolution and frame rate
    /// are empty and the bit rate is the estimate for empty texts (the
    /// largest resolution at 0 fps; a model of no class as a network camera),
    /// so that the planner still gets a stream to type a bit rate into.
    DevStream firstStream() const;

    /// Camera frame-rate choices: the camera ladder of the standard from the
    /// largest whole number among @p values down; empty when that number is
    /// not on the ladder. Replaces @p values.
    static void cameraFrameRates(int videoStandard, QStringList &values);
    /// DVR frame-rate choices: the fine ladder of the standard when the
    /// catalogue's frame rates @p values hold "1/16", else the whole-number
    /// ladder. Replaces @p values.
    static void dvrFrameRates(int videoStandard, QStringList &values);
};

} // namespace kiv
