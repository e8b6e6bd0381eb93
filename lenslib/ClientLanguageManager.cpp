#include "ClientLanguageManager.h"

#include "ClientConfig.h"
#include "ClientConfigManager.h"
#include "ClientLanguageProperty.h"
#include "TextTools.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTranslator>

namespace {

// Loads exactly the named catalogue. QTranslator::load would otherwise try
// shortened names ("qt_zh.qm", "qt.qm") and could pick up another file.
bool loadCatalogue(QTranslator *translator, const QString &relative)
{
    const QString path = pendrik::translationsBase() + relative;
    if (!QFileInfo(path).isFile())
        return false;
    return translator->load(path);
}

int settingValue(int key)
{
    const ClientConfig *config = ClientConfigManager::instance()->getConfig(key);
    if (!config)
        return 0;
    bool ok = false;
    const int value = config->getValue().toInt(&ok, 10);
    return ok ? value : 0;
}

} // namespace

ClientLanguageManager *ClientLanguageManager::instance()
{
    return pendrik::libraryInstance<ClientLanguageManager>();
}

ClientLanguageManager::ClientLanguageManager()
{
    loadLanguages();
}

ClientLanguageManager::~ClientLanguageManager()
{
    clear();
}

void ClientLanguageManager::loadLanguages()
{
    for (int id = 0; id < 4; ++id)
        loadLanguage(id);
}

bool ClientLanguageManager::loadLanguage(int id)
{
    if (id < 0 || id > 3)
        return false;

    auto *property = new ClientLanguageProperty(id);
    auto *app = new QTranslator;
    auto *qt = new QTranslator;
    auto *toolkit = new QTranslator;
    property->setTranslators(app, qt, toolkit);

    bool loaded = true;
    const bool chinese = id == 1 || id == 3;
    if (chinese) {
        loaded = loadCatalogue(app, QStringLiteral("translations/Pendrik_zh.qm"));
        if (loaded)
            loaded = loadCatalogue(qt, QStringLiteral("translations/qt_zh_CN.qm"));
        if (loaded) {
            loadCatalogue(toolkit, QStringLiteral("translations/KavrinGUIToolkit_zh.qm"));
            property->setLocale(QLocale(QLocale::Chinese, QLocale::China));
        }
    } else {
        loadCatalogue(app, QStringLiteral("translations/Pendrik_en.qm"));
        loadCatalogue(toolkit, QStringLiteral("translations/KavrinGUIToolkit_en.qm"));
        property->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    if (!loaded) {
        delete property;
        return false;
    }
    static const char *const images[] = {
        ":images/Loading_bg_English.png", ":images/Loading_bg_Chinese.png",
        ":images/Loading_bg_English_Zorv.png", ":images/Loading_bg_Chinese_Zorv.png"};
    // Pictures need a GUI application; a console process gets none.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        property->setLoadingImage(QPixmap(QString::fromLatin1(images[id])));
    m_properties.append(property);
    return true;
}

ClientLanguageProperty *ClientLanguageManager::propertyById(int id) const
{
    for (ClientLanguageProperty *property : m_properties) {
        if (property->id() == id)
            return property;
    }
    return nullptr;
}

int ClientLanguageManager::configuredLanguageId()
{
    const int translator = settingValue(ClientConfigManager::TranslatorKey);
    const int versionType = settingValue(ClientConfigManager::VersionTypeKey);
    if (translator == 0)
        return versionType != 0 ? 0 : 2;
    if (translator == 1)
        return versionType != 0 ? 1 : 3;
    return translator;
}

ClientLanguageProperty *ClientLanguageManager::currentProperty() const
{
    if (ClientLanguageProperty *property = propertyById(configuredLanguageId()))
        return property;
    return propertyById(0);
}

void ClientLanguageManager::clear()
{
    qDeleteAll(m_properties);
    m_properties.clear();
}
