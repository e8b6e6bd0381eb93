#include "FilterConfig.h"

#include "XmlFile.h"

#include <TargetPath.h>

FilterConfig::FilterConfig()
    : m_path(KavrinGUIToolkit::GetTargetPath() + QStringLiteral("FilterConfig.xml"))
{
    open();
}

bool FilterConfig::open()
{
    if (m_opened)
        return true;
    m_opened = openXmlDataFile(m_root, m_path, QStringLiteral("FilterConfig"), &m_problem);
    return m_opened;
}

bool FilterConfig::close()
{
    if (!m_opened || !m_root.save(m_path))
        return false;
    m_opened = false;
    return true;
}

bool FilterConfig::hideCodes(int deviceClass, QVector<QString> &out) const
{
    return codes(deviceClass, QStringLiteral("HideCodeList"), out);
}

bool FilterConfig::checkCodes(int deviceClass, QVector<QString> &out) const
{
    return codes(deviceClass, QStringLiteral("CheckCodeList"), out);
}

bool FilterConfig::codes(int deviceClass, const QString &listTag, QVector<QString> &out) const
{
    if (!m_opened)
        return false;
    const int entries = m_root.childCount();
    for (int i = 0; i < entries; ++i) {
        const XmlNode entry = m_root.childAt(i);
        const int mainType =
            entry.childByName(QStringLiteral("MainType")).text().toInt(nullptr, 10);
        if (mainType != deviceClass)
            continue;
        const XmlNode list = entry.childByName(listTag);
        const int n = list.childCount();
        for (int c = 0; c < n; ++c)
            out.append(list.childAt(c).text());
    }
    return true;
}
