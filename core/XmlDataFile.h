#pragma once

#include "XmlFile.h"
#include "XmlNode.h"

#include <QString>

/// One XML data file of the program folder that the program changes: read
/// whole when the object opens, written back whole when it closes. Construct
/// one per user action: the constructor opens (or creates) the file, the
/// destructor writes back what was changed through the object.
///
/// A file that is there but cannot be taken as data (cut short, other
/// bytes, another root element, or unreadable) is never taken as data and
/// never written: the object stays closed, and problem(), isDamaged() and
/// lastError() tell the caller why.
class XmlDataFile
{
public:
    virtual ~XmlDataFile();
    XmlDataFile(const XmlDataFile &) = delete;
    XmlDataFile &operator=(const XmlDataFile &) = delete;

    /// Reads the file, creating it when it is missing or empty. True while
    /// open; a second call on an open object changes nothing.
    bool open();
    /// Writes the document back when something was changed through this
    /// object; a document that was only read is not written. True (and
    /// closed) on success; false, still open, when the write failed;
    /// lastError() then says why, and unless a later close() succeeds the
    /// destructor drops the changes instead of saving them.
    bool close();
    bool isOpen() const { return m_open; }
    /// Why the last open() or close() failed, in the planner's language and
    /// naming the file or its folder: a full disk, a folder that cannot be
    /// written, a damaged file, a missing file that cannot be created, a file
    /// that cannot be read. Empty after a success.
    QString lastError() const { return m_lastError; }
    /// The file's full path; empty when the object names no file.
    QString path() const { return m_path; }
    /// What lastError() says after a write of the file at @p path failed
    /// with @p failure: a full disk, a folder or file that cannot be
    /// written, or a file that could not be saved.
    static QString saveProblemText(KavrinGUIToolkit::SaveFailure failure, const QString &path);
    /// Why the last open() failed: Missing when the file could not be created
    /// (no folder, or it cannot be written), Unreadable or Damaged when it is
    /// there and left as it is; None while open, and when the object names no
    /// file.
    XmlFileProblem problem() const { return m_problem; }
    /// True when the file is there and readable but not of its kind: not
    /// well-formed XML or another root element. The object stays closed and
    /// never writes it.
    bool isDamaged() const { return m_problem == XmlFileProblem::Damaged; }

    /// What the parsed documents kept between objects, so that the next
    /// object on an unchanged file does not parse it again, may cost in
    /// memory at most, estimated from their files' sizes, however many files
    /// are opened in turn: room for the largest task the program allows
    /// (1.76 MB, some 30 MiB parsed) and the task list. The documents used
    /// longest ago make room for a new one; one whose estimate alone is over
    /// the budget is not kept. A document lent to an object is the object's
    /// while it is open, and counts again once it is given back.
    static constexpr qint64 kKeptDocumentsBudget = 32 * 1024 * 1024;
    /// The estimated memory of the parsed documents kept at the moment.
    static qint64 keptDocumentsCost();

    /// Forgets every parsed document kept between objects (one lent at the
    /// moment is kept again when it is given back), and every device entry
    /// kept from a read, so that the next open or read of any file reads it
    /// from disk.
    static void forgetKeptDocumentsAndRecords();

protected:
    /// How an object opens its file.
    enum class Opening {
        /// A current parsed document kept for the file, or else the file read
        /// (created when missing or empty).
        ReadOrCreate,
        /// Only a current parsed document kept for the file and not lent at
        /// the moment: without one the object stays closed, problem() None and
        /// lastError() empty, and the file is not touched.
        KeptOnly
    };

    /// Opens the file at @p path, whose root element is @p rootTag. An empty
    /// path names no file: the object stays closed.
    XmlDataFile(const QString &path, const QString &rootTag,
                Opening opening = Opening::ReadOrCreate);

    /// What lastError() says after open() found @p problem with the file at
    /// @p path; empty for None.
    static QString openProblemText(XmlFileProblem problem, const QString &path);

    XmlNode &root() { return m_root; }
    const XmlNode &root() const { return m_root; }
    /// Records that the document differs from the file, so that close()
    /// writes it. Every change made through root() must call it.
    void markChanged()
    {
        m_dirty = true;
        m_keepable = false;
    }
    /// Sets the text of @p parent's child @p tag, adding the child when an
    /// older or hand-edited file lacks it, and marks the document changed.
    /// False, nothing changed, while closed or without a parent: a write to a
    /// position that does not exist is never reported as done.
    bool setChildText(XmlNode parent, const QString &tag, const QString &value);
    /// Drops whatever nodes a subclass keeps between calls. open() calls it
    /// whenever it reads the document anew, and close() when it hands the
    /// document on: nodes of the old document no longer belong to the file.
    virtual void forgetNodes() {}

private:
    void handOnDocument(bool saved);

    QString m_path;
    QString m_rootTag;
    XmlNode m_root;
    Opening m_opening = Opening::ReadOrCreate;
    bool m_open = false;
    bool m_dirty = false;
    bool m_saveFailed = false;
    // False once a change was made that the saved file may not read back
    // as it stands in memory: the document is then not kept after the save.
    bool m_keepable = true;
    // The loan of the document this object has open: a kept one lent to it,
    // or one it read itself and may hand on unchanged; 0 for neither.
    quint64 m_loan = 0;
    XmlFileProblem m_problem = XmlFileProblem::None;
    QString m_lastError;
};
