#pragma once

#include "KavrinGUIToolkitCoreExport.h"

#include <QDomDocument>
#include <QDomElement>
#include <QString>

namespace KavrinGUIToolkit {

/// A node of an XML settings tree. Copies share the same document, so a value
/// set through one copy is seen by all and saved with the document.
class KAVRIN_CORE_EXPORT CGenericDS
{
public:
    CGenericDS() = default;

    /// Reads and parses @p path; this node becomes the root. False when the
    /// file cannot be read or is not well-formed XML (the node is unchanged).
    bool LoadXML(const QString &path);
    /// Writes the whole tree in the encoding its declaration names.
    bool SaveXML(const QString &path) const;

    bool IsNull() const { return m_element.isNull(); }
    int GetChildrenCount() const;
    /// The i-th element child; a null node when out of range.
    CGenericDS GetChild(int index) const;
    /// The first element child with that tag; a null node when none.
    CGenericDS GetChildByName(const QString &name) const;
    /// The element's tag.
    QString GetName() const;
    /// The element's own text (its text children, joined).
    QString GetValue() const;
    /// Replaces the element's text; false for a null node.
    bool SetValue(const QString &value);

private:
    CGenericDS(const QDomDocument &doc, const QDomElement &element);

    QDomDocument m_document;
    QDomElement m_element;
};

} // namespace KavrinGUIToolkit
