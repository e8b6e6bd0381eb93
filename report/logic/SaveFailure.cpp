#include "SaveFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>

namespace kiv {

SaveFailure saveFailureOf(const QString &target, int systemError)
{
    const QFileInfo info(target);
    // Qt refuses a folder in the target's place before any call of the
    // system, so no error code tells it.
    if (info.isDir())
        return SaveFailure::TargetIsFolder;
    if (!QFileInfo(info.absolutePath()).isDir())
        return SaveFailure::FolderMissing;
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
    // A file-size limit refuses the write as a full disk does.
    case EFBIG:
        return SaveFailure::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
    // The folder exists: a folder of the system answers a new file so.
    case ENOENT:
        return SaveFailure::FolderNotWritable;
    case EISDIR:
        return SaveFailure::TargetIsFolder;
    case EBUSY:
    case ETXTBSY:
        return SaveFailure::FileInUse;
    default:
        break;
    }
    return SaveFailure::Unknown;
}

SaveFailure folderFailureOf(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return SaveFailure::FolderMissing;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".varnel-XXXXXX")));
    return probe.open() ? SaveFailure::None : SaveFailure::FolderNotWritable;
}

// The report window shows these reasons; they are translated with its other
// texts.
QString saveFailureText(SaveFailure failure)
{
    switch (failure) {
    case SaveFailure::None:
        break;
    case SaveFailure::FolderMissing:
        return QCoreApplication::translate("kiv::ReportWidget", "The folder does not exist.");
    case SaveFailure::FolderNotWritable:
        return QCoreApplication::translate("kiv::ReportWidget", "The folder cannot be written to.");
    case SaveFailure::DiskFull:
        return QCoreApplication::translate("kiv::ReportWidget", "The disk is full.");
    case SaveFailure::TargetIsFolder:
        return QCoreApplication::translate("kiv::ReportWidget",
                                           "A folder of that name already exists.");
    case SaveFailure::FileInUse:
        return QCoreApplication::translate("kiv::ReportWidget",
                                           "The file is held by another program.");
    case SaveFailure::DevicesUnreadable:
        return QCoreApplication::translate("kiv::ReportWidget",
                                           "The task's devices could not be read.");
    case SaveFailure::TextTooLong:
        return QCoreApplication::translate("kiv::ReportWidget",
                                           "A text is too long for a workbook cell.");
    case SaveFailure::Unknown:
        return QCoreApplication::translate("kiv::ReportWidget", "The file could not be written.");
    }
    return QString();
}

} // namespace kiv
