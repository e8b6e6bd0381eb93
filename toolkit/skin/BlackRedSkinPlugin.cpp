#include "BlackRedSkinPlugin.h"

#include <QDir>

// A loader that looks for another skin drops this plug-in again, but the
// system may keep the library in memory: its style sheets go with the
// instance, not with the library.
CBlackRedSkinPlugin::CBlackRedSkinPlugin()
{
    Q_INIT_RESOURCE(BlackRedSkin);
}

CBlackRedSkinPlugin::~CBlackRedSkinPlugin()
{
    Q_CLEANUP_RESOURCE(BlackRedSkin);
}

QStringList CBlackRedSkinPlugin::GetSkinNames() const
{
    return {QStringLiteral("BlackRedSkin")};
}
