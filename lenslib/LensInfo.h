#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// One lens of the lens catalogue. Texts keep at most the number of
/// characters given by the k...Chars constants; longer catalogue texts are
/// cut when read.
struct LensInfo
{
    static constexpr int kLensIdChars = 11;
    static constexpr int kModelChars = 23;
    static constexpr int kBrandChars = 11;
    static constexpr int kApertureChars = 11;
    static constexpr int kSensorFormatChars = 7;
    static constexpr int kInterfaceChars = 11;

    QString lensId; ///< kept, never shown or compared
    QString model;  ///< matched against a camera's recommended models
    QString brand;
    float minFocal = 0;    ///< mm
    float maxFocal = 0;    ///< mm
    QString aperture;      ///< for example "F1.4"
    QString sensorFormat;  ///< for example "1/3"
    QString lensInterface; ///< the mount, for example "CS"

    /// A lens whose focal range is narrower than 0.01 mm has one focal length.
    bool isFixed() const { return maxFocal - minFocal < 0.01f; }
};

/// One resolution of a camera with the size of the sensor area it uses.
struct CameraResolution
{
    int width = 0;          ///< pixels; negative for an analog camera
    int height = 0;         ///< pixels
    float targetWidth = 0;  ///< sensor width in mm
    float targetHeight = 0; ///< sensor height in mm

    bool isAnalog() const { return width < 0; }
};

/// One camera entry of the camera catalogue.
struct CameraInfo
{
    static constexpr int kNameChars = 119;

    /// One or more model names joined by "/", shown as one entry.
    QString name;
    QList<CameraResolution> resolutions;
    /// Lens models suggested for the camera, in catalogue order.
    QStringList recommendedLensTypes;
};
