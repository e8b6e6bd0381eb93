#include "SkinLoader.h"

#include "AppLogging.h"

#include <ISkinPlugin.h>

#include <QDir>
#include <QPluginLoader>

namespace kiv {

namespace {

ISkinPlugin *offering(QPluginLoader &loader, const QString &name)
{
    auto *skin = qobject_cast<ISkinPlugin *>(loader.instance());
    return skin && skin->GetSkinNames().contains(name) ? skin : nullptr;
}

} // namespace

ISkinPlugin *SkinLoader::load(const QString &name, const QString &folder)
{
    if (name.isNull())
        return nullptr;
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::NoSort);
    for (const QString &file : files) {
        QPluginLoader loader(QDir::cleanPath(folder + QLatin1Char('/') + file));
        if (loader.isLoaded()) {
            if (ISkinPlugin *skin = offering(loader, name))
                return skin;
            continue;
        }
        if (!loader.load()) {
            qCDebug(lcApp) << "[SkinLoader] skipping" << file << loader.errorString();
            continue;
        }
        if (ISkinPlugin *skin = offering(loader, name))
            return skin;
        loader.unload();
    }
    return nullptr;
}

} // namespace kiv
