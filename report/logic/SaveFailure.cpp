#include "SaveFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <WriteFailure.h>

namespace kiv {

SaveFailure saveFailureOf(const QString &target, int systemError)
{
    using KavrinGUIToolkit::SaveFailureOf;
    switch (SaveFailureOf(systemError, target)) {
    case KavrinGUIToolkit::SaveFailure::None:
        return SaveFailure::None;
    case KavrinGUIToolkit::SaveFailure::NoRoom:
        return SaveFailure::DiskFull;
    case KavrinGUIToolkit::SaveFailure::NoFolder:
        return SaveFailure::FolderMissing;
    case KavrinGUIToolkit::SaveFailure::NotWritable:
        return SaveFailure::FolderNotWritable;
    case KavrinGUIToolkit::SaveFailure::TargetIsFolder:
        return SaveFailure::TargetIsFolder;
    case KavrinGUIToolkit::SaveFailure::InUse:
        return SaveFailure::FileInUse;
    case KavrinGUIToolkit::SaveFailure::BeyondReadLimits:
    case KavrinGUIToolkit::SaveFailure::WouldNotReadBack:
    case KavrinGUIToolkit::SaveFailure::Other:
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
