#pragma once

#include "XmlFile.h"
#include "XmlNode.h"

#include <QString>
#include <QVector>

/// FilterConfig.xml in the program folder: per device class, the parameter
/// codes that the add-device filter hides and those it shows ticked in
/// advance. Read only; a missing file is created with an empty root. A file
/// that is there but cannot be taken as a filter configuration (unreadable,
/// not well-formed, another root element) is left as it is: the object stays
/// closed, so the filter hides nothing and ticks nothing in advance.
class FilterConfig
{
public:
    FilterConfig();
    ~FilterConfig() = default;
    FilterConfig(const FilterConfig &) = delete;
    FilterConfig &operator=(const FilterConfig &) = delete;

    bool open();
    bool isOpen() const { return m_opened; }
    /// Why the last open() failed; None while open.
    XmlFileProblem problem() const { return m_problem; }
    /// The file's full path.
    QString path() const { return m_path; }
    /// Appends the codes of every "HideCodeList" of @p deviceClass.
    bool hideCodes(int deviceClass, QVector<QString> &out) const;
    /// Appends the codes of every "CheckCodeList" of @p deviceClass.
    bool checkCodes(int deviceClass, QVector<QString> &out) const;
    /// Saves the document and closes; false when not open or the save fails.
    bool close();

private:
    bool codes(int deviceClass, const QString &listTag, QVector<QString> &out) const;

    XmlNode m_root;
    QString m_path;
    bool m_opened = false;
    XmlFileProblem m_problem = XmlFileProblem::None;
};
