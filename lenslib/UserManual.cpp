#include "UserManual.h"

#include "PendrikLogging.h"
#include "TextTools.h"

#include <SettingsFile.h>
#include <WarningDlg.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace pendrik {

namespace {

QString currentDirWithSlash()
{
    QString dir = QDir::currentPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

// The "Value" of the first "Translator" setting that has one; "1" when there
// is none.
QString translatorValue(const KavrinGUIToolkit::CSettingsFile &settings)
{
    for (const KavrinGUIToolkit::CSettingsFile::Setting &setting : settings.Settings()) {
        if (setting.name == QLatin1String("Translator") && setting.hasValue)
            return setting.value.trimmed();
    }
    return QStringLiteral("1");
}

} // namespace

QString userManualFileName(const QString &language)
{
    return language == QLatin1String("1") ? QStringLiteral("Pendrik用户使用手册.pdf")
                                          : QStringLiteral("Pendrik User Manual.pdf");
}

QString userManualLanguage()
{
    using KavrinGUIToolkit::CSettingsFile;
    using KavrinGUIToolkit::XmlFileProblem;
    CSettingsFile settings(currentDirWithSlash() + QStringLiteral("Setup.xml"));
    if (settings.Problem() == XmlFileProblem::Missing ||
        settings.Problem() == XmlFileProblem::Unreadable) {
        qCDebug(lcPendrik) << "No file to read...";
        settings = CSettingsFile(appDirWithSlash() + QStringLiteral("Setup.xml"));
    }
    switch (settings.Problem()) {
    case XmlFileProblem::None:
        return translatorValue(settings);
    case XmlFileProblem::Damaged:
        // Nothing of a damaged file counts: the program and the lens
        // calculator then start in English, and so does their manual.
        return QStringLiteral("0");
    case XmlFileProblem::Missing:
    case XmlFileProblem::Unreadable:
        break;
    }
    return QStringLiteral("1");
}

QString userManualPath()
{
    const QString name = userManualFileName(userManualLanguage());
    for (const QString &folder : {currentDirWithSlash(), appDirWithSlash()}) {
        const QString path = folder + name;
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

bool openUserManual()
{
    // The desktop's opener runs detached and reports success even for a
    // missing file, so the file is checked first.
    const QString path = userManualPath();
    if (path.isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool openUserManualOrTell()
{
    if (openUserManual())
        return true;
    KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(
        QCoreApplication::translate("UserManual", "Info"),
        QCoreApplication::translate("UserManual", "Can not find Manual."), nullptr);
    return false;
}

} // namespace pendrik
