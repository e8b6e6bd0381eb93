#pragma once

#include <QString>

namespace kiv {

/// Why an export of the report was not written, as the planner is told.
enum class SaveFailure {
    None,
    /// The target's folder does not exist (any more).
    FolderMissing,
    /// The folder takes no new file: no permission, a read-only disk, a
    /// folder of the system.
    FolderNotWritable,
    /// The disk or the planner's quota is full, or the disk takes no file
    /// that large.
    DiskFull,
    /// A folder has the target's name.
    TargetIsFolder,
    /// Another program holds the file.
    FileInUse,
    /// The task's device file could not be read.
    DevicesUnreadable,
    /// A text is longer than a workbook cell holds.
    TextTooLong,
    /// Any other failure of the system.
    Unknown,
};

/// The failure to write @p target, from what is found there and the system's
/// error code of the call that failed (errno; 0 when the call set none). A
/// folder in the target's place and a missing folder are told whatever the
/// code.
SaveFailure saveFailureOf(const QString &target, int systemError);

/// Whether a new file can be made in @p folder: FolderMissing when it is not
/// a folder, FolderNotWritable when it takes no new file, None when it does.
/// A file is created and removed to find out: permission bits do not tell
/// (root passes them, a read-only disk does not show in them).
SaveFailure folderFailureOf(const QString &folder);

/// The reason as the planner reads it, in the interface's language, one
/// sentence; "" for None.
QString saveFailureText(SaveFailure failure);

} // namespace kiv
