#include "ToolsApplication.h"

#include "SkinLoader.h"

#include <ConfigureManager.h>
#include <File.h>
#include <GuiInit.h>
#include <LanaguageManager.h>
#include <TargetPath.h>
#include <TaskDataBase.h>
#include <ToolTip.h>
#include <WarningDlg.h>

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QIcon>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryFile>
#include <QToolTip>

#include <exception>

namespace kiv {

namespace {

const char kDefaultSkin[] = "BlackRedSkin";
const char kStyleKey[] = "CKavrinStyle";
const char kStyleSheetFolder[] = ":/Torvel/Qss/Qss/KavrinGUIToolkit/";
const char kWindowIcon[] = ":/kivui/complex/Images/System/Complex/App.png";

QFont uiFont(const QString &family)
{
    QFont font(family, 9);
    font.setStyleHint(QFont::AnyStyle, QFont::PreferAntialias);
    return font;
}

} // namespace

ToolsApplication::ToolsApplication(const QString &id, int &argc, char **argv)
    : SingleApplication(id, argc, argv)
{
}

ToolsApplication::~ToolsApplication() = default;

bool ToolsApplication::init()
{
    loadConfig();
    setDefaultFont();
    loadSkin();
    loadStyle();
    initLocale();

    if (isRunning()) {
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Varnel"),
                                                       tr("Software is already running."));
        return false;
    }
    if (!checkResolution() &&
        KavrinGUIToolkit::CWarningDlg::CheckMessageInfo(
            tr("Varnel"),
            tr("Display resolution less than 1024*768,are you sure to start the program?")) == 0) {
        return false;
    }
    if (!checkProgramFolder())
        return false;

    setWindowIcon(QIcon(QString::fromLatin1(kWindowIcon)));
    return true;
}

void ToolsApplication::loadConfig()
{
    // A missing or unreadable settings file leaves every setting at its
    // default; nothing to tell the planner.
    (void)ConfigureManager::GetInstance()->load(
        KavrinGUIToolkit::GetTargetPathFile(QStringLiteral("Setup.xml")));
}

void ToolsApplication::setDefaultFont()
{
    // The interface font is named after the one the artwork was drawn for;
    // where it is not installed, these stand in (Latin and Chinese).
    QFont::insertSubstitutions(QStringLiteral("Microsoft YaHei"),
                               {QStringLiteral("WenQuanYi Micro Hei"),
                                QStringLiteral("Noto Sans CJK SC"), QStringLiteral("DejaVu Sans")});
    QApplication::setFont(uiFont(QStringLiteral("Microsoft YaHei")));
}

void ToolsApplication::loadSkin()
{
    QString name = QString::fromLatin1(kDefaultSkin);
    if (const Configure *skin = ConfigureManager::GetInstance()->find(ConfigureManager::KeySkin))
        name = skin->value();
    const QString folder = KavrinGUIToolkit::GetTargetPath() + QStringLiteral("/plugins/skins/");
    const ISkinPlugin *plugin = loadSkinPlugin(name, folder);
    qWarning("[Tool]LoadSkin = %s %s", qUtf8Printable(name), plugin ? "Success" : "failed");
}

ISkinPlugin *ToolsApplication::loadSkinPlugin(const QString &name, const QString &folder)
{
    return SkinLoader::load(name, folder);
}

void ToolsApplication::loadStyle()
{
    if (QStyle *style = QStyleFactory::create(QString::fromLatin1(kStyleKey)))
        QApplication::setStyle(style);
    else
        qDebug("[ToolsApplication::loadStyle]The CKavrinStyle does not exist.");

    const QString folder = QString::fromLatin1(kStyleSheetFolder);
    QStringList files = QDir(folder).entryList(QDir::Files, QDir::NoSort);
    files.removeAll(QStringLiteral("MacSpecial.qss"));
    setStyleSheet(KavrinGUIToolkit::CFile::ReadAll(files, folder));
}

void ToolsApplication::initLocale()
{
    // Qt 6 keeps no process-wide text codec; the toolkit is told how to read
    // the system's 8-bit texts instead.
    KavrinGUIToolkit::InitGuiTextCodec(QStringConverter::System);
    setLanguageFont();
    KavrinGUIToolkit::InitGuiLocale(LanaguageManager::GetInstance()->locale());
}

void ToolsApplication::setLanguageFont()
{
    // The first use of the language manager installs the catalogues.
    const int language = LanaguageManager::GetInstance()->language();
    if (language == 10)
        QApplication::setFont(uiFont(QStringLiteral("Tahoma")));
    else if (language == 9)
        QApplication::setFont(uiFont(QStringLiteral("Batang")));
}

bool ToolsApplication::screensReach(const QList<QRect> &screens, const QSize &minimum)
{
    bool wide = false;
    bool high = false;
    for (const QRect &g : screens) {
        if (g.right() + 1 >= minimum.width())
            wide = true;
        if (g.bottom() + 1 >= minimum.height())
            high = true;
    }
    return wide && high;
}

bool ToolsApplication::checkResolution()
{
    QList<QRect> geometries;
    const QList<QScreen *> all = QGuiApplication::screens();
    for (const QScreen *screen : all)
        geometries.append(screen->geometry());
    return screensReach(geometries);
}

QString ToolsApplication::taskFolderProblem(const QString &programFolder)
{
    const QString folder = QDir(programFolder).filePath(QStringLiteral("Task"));
    bool writable = QDir().mkpath(folder) && QFileInfo(folder).isDir();
    if (writable) {
        // Only a real file tells: permissions, read-only mounts, full disks.
        QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe-XXXXXX")));
        writable = probe.open() && probe.write("probe", 5) == 5 && probe.flush();
    }
    if (writable)
        return QString();
    return tr("The task folder %1 cannot be written, so no task could be saved. "
              "Make the program folder writable and start the program again.")
        .arg(QDir::toNativeSeparators(folder));
}

bool ToolsApplication::checkProgramFolder()
{
    const QString taskProblem = taskFolderProblem(KavrinGUIToolkit::GetTargetPath());
    if (!taskProblem.isEmpty()) {
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Varnel"), taskProblem);
        return false;
    }
    const TaskDataBase *catalogue = TaskDataBase::GetInstance();
    if (!catalogue->isOpen()) {
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(
            tr("Varnel"), tr("The device catalogue %1 is missing or cannot be read. "
                             "Install the program again and start it once more.")
                              .arg(QDir::toNativeSeparators(catalogue->dbPath())));
        return false;
    }
    return true;
}

bool ToolsApplication::notify(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::ApplicationFontChange)
        return true;
    if (event->type() == QEvent::ToolTip && receiver &&
        !receiver->property("toolTip").toString().isEmpty() && !receiver->inherits("QLineEdit")) {
        const QPoint at = static_cast<QHelpEvent *>(event)->globalPos();
        // A widget without such a property, and an icon-only button or label
        // whose text was never set, gives a null text: it keeps its own tip.
        const QString text = receiver->property("text").toString();
        if (!text.isNull()) {
            QToolTip::showText(at, text, nullptr);
            return true;
        }
        const QString current = receiver->property("currentText").toString();
        if (!current.isNull()) {
            QToolTip::showText(at, current, nullptr);
            return true;
        }
    }
    try {
        return SingleApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        qDebug() << "[ToolsApplication::notify] exception swallowed:" << e.what();
    } catch (...) {
        qDebug() << "[ToolsApplication::notify] exception swallowed";
    }
    return false;
}

} // namespace kiv
