#include "ConfigureManager.h"

#include <GenericDS.h>

#include <QFile>
#include <QFileInfo>

namespace kiv {

namespace {

const QString kRootTag = QStringLiteral("Configs");

} // namespace

ConfigureManager::~ConfigureManager()
{
    clear();
}

bool ConfigureManager::load(const QString &path)
{
    // A failed load must not leave the settings of an earlier file behind.
    clear();

    if (path.isEmpty() || !QFileInfo::exists(path)) {
        m_problem = XmlFileProblem::Missing;
        return false;
    }
    if (QFile file(path); !file.open(QIODevice::ReadOnly)) {
        m_problem = XmlFileProblem::Unreadable;
        return false;
    }
    KavrinGUIToolkit::CGenericDS root;
    // Settings read up to a fault, or from another program's file, would be
    // taken for the planner's: the language and the catalogue with them.
    if (!root.LoadXML(path) || root.GetName() != kRootTag) {
        m_problem = XmlFileProblem::Damaged;
        return false;
    }
    m_problem = XmlFileProblem::None;
    m_filePath = path;

    const int count = root.GetChildrenCount();
    for (int i = 0; i < count; ++i) {
        const KavrinGUIToolkit::CGenericDS child = root.GetChild(i);
        auto *entry = new Configure;
        entry->setName(child.GetName());
        entry->setValue(child.GetChildByName(QStringLiteral("Value")).GetValue());
        m_entries.append(entry);
    }
    return true;
}

Configure *ConfigureManager::find(int key) const
{
    const QString tag = keyName(key);
    if (tag.isEmpty())
        return nullptr;
    for (Configure *entry : m_entries) {
        if (entry->name() == tag)
            return entry;
    }
    return nullptr;
}

QString ConfigureManager::keyName(int key)
{
    switch (key) {
    case KeyTranslator:
        return QStringLiteral("Translator");
    case KeyLanguages:
        return QStringLiteral("Languages");
    case KeyLogLevel:
        return QStringLiteral("LogLevel");
    case KeyVersionType:
        return QStringLiteral("VersionType");
    case KeyThread:
        return QStringLiteral("Thread");
    case KeyLogSaveDay:
        return QStringLiteral("LogSaveDay");
    case KeySkin:
        return QStringLiteral("Skin");
    default:
        return QString();
    }
}

unsigned int ConfigureManager::translator() const
{
    const Configure *entry = find(KeyTranslator);
    return entry ? entry->value().toUInt(nullptr, 10) : 0u;
}

int ConfigureManager::intValue(int key) const
{
    const Configure *entry = find(key);
    return entry ? entry->value().toInt(nullptr, 10) : -1;
}

int ConfigureManager::versionType() const
{
    const int value = intValue(KeyVersionType);
    return value == -1 ? 1 : value;
}

int ConfigureManager::thread() const
{
    return intValue(KeyThread);
}

int ConfigureManager::logSaveDay() const
{
    return intValue(KeyLogSaveDay);
}

QList<unsigned int> ConfigureManager::languages() const
{
    QList<unsigned int> result;
    const Configure *entry = find(KeyLanguages);
    if (!entry)
        return result;
    const QStringList parts = entry->value().split(QLatin1Char(','), Qt::KeepEmptyParts);
    for (const QString &part : parts)
        result.append(part.toUInt(nullptr, 10));
    return result;
}

void ConfigureManager::clear()
{
    qDeleteAll(m_entries);
    m_entries.clear();
}

bool ConfigureManager::setValue(int key, const QString &value)
{
    if (m_filePath.isEmpty())
        return false;
    const QString tag = keyName(key);
    if (tag.isEmpty())
        return false;

    KavrinGUIToolkit::CGenericDS root;
    if (!root.LoadXML(m_filePath) || root.GetName() != kRootTag)
        return false;
    const int count = root.GetChildrenCount();
    for (int i = 0; i < count; ++i) {
        KavrinGUIToolkit::CGenericDS child = root.GetChild(i);
        if (child.GetName() != tag)
            continue;
        KavrinGUIToolkit::CGenericDS valueNode = child.GetChildByName(QStringLiteral("Value"));
        if (!valueNode.SetValue(value) || !root.SaveXML(m_filePath))
            return false;
        // Memory follows the file only once the file holds the new value.
        if (Configure *entry = find(key))
            entry->setValue(value);
        return true;
    }
    return false;
}

} // namespace kiv
