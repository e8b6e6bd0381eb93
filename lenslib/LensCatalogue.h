#pragma once

#include "LensInfo.h"

#include <QList>
#include <QString>

namespace pendrik {

/// The lens catalogue, "CameraLensInfo/LensInfo.xml" in the program folder
/// (one file for every language).
QString lensCataloguePath();
/// The camera catalogue of the configured language: Camera_Lens.xml when the
/// setting "Translator" is 1, Camera_Lens_en.xml otherwise (also when the
/// setting is missing).
QString cameraCataloguePath();

/// Appends every lens of the lens catalogue to @p lenses (which is not
/// cleared). False, with nothing appended, when the file cannot be read or
/// is not well-formed XML; true otherwise, also when it holds no lens.
bool loadLensInfo(QList<LensInfo> *lenses);
/// Appends every camera of the camera catalogue of the configured language
/// to @p cameras, with the same results as loadLensInfo().
bool loadCameraLensInfo(QList<CameraInfo> *cameras);

/// The readers behind the two loaders, over a given file.
bool loadLensInfoFile(const QString &path, QList<LensInfo> *lenses);
bool loadCameraLensInfoFile(const QString &path, QList<CameraInfo> *cameras);

} // namespace pendrik
