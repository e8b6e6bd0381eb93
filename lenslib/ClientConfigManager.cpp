#include "ClientConfigManager.h"

#include "ClientConfig.h"
#include "PendrikLogging.h"

#include <SettingsFile.h>

namespace {

using Element = KavrinGUIToolkit::CSettingsFile::Element;

// The position after the element at @p i and everything inside it.
qsizetype endOf(const QVector<Element> &elements, qsizetype i)
{
    const int depth = elements.at(i).depth;
    ++i;
    while (i < elements.size() && elements.at(i).depth > depth)
        ++i;
    return i;
}

} // namespace

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
    const KavrinGUIToolkit::CSettingsFile file(path);
    m_damaged = file.Problem() == KavrinGUIToolkit::XmlFileProblem::Damaged;
    m_unreadable = file.Problem() == KavrinGUIToolkit::XmlFileProblem::Unreadable;
    if (m_damaged) {
        // What was read before a fault would disagree with the host program,
        // which takes nothing from a damaged file.
        qCDebug(lcPendrik) << "Setup.xml is damaged," << file.ProblemDetail()
                           << "; the defaults hold";
        return false;
    }
    if (file.Problem() != KavrinGUIToolkit::XmlFileProblem::None) {
        qCDebug(lcPendrik) << "No file to read...";
        return false;
    }

    const QVector<Element> elements = file.Elements();
    for (qsizetype i = 0; i < elements.size();) {
        const Element &element = elements.at(i);
        const qsizetype end = endOf(elements, i);
        ++i;
        if (element.name == QLatin1String("Configs"))
            continue;
        auto *config = new ClientConfig(element.name);
        m_configs.append(config);
        const bool known =
            element.name == keyName(TranslatorKey) || element.name == keyName(LogLevelKey) ||
            element.name == keyName(VersionTypeKey) || element.name == keyName(SkinKey);
        if (!known)
            continue;
        // Read on to this setting's "Value": what lies on the way is passed
        // over, what follows the "Value" counts as settings again. A setting
        // without one keeps an empty value: the search stops at the setting's
        // own end, so it never takes the value of the setting after it.
        for (; i < end; ++i) {
            if (elements.at(i).name == QLatin1String("Value")) {
                config->setValue(elements.at(i).text);
                i = endOf(elements, i);
                break;
            }
        }
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
