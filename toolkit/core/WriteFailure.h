#pragma once

#include "KavrinGUIToolkitCoreExport.h"

#include <QString>

namespace KavrinGUIToolkit {

/// Why a file could not be written, as far as the system and the folder tell.
enum class SaveFailure {
    /// Written.
    None,
    /// The disk (or the file size this process may write) has no room left.
    NoRoom,
    /// The folder of the file is not there.
    NoFolder,
    /// The folder, or the file itself, may not be written: permissions, a
    /// read-only mount, a folder of the system.
    NotWritable,
    /// A folder stands where the file should be.
    TargetIsFolder,
    /// Another program holds the file.
    InUse,
    /// Nothing was written: the bytes would break a limit of the program's
    /// reader (ReadXmlBytes()), which would then refuse the whole file.
    BeyondReadLimits,
    /// Nothing was written: the document holds what its encoding cannot write
    /// so that it reads back as it stands, or what would not parse.
    WouldNotReadBack,
    /// Anything else.
    Other
};

/// True for the system's error codes of a disk or quota without room.
KAVRIN_CORE_EXPORT bool IsNoRoomError(int systemError);

/// The failure to write @p path, from the system's error code of the call that
/// failed (errno; 0 when it set none) and the folder as it stands now. A folder
/// in the file's place and a missing folder are told whatever the code says.
KAVRIN_CORE_EXPORT SaveFailure SaveFailureOf(int systemError, const QString &path);

} // namespace KavrinGUIToolkit
