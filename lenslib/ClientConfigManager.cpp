#include "ClientConfigManager.h"

#include "ClientConfig.h"

#include <QDebug>
#include <QFile>
#include <QXmlStreamReader>

ClientConfigManager *ClientConfigManager::instance()
{
    return pendrik::libraryInstance<ClientConfigManager>();
}

ClientConfigManager::ClientConfigManager() = default;

ClientConfigManager::~ClientConfigManager()
{
    clear();
}

QString ClientConfigManager::keyName(int key)
{
    switch (key) {
    case TranslatorKey:
        return QStringLiteral("Translator");
    case LogLevelKey:
        return QStringLiteral("LogLevel");
    case VersionTypeKey:
        return QStringLiteral("VersionType");
    case SkinKey:
        return QStringLiteral("Skin");
    default:
        return QString();
    }
}

bool ClientConfigManager::load(const QString &path)
{
    m_damaged = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug() << "No file to read...";
        return false;
    }

    const QString configs = QStringLiteral("Configs");
    const QString value = QStringLiteral("Value");
    const qsizetype before = m_configs.size();
    bool rootSeen = false;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (!rootSeen) {
            rootSeen = true;
            if (reader.name() != configs) {
                reader.raiseError(QStringLiteral("the root element is not Configs"));
                break;
            }
        }
        if (reader.name() == configs)
            continue;
        const QString name = reader.name().toString();
        auto *config = new ClientConfig(name);
        m_configs.append(config);
        const bool known = name == keyName(TranslatorKey) || name == keyName(LogLevelKey) ||
                           name == keyName(VersionTypeKey) || name == keyName(SkinKey);
        if (!known)
            continue;
        // Read on to this setting's "Value". A setting without one keeps an
        // empty value: the search stops at the setting's own end, so it never
        // takes the value of the setting after it.
        int depth = 1;
        while (depth > 0 && !reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement()) {
                if (reader.name() == value) {
                    config->setValue(reader.readElementText(QXmlStreamReader::SkipChildElements));
                    break;
                }
                ++depth;
            } else if (reader.isEndElement()) {
                --depth;
            }
        }
    }
    // What was read before a fault would disagree with the host program,
    // which takes nothing from a damaged file: drop it.
    if (reader.hasError() || !rootSeen) {
        qDebug() << "Setup.xml is damaged, line" << reader.lineNumber() << reader.errorString()
                 << "; the defaults hold";
        while (m_configs.size() > before)
            delete m_configs.takeLast();
        m_damaged = true;
        return false;
    }
    return true;
}

ClientConfig *ClientConfigManager::getConfig(int key) const
{
    const QString name = keyName(key);
    if (name.isEmpty())
        return nullptr;
    for (ClientConfig *config : m_configs) {
        if (config->getName() == name)
            return config;
    }
    return nullptr;
}

void ClientConfigManager::clear()
{
    qDeleteAll(m_configs);
    m_configs.clear();
}
