#include "LensFormulas.h"

#include <cmath>

namespace pendrik {

namespace {

std::optional<double> finite(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

double radianToDegree(double radians)
{
    return radians * 180 / kShortPi;
}

double degreeToRadian(double degrees)
{
    return degrees * kShortPi / 180;
}

std::optional<double> calcFocalLength(double distance, double width, double sensorSize)
{
    if (width == 0)
        return std::nullopt;
    return finite(sensorSize * distance / width);
}

std::optional<double> calcVerticalAngle(double focal, double sensorHeight)
{
    return finite(radianToDegree(std::atan2(sensorHeight, 2 * focal) * 2));
}

std::optional<double> calcHorizontalAngle(double focal, double sensorWidth)
{
    return finite(radianToDegree(std::atan2(sensorWidth, 2 * focal) * 2));
}

std::optional<double> calcCoverageWidth(double angle, double distance)
{
    return finite(std::tan(degreeToRadian(angle / 2)) * distance * 2);
}

std::optional<double> calcNearGroundDistance(double cameraHeight, double viewAngle,
                                             double pointDistance, double pointHeight)
{
    const double upper = radianToDegree(std::atan2(pointDistance, cameraHeight - pointHeight));
    return finite(cameraHeight * std::tan(degreeToRadian(upper - viewAngle)));
}

std::optional<double> calcUpperEdgeHeight(double cameraHeight, double viewAngle,
                                          double lowerEdgeDistance, double distance)
{
    const double lower = radianToDegree(std::atan2(lowerEdgeDistance, cameraHeight));
    const double slope = std::tan(degreeToRadian(lower + viewAngle));
    if (slope == 0)
        return std::nullopt;
    return finite(cameraHeight - distance / slope);
}

std::optional<double> calcLowerEdgeDrop(double cameraHeight, double viewAngle, double fromDistance,
                                        double pointDistance, double pointHeight)
{
    const double upper = radianToDegree(std::atan2(pointDistance, cameraHeight - pointHeight));
    const double slope = std::tan(degreeToRadian(upper - viewAngle));
    if (slope == 0)
        return std::nullopt;
    return finite((pointDistance - fromDistance) / slope);
}

std::optional<double> calcBracketAngle(double cameraHeight, double viewAngle,
                                       double lowerEdgeDistance)
{
    return finite(viewAngle / 2 + radianToDegree(std::atan2(lowerEdgeDistance, cameraHeight)) - 90);
}

} // namespace pendrik
