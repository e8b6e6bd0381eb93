#pragma once

namespace kiv {

/// Device classes as the catalogue numbers them. Task files, stored results
/// and the catalogue keep these numbers, so they never change.
enum DeviceClass {
    UnknownDeviceClass = -1,
    NetworkCamera = 0,
    Dvr = 1,
    SpeedDome = 2,
    Nvr = 3,
    Cvr = 4,
};

/// The number of device classes: the valid classes are 0 to kDeviceClassCount - 1.
constexpr int kDeviceClassCount = 5;

} // namespace kiv
