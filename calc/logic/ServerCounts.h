#pragma once

#include "TaskDevices.h"

#include <QVector>

namespace kiv {

/// Client workstations the planner gets for any client software but the
/// first, whatever the task holds.
constexpr int kFixedClientCount = 16;

/// Client workstations of the first client software: one per 256 devices
/// (the devices' counts summed) or one per 1024 streams (the stream entries'
/// counts summed, whatever their use), whichever is more, each rounded up.
/// An empty task needs 0. @p ok is false, and the result -1, for a negative
/// count of a hand-edited file or a result beyond int.
int clientCount(const QVector<TaskDeviceEntry> &devices, bool *ok = nullptr);

/// Stream-media servers to relay every stream of the task, one server
/// counted per 131072 Kbps: 0 without streams, otherwise the whole servers
/// the streams fill plus one (so a sum of exactly 131072 Kbps gets 2). Each
/// stream adds its bit rate times its stream count, whatever its use. @p ok
/// is false, and the result -1, for a negative figure of a hand-edited file
/// or a result beyond int.
int streamServerCount(const QVector<TaskDeviceEntry> &devices, bool *ok = nullptr);

} // namespace kiv
