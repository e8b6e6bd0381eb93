#include "ConfigureManager.h"

#include <SettingsFile.h>

namespace kiv {

ConfigureManager::~ConfigureManager()
{
    clear();
}

bool ConfigureManager::load(const QString &path)
{
    // A failed load must not leave the settings of an earlier file behind.
    clear();

    const KavrinGUIToolkit::CSettingsFile file(path);
    m_problem = file.Problem();
    if (m_problem != XmlFileProblem::None)
        return false;
    m_filePath = path;
    for (const KavrinGUIToolkit::CSettingsFile::Setting &setting : file.Settings()) {
        auto *entry = new Configure;
        entry->setName(setting.name);
        entry->setValue(setting.value);
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

    KavrinGUIToolkit::CSettingsFile file(m_filePath);
    if (!file.WriteValue(tag, value))
        return false;
    // Memory follows the file only once the file holds the new value.
    if (Configure *entry = find(key))
        entry->setValue(value);
    return true;
}

} // namespace kiv
