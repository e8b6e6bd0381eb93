#include "UserManual.h"

#include "WidgetsLogging.h"

#include <TargetPath.h>

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace kiv {

namespace {

UserManual::Opener &opener()
{
    static UserManual::Opener o;
    return o;
}

} // namespace

QString UserManual::fileName(int language)
{
    return language == 1 ? QStringLiteral("Varnel用户手册.pdf")
                         : QStringLiteral("Varnel User Manual.pdf");
}

QString UserManual::find(int language)
{
    const QString name = fileName(language);
    const QStringList folders{QDir::currentPath(), KavrinGUIToolkit::GetTargetPath()};
    for (const QString &folder : folders) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile() && file.isReadable())
            return file.absoluteFilePath();
    }
    return QString();
}

bool UserManual::open(int language)
{
    // On Linux the desktop's opener reports success for any file, even a
    // missing one, so the file is looked for first.
    const QString path = find(language);
    if (path.isEmpty()) {
        qCDebug(lcWidgets) << "[UserManual] not found:" << fileName(language);
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    if (opener())
        return opener()(url);
    return QDesktopServices::openUrl(url);
}

void UserManual::setOpener(Opener o)
{
    opener() = std::move(o);
}

} // namespace kiv
