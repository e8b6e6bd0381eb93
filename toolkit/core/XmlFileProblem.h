#pragma once

namespace KavrinGUIToolkit {

/// Why a data file of the program folder was not taken as data.
enum class XmlFileProblem {
    /// Read, or created because it was missing.
    None,
    /// Not there; for a file the program creates, it could not be created
    /// either (the folder is missing or cannot be written).
    Missing,
    /// There, but it cannot be opened for reading.
    Unreadable,
    /// There and readable, but not well-formed XML (cut short, other bytes,
    /// empty) or with another root element: a damaged or foreign file. Also
    /// anything at the path that is no regular file (a folder, a named pipe,
    /// a device), which is neither read nor written.
    Damaged
};

} // namespace KavrinGUIToolkit
