#pragma once

#include "KavrinGUIToolkitCoreExport.h"
#include "XmlFileProblem.h"

#include <QDomDocument>
#include <QString>
#include <QVector>

namespace KavrinGUIToolkit {

/// The settings file Setup.xml, the one reader that the program and the lens
/// library share: root element "Configs", one child element per setting
/// named after its key, the setting's text in a child element "Value".
///
/// The constructor reads the whole file. A file that is missing, cannot be
/// read, is no regular file, is not well-formed XML or has another root
/// element gives no settings at all: nothing read before a fault counts, so
/// that every reader falls back to its own defaults, and the program and the
/// lens library never disagree on what a damaged file says. Nothing is written unless
/// WriteValue() is called.
class KAVRIN_CORE_EXPORT CSettingsFile
{
public:
    /// One child element of the root.
    struct Setting
    {
        QString name;
        /// The text of its first "Value" child; empty when it has none.
        QString value;
        bool hasValue = false;
    };

    /// One element below the root, in document order.
    struct Element
    {
        QString name;
        /// Its own text: its text children joined, child elements left out.
        QString text;
        /// 1 for a child of the root, 2 for a child of such a child, and so on.
        int depth = 0;
    };

    explicit CSettingsFile(const QString &path);

    /// None when the file was read as a settings file.
    XmlFileProblem Problem() const { return m_problem; }
    /// Where and why a damaged file failed, for the debug output; empty
    /// unless Problem() is Damaged.
    QString ProblemDetail() const { return m_detail; }
    QString Path() const { return m_path; }

    /// The children of the root in file order; empty unless the file was read.
    QVector<Setting> Settings() const;
    /// Every element below the root in document order, at any depth; empty
    /// unless the file was read.
    QVector<Element> Elements() const;

    /// Gives the "Value" child of the first setting called @p name the text
    /// @p value and writes the file back. False when the file was not read,
    /// that setting has no "Value" child, or the file cannot be written.
    bool WriteValue(const QString &name, const QString &value);

private:
    QString m_path;
    QDomDocument m_document;
    XmlFileProblem m_problem = XmlFileProblem::Missing;
    QString m_detail;
};

} // namespace KavrinGUIToolkit
