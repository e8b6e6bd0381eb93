#include "TargetPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>
#include <QMutexLocker>

namespace KavrinGUIToolkit {

namespace {

QMutex &pathMutex()
{
    static QMutex mutex;
    return mutex;
}

QString &overridePath()
{
    static QString path;
    return path;
}

QString withSeparator(QString folder)
{
    folder = QDir::fromNativeSeparators(folder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

QString GetTargetPath()
{
    {
        QMutexLocker lock(&pathMutex());
        if (!overridePath().isEmpty())
            return overridePath();
    }
    if (QCoreApplication::instance())
        return withSeparator(QCoreApplication::applicationDirPath());
    return withSeparator(QDir::currentPath());
}

QString GetTargetPathFile(const QString &fileName)
{
    return GetTargetPath() + fileName;
}

void SetTargetPath(const QString &folder)
{
    QMutexLocker lock(&pathMutex());
    overridePath() = folder.isEmpty() ? QString() : withSeparator(folder);
}

} // namespace KavrinGUIToolkit
