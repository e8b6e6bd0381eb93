#include "GenericDS.h"

#include "File.h"
#include "XmlRead.h"
#include "XmlSave.h"

#include <QFile>

namespace KavrinGUIToolkit {

CGenericDS::CGenericDS(const QDomDocument &doc, const QDomElement &element)
    : m_document(doc), m_element(element)
{
}

bool CGenericDS::LoadXML(const QString &path)
{
    QFile file;
    if (OpenRegularFile(file, path) != FileState::Regular)
        return false;
    QDomDocument doc;
    if (!ReadXmlDocument(file, &doc))
        return false;
    m_document = doc;
    m_element = doc.documentElement();
    return !m_element.isNull();
}

bool CGenericDS::SaveXML(const QString &path) const
{
    if (m_document.isNull())
        return false;
    return SaveDomDocument(m_document, path);
}

int CGenericDS::GetChildrenCount() const
{
    int count = 0;
    for (QDomElement e = m_element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        ++count;
    return count;
}

CGenericDS CGenericDS::GetChild(int index) const
{
    if (index < 0)
        return CGenericDS();
    int i = 0;
    for (QDomElement e = m_element.firstChildElement(); !e.isNull();
         e = e.nextSiblingElement(), ++i) {
        if (i == index)
            return CGenericDS(m_document, e);
    }
    return CGenericDS();
}

CGenericDS CGenericDS::GetChildByName(const QString &name) const
{
    const QDomElement e = m_element.firstChildElement(name);
    return e.isNull() ? CGenericDS() : CGenericDS(m_document, e);
}

QString CGenericDS::GetName() const
{
    return m_element.tagName();
}

QString CGenericDS::GetValue() const
{
    QString value;
    for (QDomNode n = m_element.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isText() || n.isCDATASection())
            value += n.toCharacterData().data();
    }
    return value;
}

bool CGenericDS::SetValue(const QString &value)
{
    if (m_element.isNull())
        return false;
    for (QDomNode n = m_element.firstChild(); !n.isNull();) {
        QDomNode next = n.nextSibling();
        if (n.isText() || n.isCDATASection())
            m_element.removeChild(n);
        n = next;
    }
    m_element.appendChild(m_document.createTextNode(value));
    return true;
}

} // namespace KavrinGUIToolkit
