#pragma once

#include <TaskDeviceFile.h>

#include <QString>

/// A stream of a device entry as a test writes it: use code ("111" is
/// preview, record and transmission), its count, resolution, frame rate and
/// bit rate in Kbps.
inline DevStream stream(const QString &useCode, int count, const QString &resolution,
                        const QString &frameRate, int bitRate)
{
    DevStream s;
    s.useCode = useCode;
    s.streamCount = count;
    s.resolution = resolution;
    s.frameRate = frameRate;
    s.bitRate = bitRate;
    return s;
}
