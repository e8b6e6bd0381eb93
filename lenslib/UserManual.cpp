#include "UserManual.h"

#include "TextTools.h"

#include <WarningDlg.h>

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QXmlStreamReader>

namespace pendrik {

namespace {

QString currentDirWithSlash()
{
    QString dir = QDir::currentPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

// Reads the "Value" of the first "Translator" setting. False when the file
// cannot be opened; @p language is then untouched.
bool readTranslatorValue(const QString &path, QString *language)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QString configs = QStringLiteral("Configs");
    const QString translator = QStringLiteral("Translator");
    const QString value = QStringLiteral("Value");
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() == configs)
            continue;
        if (reader.name() != translator) {
            reader.skipCurrentElement();
            continue;
        }
        while (reader.readNextStartElement()) {
            if (reader.name() == value) {
                *language = reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                return true;
            }
            reader.skipCurrentElement();
        }
    }
    return true;
}

} // namespace

QString userManualFileName(const QString &language)
{
    return language == QLatin1String("1") ? QStringLiteral("Pendrik用户使用手册.pdf")
                                          : QStringLiteral("Pendrik User Manual.pdf");
}

QString userManualLanguage()
{
    QString language = QStringLiteral("1");
    if (!readTranslatorValue(currentDirWithSlash() + QStringLiteral("Setup.xml"), &language)) {
        qDebug() << "No file to read...";
        readTranslatorValue(appDirWithSlash() + QStringLiteral("Setup.xml"), &language);
    }
    return language;
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
