#include "CKavrinApplication.h"

#include "ClientConfigManager.h"
#include "LibrarySetup.h"
#include "PendrikLogging.h"

#include <File.h>
#include <LockFile.h>
#include <ToolTip.h>
#include <WarningDlg.h>

#include <QDir>
#include <QFont>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

namespace {

const char kStyleName[] = "CKavrinStyle";
const char kStyleSheetFolder[] = ":/Torvel/Qss/Qss/KavrinGUIToolkit/";

} // namespace

CKavrinApplication::CKavrinApplication(int &argc, char **argv, const QString &applicationId,
                                       const QString &lockFolder)
    : QApplication(argc, argv), m_strAppId(applicationId),
      m_pInstanceLock(
          std::make_unique<KavrinGUIToolkit::CLockFile>(lockFilePath(applicationId, lockFolder)))
{
    // The window's close confirmation quits; closing it alone does not.
    setQuitOnLastWindowClosed(false);

    QFont appFont(QStringLiteral("Arial"), 9);
    appFont.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    setFont(appFont);

    pendrik::setUpLibrary();
    QFont tipFont = appFont;
    tipFont.setPointSize(10);
    KavrinGUIToolkit::CToolTip::SetFont(tipFont);

    loadStyle();

    switch (m_pInstanceLock->acquire()) {
    case KavrinGUIToolkit::CLockFile::State::Held:
        m_bRunning = false;
        break;
    case KavrinGUIToolkit::CLockFile::State::HeldElsewhere:
        m_bRunning = true;
        break;
    case KavrinGUIToolkit::CLockFile::State::Unavailable:
        m_bRunning = false;
        qCDebug(lcPendrik) << "Unable to create single instance.";
        break;
    }
}

CKavrinApplication::~CKavrinApplication()
{
    ClientConfigManager::instance()->clear();
}

void CKavrinApplication::loadStyle()
{
    QStyle *style = QStyleFactory::create(QString::fromLatin1(kStyleName));
    if (!style) {
        qCDebug(lcPendrik) << "[ToolsApplication::loadStyle]The CKavrinStyle does not exist.";
        style = QStyleFactory::create(QStringLiteral("Fusion"));
    }
    if (style)
        setStyle(style);

    const QString folder = QString::fromLatin1(kStyleSheetFolder);
    QStringList files = QDir(folder).entryList(QDir::Files, QDir::Unsorted);
    files.removeAll(QStringLiteral("MacSpecial.qss"));
    const QString toolkitSheet = KavrinGUIToolkit::CFile::ReadAll(files, folder);
    // The skin added its rules already; they follow the toolkit's so that
    // they win where both style the same widget.
    const QString skinSheet = styleSheet();
    if (toolkitSheet.isEmpty())
        return;
    setStyleSheet(skinSheet.isEmpty() ? toolkitSheet
                                      : toolkitSheet + QLatin1Char('\n') + skinSheet);
}

QString CKavrinApplication::lockFilePath(const QString &applicationId, const QString &folder)
{
    const QString dir = folder.isEmpty() ? QDir::tempPath() : folder;
    // Per user: the temporary folder is shared by every user of the machine.
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QDir::home().dirName();
    return QDir(dir).filePath(applicationId + QLatin1Char('-') + user + QStringLiteral(".lock"));
}

bool CKavrinApplication::isRunning()
{
    if (m_bRunning) {
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Warn"),
                                                       tr("Software is already running."), nullptr);
    }
    return m_bRunning;
}

bool CKavrinApplication::checkResolution()
{
    const QScreen *screen = primaryScreen();
    if (screen && screen->size().width() >= 1024 && screen->size().height() >= 768)
        return false;
    KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(
        tr("Warn"), tr("The least resolution is 1024*768."), nullptr);
    return true;
}
