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

/// Why a catalogue was not read.
enum class CatalogueProblem {
    None,
    /// The file is not there.
    Missing,
    /// The file is there but cannot be opened, is not well-formed XML or has
    /// another root element ("LensInfo" for the lens catalogue,
    /// "CameraLensInfo" for the camera catalogue).
    Damaged
};

/// Appends every lens of the lens catalogue to @p lenses (which is not
/// cleared). False, with nothing appended, when the file is missing or
/// damaged (@p problem, when given, says which); true otherwise, also when
/// it holds no lens.
bool loadLensInfo(QList<LensInfo> *lenses, CatalogueProblem *problem = nullptr);
/// Appends every camera of the camera catalogue of the configured language
/// to @p cameras, with the same results as loadLensInfo().
bool loadCameraLensInfo(QList<CameraInfo> *cameras, CatalogueProblem *problem = nullptr);

/// The readers behind the two loaders, over a given file.
bool loadLensInfoFile(const QString &path, QList<LensInfo> *lenses,
                      CatalogueProblem *problem = nullptr);
bool loadCameraLensInfoFile(const QString &path, QList<CameraInfo> *cameras,
                            CatalogueProblem *problem = nullptr);

} // namespace pendrik
