#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>
#include <QVector>

class QIODevice;

namespace KavrinGUIToolkit {
enum class SaveFailure;
}

/// A DOM element paired with the document that owns it. Copies share the same
/// nodes: a change made through one copy is seen through all of them.
/// Positions count element children (childAt, childCount) except for
/// removeChildAt, which counts child nodes of every kind.
class XmlNode
{
public:
    XmlNode() = default;

    /// Reads the file into this node's document; true whenever the file could
    /// be opened, whether or not it parsed. A null or unreadable path, and one
    /// that is no regular file (KavrinGUIToolkit::OpenRegularFile()), leaves
    /// the node as it was.
    bool load(const QString &path);
    /// Reads the rest of @p device, open for reading, into this node's
    /// document, as load() does with a file.
    void read(QIODevice &device);
    /// True when the last load() parsed the whole file; false after a parse
    /// error (the document then holds only what was parsed before it).
    bool parsed() const { return m_parsed; }
    /// Writes the document in the encoding its declaration names (GB2312 for
    /// the program's files), atomically, through
    /// KavrinGUIToolkit::SaveDomDocument(). False when the file cannot be
    /// written or its bytes would not read back (beyond the reader's limits,
    /// or text that cannot be written as it stands); @p error then gives the
    /// reason and @p failure its kind, and the old file is as it was.
    bool save(const QString &path, QString *error = nullptr,
              KavrinGUIToolkit::SaveFailure *failure = nullptr) const;
    /// Starts a new document with the GB2312 declaration and the root @p tag.
    bool createRoot(const QString &tag);

    bool isNull() const { return m_element.isNull(); }
    int childCount() const;
    XmlNode childAt(int index) const;
    XmlNode childByName(const QString &tag) const;
    /// childByName() for several tags in one walk: element i of the result is
    /// the first descendant with tags[i] (a null node when there is none).
    QVector<XmlNode> childrenByName(const QVector<QString> &tags) const;
    XmlNode addChild(const QString &tag);
    /// The next element among this node's siblings; a null node when none.
    XmlNode nextSiblingElement() const;

    bool setText(const QString &text);
    bool setInt(int value);
    QString text() const;
    bool getText(QString &text) const;

    void removeChildAt(int index);
    /// Removes @p child when it is a child of this node; false otherwise.
    bool removeChild(const XmlNode &child);
    void removeChildByTag(const QString &tag);

    bool tagIs(const QString &tag) const;
    QString name() const;
    bool setAttribute(const QString &name, const QString &value);
    QString attribute(const QString &name, const QString &defaultValue = QString()) const;

private:
    XmlNode(const QDomElement &element, const QDomDocument &document);

    QDomElement m_element;
    QDomDocument m_document;
    bool m_parsed = true;
};
