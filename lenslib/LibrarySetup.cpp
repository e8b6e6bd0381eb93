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
    const ClientConfig *skin =
        ClientConfigManager::instance()->getConfig(ClientConfigManager::SkinKey);
    if (!skin) {
        qCDebug(lcPendrik) << "cannot find skin!!!!!!!!";
        return false;
    }
    qCDebug(lcPendrik) << "find skin!!!!!!!!";
    const bool applied =
        loadSkinPlugin(skin->getValue(), appDirWithSlash() + QStringLiteral("plugins/skins"));
    if (!applied)
        qCDebug(lcPendrik).noquote()
            << "skin" << skin->getValue() << "not applied; keeping Qt's style";
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
