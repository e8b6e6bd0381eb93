#include "SkinLoader.h"

#include "PendrikLogging.h"
#include "skin/CPluginFactoryInterface.h"

#include <QDir>
#include <QPluginLoader>

namespace pendrik {

bool loadSkinPlugin(const QString &name, const QString &folder)
{
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Unsorted);
    for (const QString &file : files) {
        const QString path = QDir::cleanPath(folder + QLatin1Char('/') + file);
        qCDebug(lcPendrik).noquote().nospace() << "load skin " << path;

        QPluginLoader loader(path);
        // The host's skin, or this library's from an earlier look, is already
        // in the process: its instance belongs to whoever loaded it.
        if (loader.isLoaded())
            continue;
        if (!loader.load())
            continue;
        QObject *instance = loader.instance();
        if (!instance) {
            loader.unload();
            continue;
        }
        auto *skin = qobject_cast<CPluginFactoryInterface *>(instance);
        if (!skin)
            continue;
        if (skin->keys().contains(name, Qt::CaseSensitive))
            return skin->create(name);
        loader.unload();
    }
    return false;
}

} // namespace pendrik
