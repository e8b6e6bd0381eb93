#pragma once

#include <QString>

/// The fixed tasks the gallery shows, written through the task files into
/// the program folder the process uses, in the texts of the interface
/// language. The first task has a device of every class (two network
/// cameras, a speed dome, a DVR, an NVR and a CVR) with streams, record
/// plans and accessories, and a stored result of every calculator; two
/// smaller tasks follow it in the task list.
namespace gallerytasks {

/// Writes the tasks; the catalogue must be open. False, with @p error set,
/// when a file could not be written.
bool write(int language, QString &error);

/// The name of the first task in the language.
QString firstTaskName(int language);

/// Rows of the first task's device list, in file order.
enum Row {
    LensHostCameraRow = 0, ///< a camera the lens calculator knows
    BoxCameraRow = 1,      ///< a camera with a lens, a stand and a shield from the catalogue
    DomeRow = 2,
    DvrRow = 3,
    NvrRow = 4,
    CvrRow = 5,
};

} // namespace gallerytasks
