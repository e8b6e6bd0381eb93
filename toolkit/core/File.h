#pragma once

#include "KavrinGUIToolkitCoreExport.h"
#include "WriteFailure.h"
#include "XmlFileProblem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QFile;

namespace KavrinGUIToolkit {

class KAVRIN_CORE_EXPORT CFile
{
public:
    /// The UTF-8 texts of @p folder + each name of @p files, in order, joined
    /// by new lines. Files that cannot be read contribute nothing.
    static QString ReadAll(const QStringList &files, const QString &folder);
};

/// What stands at the path of a data file.
enum class FileState {
    /// A regular file, or a symbolic link to one.
    Regular,
    /// Nothing, or a symbolic link to nothing.
    Missing,
    /// A folder, a named pipe, a device, a socket or a loop of links: no
    /// data file of the program's. Reading a pipe or a terminal waits for a
    /// writer that never comes, and a device such as /dev/zero never ends,
    /// so it is never read, and never written either.
    NotAFile,
    /// A regular file, or a path, that this process may not read.
    Unreadable
};

/// What stands at @p path, without opening it; @p size, when given, gets the
/// size of a regular file (0 otherwise).
KAVRIN_CORE_EXPORT FileState StateOfFile(const QString &path, qint64 *size = nullptr);

/// Opens the data file at @p path for reading into @p file, and only when it
/// is a regular file (a symbolic link to one counts). Anything else is never
/// opened, so nothing at that path can make the open or a read wait or run
/// without end: the type is looked at before the open, and once more on what
/// the open gave (without blocking), should the path have been replaced in
/// between. Regular when @p file is open; every reader of the program's data
/// files opens their bytes here.
KAVRIN_CORE_EXPORT FileState OpenRegularFile(QFile &file, const QString &path);

/// Opens the data file at @p path for reading into @p file, as
/// OpenRegularFile() does, and says what that means for reading it as data:
/// None when @p file is open; Missing; Unreadable; or Damaged for anything at
/// the path that is no regular file, which is never opened. @p reason, when
/// given, says it in a few words for the debug output ("not a regular file");
/// empty for None. Every reader of a data file takes its problem from here.
KAVRIN_CORE_EXPORT XmlFileProblem OpenDataFile(QFile &file, const QString &path,
                                               QString *reason = nullptr);

/// True for the name of a temporary file that SaveWholeFile() writes beside
/// its target: a dot, "varnel-save-" and six letters or digits. No planner
/// names a file so, and no other program writes such a name.
KAVRIN_CORE_EXPORT bool IsSaveTemporaryName(const QString &fileName);

/// Writes @p bytes as the whole file @p path, or nothing at all: into a new
/// temporary file beside it (see IsSaveTemporaryName(); its name is of the
/// same length whatever the target's, so a target of the longest name the
/// file system takes can be saved), flushed to the disk, then renamed over
/// the target, and the folder flushed to the disk after the rename, so that
/// a power cut after a save finds the new file. A target that is a symbolic
/// link is written where the link leads; the new file takes the permissions
/// of the file it replaces. False when the target is there but may not be
/// written or is no regular file, or when the write fails; @p error then
/// gives the system's reason, @p failure its kind, the old file is as it was
/// and no temporary file is left. A folder that cannot be flushed after the
/// rename fails no save (the new file is in place, only not yet sure to
/// outlast a power cut); it is logged.
///
/// Where the file system allows, the new file has no name until it is whole
/// (O_TMPFILE); elsewhere (FAT, exFAT, a network share) it is made under its
/// temporary name at once, and a save cut off then leaves that file, which
/// the start-up removes. Test switch: the environment variable
/// VARNEL_TEST_NO_TMPFILE=1, read at the first save, makes every save of the
/// process take that second path on any file system.
KAVRIN_CORE_EXPORT bool SaveWholeFile(const QString &path, const QByteArray &bytes,
                                      QString *error = nullptr, SaveFailure *failure = nullptr);

/// How SaveWholeFile() flushes a folder to the disk after its rename: the
/// system's fsync() unless a test put another in its place.
using FolderSync = int (*)(int folderFd);

/// For tests: @p sync flushes the folders of the saves from now on, in place
/// of fsync(), and is given the open folder; nullptr brings fsync() back.
KAVRIN_CORE_EXPORT void SetFolderSyncForTests(FolderSync sync);

} // namespace KavrinGUIToolkit
