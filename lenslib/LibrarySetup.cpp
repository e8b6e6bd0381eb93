#include "LibrarySetup.h"

#include "ClientConfig.h"
#include "ClientConfigManager.h"
#include "ClientLanguageManager.h"
#include "ClientLanguageProperty.h"
#include "PendrikLogging.h"
#include "SkinLoader.h"
#include "TextTools.h"

#include <ktl.h>

#include <QCoreApplication>

namespace pendrik {

namespace {

const char kDefaultSkin[] = "BlackRedSkin";

} // namespace

bool loadLibrarySettings()
{
    return ClientConfigManager::instance()->load(absolutePath(QStringLiteral("Setup.xml")));
}

void installLibraryTranslators()
{
    const ClientLanguageProperty *property = ClientLanguageManager::instance()->currentProperty();
    if (!property)
        return;
    for (QTranslator *translator :
         {property->appTranslator(), property->qtTranslator(), property->toolkitTranslator()}) {
        if (translator)
            QCoreApplication::installTranslator(translator);
    }
}

bool loadLibrarySkin()
{
    const ClientConfigManager *settings = ClientConfigManager::instance();
    QString name;
    if (const ClientConfig *skin = settings->getConfig(ClientConfigManager::SkinKey)) {
        qCDebug(lcPendrik) << "find skin!!!!!!!!";
        name = skin->getValue();
    } else if (!settings->wasRead()) {
        // Without a settings file to use (missing, unreadable, damaged)
        // every setting keeps its default, the skin too, as in the host
        // program.
        qCDebug(lcPendrik) << "settings not used; default skin" << kDefaultSkin;
        name = QString::fromLatin1(kDefaultSkin);
    } else {
        qCDebug(lcPendrik) << "cannot find skin!!!!!!!!";
        return false;
    }
    const bool applied = loadSkinPlugin(name, appDirWithSlash() + QStringLiteral("plugins/skins"));
    if (!applied)
        qCDebug(lcPendrik).noquote() << "skin" << name << "not applied; keeping Qt's style";
    return applied;
}

bool setUpLibrary()
{
    static KTL_Mutex mutex;
    static bool done = false;
    KTL_Guard guard(mutex);
    if (done)
        return false;
    done = true;

    // Settings and translators go in once per process: a second install
    // would stack the same catalogues again on every open.
    QCoreApplication::addLibraryPath(appDirWithSlash() + QStringLiteral("plugins"));
    loadLibrarySettings();
    installLibraryTranslators();
    loadLibrarySkin();
    return true;
}

} // namespace pendrik
