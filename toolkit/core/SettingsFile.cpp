#include "SettingsFile.h"

#include "File.h"
#include "XmlRead.h"
#include "XmlSave.h"

#include <QDomElement>
#include <QFile>

namespace KavrinGUIToolkit {

namespace {

const QString kRootTag = QStringLiteral("Configs");
const QString kValueTag = QStringLiteral("Value");

QString ownText(const QDomElement &element)
{
    QString text;
    for (QDomNode n = element.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isText() || n.isCDATASection())
            text += n.toCharacterData().data();
    }
    return text;
}

void collect(const QDomElement &parent, int depth, QVector<CSettingsFile::Element> &out)
{
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        out.append({e.tagName(), ownText(e), depth});
        collect(e, depth + 1, out);
    }
}

} // namespace

CSettingsFile::CSettingsFile(const QString &path) : m_path(path)
{
    QFile file;
    QString reason;
    m_problem = OpenDataFile(file, path, &reason);
    if (m_problem != XmlFileProblem::None) {
        if (m_problem == XmlFileProblem::Damaged)
            m_detail = reason;
        return;
    }
    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    m_problem = XmlFileProblem::Damaged;
    if (!ReadXmlDocument(file, &document, &message, &line, &column)) {
        m_detail = QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(message);
        return;
    }
    // Another program's well-formed file would otherwise pass for settings:
    // its elements would be read as keys.
    const QString root = document.documentElement().tagName();
    if (root != kRootTag) {
        m_detail = QStringLiteral("the root element is %1, not %2").arg(root, kRootTag);
        return;
    }
    m_problem = XmlFileProblem::None;
    m_document = document;
}

QVector<CSettingsFile::Setting> CSettingsFile::Settings() const
{
    QVector<Setting> out;
    const QDomElement root = m_document.documentElement();
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const QDomElement value = e.firstChildElement(kValueTag);
        out.append({e.tagName(), ownText(value), !value.isNull()});
    }
    return out;
}

QVector<CSettingsFile::Element> CSettingsFile::Elements() const
{
    QVector<Element> out;
    collect(m_document.documentElement(), 1, out);
    return out;
}

bool CSettingsFile::WriteValue(const QString &name, const QString &value)
{
    if (m_problem != XmlFileProblem::None)
        return false;
    QDomElement valueNode =
        m_document.documentElement().firstChildElement(name).firstChildElement(kValueTag);
    if (valueNode.isNull())
        return false;
    for (QDomNode n = valueNode.firstChild(); !n.isNull();) {
        const QDomNode next = n.nextSibling();
        if (n.isText() || n.isCDATASection())
            valueNode.removeChild(n);
        n = next;
    }
    valueNode.appendChild(m_document.createTextNode(value));
    return SaveDomDocument(m_document, m_path);
}

} // namespace KavrinGUIToolkit
