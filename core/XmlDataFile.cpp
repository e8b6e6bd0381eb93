#include "XmlDataFile.h"

#include "CoreLogging.h"

#include <XmlSave.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using KavrinGUIToolkit::SaveFailure;

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString folderOf(const QString &path)
{
    return native(QFileInfo(path).absolutePath());
}

// The reason a write of the file at @p path failed, as the planner reads it.
QString saveFailureText(SaveFailure failure, const QString &path)
{
    switch (failure) {
    case SaveFailure::NoRoom:
        return QCoreApplication::translate("XmlDataFile", "The disk that holds %1 is full.")
            .arg(native(path));
    case SaveFailure::NoFolder:
        return QCoreApplication::translate("XmlDataFile", "The folder %1 is missing.")
            .arg(folderOf(path));
    case SaveFailure::NotWritable:
        if (const QFileInfo file(path); file.exists() && !file.isWritable())
            return QCoreApplication::translate("XmlDataFile", "The file %1 cannot be written.")
                .arg(native(path));
        return QCoreApplication::translate("XmlDataFile", "The folder %1 cannot be written.")
            .arg(folderOf(path));
    case SaveFailure::None:
    case SaveFailure::TargetIsFolder:
    case SaveFailure::InUse:
    case SaveFailure::Other:
        break;
    }
    return QCoreApplication::translate("XmlDataFile", "The file %1 could not be saved.")
        .arg(native(path));
}

// The reason the file at @p path could not be opened, as the planner reads
// it; @p createFailure says why a missing file could not be created.
QString openFailureText(XmlFileProblem problem, SaveFailure createFailure, const QString &path)
{
    switch (problem) {
    case XmlFileProblem::None:
        return QString();
    case XmlFileProblem::Missing:
        // A full disk or a locked folder is what the planner can mend.
        if (createFailure == SaveFailure::NoRoom || createFailure == SaveFailure::NotWritable)
            return saveFailureText(createFailure, path);
        return QCoreApplication::translate("XmlDataFile",
                                           "The file %1 is missing and cannot be created.")
            .arg(native(path));
    case XmlFileProblem::Unreadable:
        return QCoreApplication::translate("XmlDataFile", "The file %1 cannot be read.")
            .arg(native(path));
    case XmlFileProblem::Damaged:
        return QCoreApplication::translate(
                   "XmlDataFile", "The file %1 is damaged or is not a file of this program.")
            .arg(native(path));
    }
    return QString();
}

} // namespace

XmlDataFile::XmlDataFile(const QString &path, const QString &rootTag)
    : m_path(path), m_rootTag(rootTag)
{
    open();
}

XmlDataFile::~XmlDataFile()
{
    // After a save that failed and was reported, the changes are dropped: a
    // later save from here would store what the caller was told is not
    // stored.
    if (!m_saveFailed)
        close();
}

bool XmlDataFile::open()
{
    if (m_open)
        return true;
    if (m_path.isEmpty())
        return false;
    m_dirty = false;
    m_saveFailed = false;
    SaveFailure createFailure = SaveFailure::None;
    m_open = openXmlDataFile(m_root, m_path, m_rootTag, &m_problem, &createFailure);
    m_lastError = openFailureText(m_problem, createFailure, m_path);
    forgetNodes();
    return m_open;
}

bool XmlDataFile::close()
{
    if (!m_open)
        return false;
    // A document that was only read is not written back: its file already
    // holds it, and rewriting it could undo what another object on the same
    // file saved in the meantime.
    if (!m_dirty) {
        m_open = false;
        return true;
    }
    QString detail;
    SaveFailure failure = SaveFailure::None;
    if (!m_root.save(m_path, &detail, &failure)) {
        m_saveFailed = true;
        m_lastError = saveFailureText(failure, m_path);
        qCDebug(lcCore) << "cannot write" << m_path << ":" << detail;
        return false;
    }
    m_lastError.clear();
    m_saveFailed = false;
    m_open = false;
    m_dirty = false;
    return true;
}

bool XmlDataFile::setChildText(XmlNode parent, const QString &tag, const QString &value)
{
    if (!m_open || parent.isNull())
        return false;
    XmlNode node = parent.childByName(tag);
    if (node.isNull())
        node = parent.addChild(tag);
    node.setText(value);
    m_dirty = true;
    return true;
}
