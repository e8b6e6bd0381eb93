#include "XmlDataFile.h"

#include "BudgetedCache.h"
#include "CoreLogging.h"
#include "DeviceFileStream.h"
#include "FileStamp.h"

#include <File.h>
#include <XmlRead.h>
#include <XmlSave.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

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
    case SaveFailure::BeyondReadLimits:
        return QCoreApplication::translate(
                   "XmlDataFile",
                   "The change was not saved: the file %1 would then hold more than the program "
                   "reads (%2 MB, %3 elements, elements nested %4 deep, %5 attributes on one "
                   "element). The file is as it was.")
            .arg(native(path))
            .arg(KavrinGUIToolkit::kMaxXmlFileBytes / (1024 * 1024))
            .arg(KavrinGUIToolkit::kMaxXmlElements)
            .arg(KavrinGUIToolkit::kMaxXmlDepth)
            .arg(KavrinGUIToolkit::kMaxXmlAttributes);
    case SaveFailure::WouldNotReadBack:
        return QCoreApplication::translate(
                   "XmlDataFile",
                   "The change was not saved: the file %1 holds text, written by hand or by "
                   "another program, that could not be written back as it reads. The file is as "
                   "it was.")
            .arg(native(path));
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

// Parsed documents kept between the objects that open one file in turn, so
// that an edit does not parse the file again when nobody changed it. A kept
// document is lent to one object at a time: it leaves the cache for the
// loan, and while it is lent, a second object on the same file reads the
// file for itself, since the one closed last decides what the file holds.
//
// A parsed document costs many times its file's size, so what is kept is
// held to a fixed budget of estimated memory, however many tasks the
// planner goes through (BudgetedCache).
class KeptDocuments
{
public:
    static KeptDocuments &instance()
    {
        static KeptDocuments kept;
        return kept;
    }

    /// What a parsed document of a file of @p fileSize bytes is taken to
    /// cost in memory.
    static qint64 estimatedCost(qint64 fileSize) { return fileSize * kDocumentBytesPerFileByte; }

    /// Lends the document kept for @p path when the file is still the one it
    /// was read from or written to; a null node otherwise. @p loan then names
    /// the loan for giveBack().
    XmlNode take(const QString &path, quint64 *loan)
    {
        std::optional<Documents::Taken> kept = m_documents.take(path);
        if (!kept)
            return XmlNode();
        *loan = ++m_loans;
        m_loanOf.insert(*loan, {path, kept->stamp, true});
        return kept->value;
    }

    /// Notes how the file at @p path stands just before an object reads it:
    /// the document it then reads is at least as new, so should the file
    /// change meanwhile, the note no longer matches it. The note is named by
    /// the loan number returned, for giveBack(); 0 for a file whose document
    /// would not be kept.
    quint64 noteRead(const QString &path)
    {
        if (estimatedCost(QFileInfo(path).size()) > m_documents.budget())
            return 0;
        const FileStamp stamp = stampOf(path);
        if (!stamp.valid || estimatedCost(stamp.size) > m_documents.budget())
            return 0;
        const quint64 loan = ++m_loans;
        m_loanOf.insert(loan, {path, stamp, false});
        return loan;
    }

    /// Ends the loan @p loan of an unchanged document: a kept one is kept
    /// again, unless the file was saved or dropped meanwhile; one the object
    /// read itself is kept unless another object keeps or holds one of the
    /// same file.
    void giveBack(const QString &path, quint64 loan, const XmlNode &root)
    {
        const Loan ended = m_loanOf.take(loan);
        if (ended.path != path || m_documents.holds(path))
            return;
        if (ended.lent || !isLent(path))
            m_documents.keep(path, root, ended.stamp, estimatedCost(ended.stamp.size));
    }

    /// Keeps @p root as what the file at @p path holds now, in place of any
    /// document kept or lent for it.
    void keep(const QString &path, const XmlNode &root, quint64 loan)
    {
        drop(path, loan);
        const FileStamp stamp = stampOf(path);
        m_documents.keep(path, root, stamp, estimatedCost(stamp.size));
    }

    /// Forgets what is kept or lent for the file at @p path, and ends the
    /// loan @p loan.
    void drop(const QString &path, quint64 loan)
    {
        m_loanOf.remove(loan);
        m_documents.forget(path);
        // A document lent out for the file would come back older than it.
        m_loanOf.removeIf([&path](const std::pair<const quint64 &, Loan &> &other) {
            return other.second.lent && other.second.path == path;
        });
    }

    qint64 cost() const { return m_documents.cost(); }

    /// Forgets every document kept; a lent one is kept again when it comes
    /// back.
    void forgetAll() { m_documents.forgetAll(); }

private:
    struct Loan
    {
        QString path;
        FileStamp stamp;
        // Lent from the cache, rather than read by its object.
        bool lent = false;
    };

    bool isLent(const QString &path) const
    {
        return std::any_of(m_loanOf.cbegin(), m_loanOf.cend(),
                           [&path](const Loan &loan) { return loan.lent && loan.path == path; });
    }

    // A parsed document holds some 17 bytes for every byte of a task's file
    // (mostly short elements, each a node with its name and a text node); the
    // estimate errs on the high side.
    static constexpr qint64 kDocumentBytesPerFileByte = 18;
    using Documents = BudgetedCache<XmlNode>;
    Documents m_documents{XmlDataFile::kKeptDocumentsBudget};
    // The documents lent and the reads noted, by loan number.
    QHash<quint64, Loan> m_loanOf;
    quint64 m_loans = 0;
};

// True when @p text reads back from the saved file exactly as it stands in
// the document: the save writes forbidden characters as U+FFFD, and a text
// of white space alone is dropped when the file is parsed.
bool readsBackAsWritten(const QString &text)
{
    if (text.isEmpty())
        return true;
    if (text.trimmed().isEmpty())
        return false;
    return KavrinGUIToolkit::IsXmlText(text);
}

} // namespace

XmlDataFile::XmlDataFile(const QString &path, const QString &rootTag, Opening opening)
    : m_path(path), m_rootTag(rootTag), m_opening(opening)
{
    open();
}

QString XmlDataFile::openProblemText(XmlFileProblem problem, const QString &path)
{
    return openFailureText(problem, SaveFailure::None, path);
}

QString XmlDataFile::saveProblemText(SaveFailure failure, const QString &path)
{
    return saveFailureText(failure, path);
}

qint64 XmlDataFile::keptDocumentsCost()
{
    return KeptDocuments::instance().cost();
}

void XmlDataFile::forgetKeptDocumentsAndRecords()
{
    KeptDocuments::instance().forgetAll();
    KeptRecords::instance().forgetAll();
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
    m_keepable = true;
    m_loan = 0;
    forgetNodes();
    const XmlNode kept = KeptDocuments::instance().take(m_path, &m_loan);
    if (!kept.isNull()) {
        m_root = kept;
        m_problem = XmlFileProblem::None;
        m_lastError.clear();
        m_open = true;
        return true;
    }
    if (m_opening == Opening::KeptOnly) {
        m_problem = XmlFileProblem::None;
        m_lastError.clear();
        return false;
    }
    m_loan = KeptDocuments::instance().noteRead(m_path);
    SaveFailure createFailure = SaveFailure::None;
    m_open = openXmlDataFile(m_root, m_path, m_rootTag, &m_problem, &createFailure);
    m_lastError = openFailureText(m_problem, createFailure, m_path);
    if (!m_open)
        KeptDocuments::instance().drop(m_path, m_loan);
    return m_open;
}

void XmlDataFile::handOnDocument(bool saved)
{
    KeptDocuments &kept = KeptDocuments::instance();
    if (saved && m_keepable)
        kept.keep(m_path, m_root, m_loan);
    else if (saved)
        kept.drop(m_path, m_loan);
    else
        kept.giveBack(m_path, m_loan, m_root);
    m_loan = 0;
    // The document may now be lent to another object: this one keeps no
    // handle on it.
    forgetNodes();
    m_root = XmlNode();
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
        handOnDocument(false);
        return true;
    }
    QString detail;
    SaveFailure failure = SaveFailure::None;
    if (!m_root.save(m_path, &detail, &failure)) {
        // Whatever is on disk now, no kept document tells it.
        KeptDocuments::instance().drop(m_path, m_loan);
        m_loan = 0;
        m_saveFailed = true;
        m_lastError = saveFailureText(failure, m_path);
        qCDebug(lcCore) << "cannot write" << m_path << ":" << detail;
        return false;
    }
    m_lastError.clear();
    m_saveFailed = false;
    m_open = false;
    m_dirty = false;
    handOnDocument(true);
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
    if (!readsBackAsWritten(value))
        m_keepable = false;
    return true;
}
