#include "XmlNode.h"

#include <File.h>
#include <XmlRead.h>
#include <XmlSave.h>

#include <QDomProcessingInstruction>
#include <QDomText>
#include <QFile>

XmlNode::XmlNode(const QDomElement &element, const QDomDocument &document)
    : m_element(element), m_document(document)
{
}

bool XmlNode::load(const QString &path)
{
    QFile file;
    if (KavrinGUIToolkit::OpenRegularFile(file, path) != KavrinGUIToolkit::FileState::Regular)
        return false;
    read(file);
    return true;
}

void XmlNode::read(QIODevice &device)
{
    // A fresh document keeps other nodes' handles on the previous one valid.
    QDomDocument doc;
    m_parsed = KavrinGUIToolkit::ReadXmlDocument(device, &doc);
    m_document = doc;
    m_element = m_document.documentElement();
}

bool XmlNode::save(const QString &path, QString *error,
                   KavrinGUIToolkit::SaveFailure *failure) const
{
    return KavrinGUIToolkit::SaveDomDocument(m_document, path, error, failure);
}

bool XmlNode::createRoot(const QString &tag)
{
    m_document.appendChild(m_document.createProcessingInstruction(
        QStringLiteral("xml"),
        KavrinGUIToolkit::XmlDeclarationData(QLatin1String(KavrinGUIToolkit::kDataFileEncoding))));
    m_element = m_document.createElement(tag);
    m_document.appendChild(m_element);
    m_parsed = true;
    return true;
}

int XmlNode::childCount() const
{
    int count = 0;
    for (QDomNode n = m_element.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isElement())
            ++count;
    }
    return count;
}

XmlNode XmlNode::childAt(int index) const
{
    if (m_element.isNull() || index < 0)
        return XmlNode();
    int i = 0;
    for (QDomNode n = m_element.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (!n.isElement())
            continue;
        if (i == index)
            return XmlNode(n.toElement(), m_document);
        ++i;
    }
    return XmlNode();
}

namespace {

// Pre-order walk over the element descendants of @p root; @p visit returns
// true to stop.
template <typename Visit> void walkDescendants(const QDomElement &root, Visit visit)
{
    QDomElement e = root.firstChildElement();
    while (!e.isNull()) {
        if (visit(e))
            return;
        const QDomElement child = e.firstChildElement();
        if (!child.isNull()) {
            e = child;
            continue;
        }
        for (;;) {
            const QDomElement next = e.nextSiblingElement();
            if (!next.isNull()) {
                e = next;
                break;
            }
            e = e.parentNode().toElement();
            if (e.isNull() || e == root)
                return;
        }
    }
}

} // namespace

XmlNode XmlNode::childByName(const QString &tag) const
{
    if (m_element.isNull() || !m_element.hasChildNodes())
        return XmlNode();
    // First descendant element with the tag in document order, walked over
    // elements only so the search stops at the first match.
    XmlNode found;
    walkDescendants(m_element, [&](const QDomElement &e) {
        if (e.tagName() != tag)
            return false;
        found = XmlNode(e, m_document);
        return true;
    });
    return found;
}

QVector<XmlNode> XmlNode::childrenByName(const QVector<QString> &tags) const
{
    QVector<XmlNode> found(tags.size());
    if (m_element.isNull() || !m_element.hasChildNodes())
        return found;
    qsizetype missing = tags.size();
    walkDescendants(m_element, [&](const QDomElement &e) {
        const QString name = e.tagName();
        for (qsizetype i = 0; i < tags.size(); ++i) {
            if (found.at(i).isNull() && tags.at(i) == name) {
                found[i] = XmlNode(e, m_document);
                --missing;
            }
        }
        return missing == 0;
    });
    return found;
}

XmlNode XmlNode::nextSiblingElement() const
{
    const QDomElement next = m_element.nextSiblingElement();
    return next.isNull() ? XmlNode() : XmlNode(next, m_document);
}

XmlNode XmlNode::addChild(const QString &tag)
{
    XmlNode child;
    child.m_document = m_document;
    if (m_element.isNull())
        return child;
    child.m_element = m_document.createElement(tag);
    m_element.appendChild(child.m_element);
    return child;
}

bool XmlNode::setText(const QString &text)
{
    if (m_element.isNull())
        return false;
    for (QDomNode n = m_element.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isText()) {
            n.toText().setData(text);
            return true;
        }
    }
    m_element.appendChild(m_document.createTextNode(text));
    return true;
}

bool XmlNode::setInt(int value)
{
    return setText(QString::number(value, 10));
}

QString XmlNode::text() const
{
    QString value;
    getText(value);
    return value;
}

bool XmlNode::getText(QString &text) const
{
    for (QDomNode n = m_element.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isText()) {
            text = n.toText().data();
            return true;
        }
    }
    return false;
}

void XmlNode::removeChildAt(int index)
{
    int i = 0;
    for (QDomNode n = m_element.firstChild(); !n.isNull(); n = n.nextSibling(), ++i) {
        if (i == index) {
            m_element.removeChild(n);
            return;
        }
    }
}

bool XmlNode::removeChild(const XmlNode &child)
{
    if (m_element.isNull() || child.m_element.isNull() || child.m_element.parentNode() != m_element)
        return false;
    m_element.removeChild(child.m_element);
    return true;
}

void XmlNode::removeChildByTag(const QString &tag)
{
    for (QDomNode n = m_element.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isElement() && n.toElement().tagName() == tag) {
            m_element.removeChild(n);
            return;
        }
    }
}

bool XmlNode::tagIs(const QString &tag) const
{
    return m_element.tagName() == tag;
}

QString XmlNode::name() const
{
    return m_element.nodeName();
}

bool XmlNode::setAttribute(const QString &name, const QString &value)
{
    if (m_element.isNull())
        return false;
    m_element.setAttribute(name, value);
    return true;
}

QString XmlNode::attribute(const QString &name, const QString &defaultValue) const
{
    return m_element.attribute(name, defaultValue);
}
