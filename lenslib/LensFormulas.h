#pragma once

#include <optional>

namespace pendrik {

// Lens geometry. Angles are in degrees; lengths in any one unit per call
// (the lens page passes metres for distances and widths and millimetres for
// sensor sizes, and so gets focal lengths in millimetres).
//
// Side geometry: a camera at height cameraHeight above flat ground; a point
// is given by its horizontal distance from the camera's foot and its height;
// a ray's direction is its angle from the vertical through the camera
// (0 straight down, 90 horizontal). The view is a wedge of viewAngle degrees
// between a lower (steeper) and an upper (flatter) edge.
//
// The results that divide carry no value when the division has no finite
// result (a target width of 0, a ray along the ground, a not-a-number
// argument), so no caller can show "nan" or "inf".

/// The short pi that every conversion uses; results carry its small excess
/// (radianToDegree(atan2(1, 1)) is 45.0000008, not 45).
constexpr double kShortPi = 3.1415926;

double radianToDegree(double radians);
double degreeToRadian(double degrees);

/// sensorSize * distance / width: the focal length (mm) that shows a target
/// @p width wide at @p distance across a sensor @p sensorSize mm wide.
std::optional<double> calcFocalLength(double distance, double width, double sensorSize);

/// The vertical view angle of a lens of @p focal mm on a sensor
/// @p sensorHeight mm high; a focal length of 0 gives 180.0000031 degrees.
std::optional<double> calcVerticalAngle(double focal, double sensorHeight);
/// The horizontal view angle; the same formula over the sensor width.
std::optional<double> calcHorizontalAngle(double focal, double sensorWidth);

/// The width that a view of @p angle degrees covers at @p distance.
std::optional<double> calcCoverageWidth(double angle, double distance);

/// With the upper edge through the point (pointDistance, pointHeight): the
/// distance at which the lower edge meets the ground.
std::optional<double> calcNearGroundDistance(double cameraHeight, double viewAngle,
                                             double pointDistance, double pointHeight);

/// With the lower edge meeting the ground at lowerEdgeDistance: the height of
/// the upper edge above the ground at horizontal @p distance.
std::optional<double> calcUpperEdgeHeight(double cameraHeight, double viewAngle,
                                          double lowerEdgeDistance, double distance);

/// With the upper edge through the point (pointDistance, pointHeight): how
/// far the lower edge falls between fromDistance and pointDistance.
std::optional<double> calcLowerEdgeDrop(double cameraHeight, double viewAngle, double fromDistance,
                                        double pointDistance, double pointHeight);

/// With the lower edge meeting the ground at lowerEdgeDistance: the tilt of
/// the optical axis against the horizontal, negative when looking down.
std::optional<double> calcBracketAngle(double cameraHeight, double viewAngle,
                                       double lowerEdgeDistance);

} // namespace pendrik
