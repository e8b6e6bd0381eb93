#include "WriteFailure.h"

#include <QFileInfo>

#include <cerrno>

namespace KavrinGUIToolkit {

bool IsNoRoomError(int systemError)
{
    return systemError == ENOSPC || systemError == EDQUOT;
}

SaveFailure SaveFailureOf(int systemError, const QString &path)
{
    const QFileInfo file(path);
    // Qt refuses a folder in the file's place before any call of the system,
    // so no error code tells it.
    if (file.isDir())
        return SaveFailure::TargetIsFolder;
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return SaveFailure::NoFolder;
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
    // A file-size limit refuses the write as a full disk does.
    case EFBIG:
        return SaveFailure::NoRoom;
    case EACCES:
    case EPERM:
    case EROFS:
    // The folder exists: a folder of the system answers a new file so.
    case ENOENT:
        return SaveFailure::NotWritable;
    case EISDIR:
        return SaveFailure::TargetIsFolder;
    case EBUSY:
    case ETXTBSY:
        return SaveFailure::InUse;
    default:
        break;
    }
    if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        return SaveFailure::NotWritable;
    return SaveFailure::Other;
}

} // namespace KavrinGUIToolkit
