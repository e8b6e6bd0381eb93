#include "ToolsApplication.h"

#include "AppLogging.h"
#include "SkinLoader.h"

#include <ConfigureManager.h>
#include <File.h>
#include <FilterConfig.h>
#include <GuiInit.h>
#include <LanaguageManager.h>
#include <LockFile.h>
#include <ParamCode.h>
#include <TargetPath.h>
#include <TaskDataBase.h>
#include <TaskFolder.h>
#include <TaskListFile.h>
#include <ToolTip.h>
#include <WarningDlg.h>
#include <WriteFailure.h>

#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QIcon>
#include <QScreen>
#include <QStorageInfo>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>

#include <cerrno>
#include <chrono>
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

// About the size of the device file of a task with 1024 devices and their
// streams: a folder that takes this takes any task the planner saves.
constexpr qint64 kProbeBytes = 1024 * 1024;

enum class FolderState { Writable, NotWritable, DiskFull };

FolderState folderFullOr(const QString &folder, int error)
{
    if (KavrinGUIToolkit::IsNoRoomError(error))
        return FolderState::DiskFull;
    // Some file systems report a full disk otherwise; what is left on it
    // tells.
    QStorageInfo storage(folder);
    if (!storage.isValid())
        storage.setPath(QFileInfo(folder).absolutePath());
    if (storage.isValid() && storage.bytesAvailable() < kProbeBytes)
        return FolderState::DiskFull;
    return FolderState::NotWritable;
}

// Only a real file of real size tells: permissions, read-only mounts, a full
// disk or a quota all show only when the bytes go out.
FolderState probeFolder(const QString &folder)
{
    errno = 0;
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return folderFullOr(folder, errno);
    QFile probe(
        QDir(folder).filePath(TaskFolder::probeFileName(QCoreApplication::applicationPid())));
    errno = 0;
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return folderFullOr(folder, errno);
    const QByteArray block(64 * 1024, '\n');
    FolderState state = FolderState::Writable;
    for (qint64 written = 0; written < kProbeBytes; written += block.size()) {
        errno = 0;
        if (probe.write(block) != block.size()) {
            state = folderFullOr(folder, errno);
            break;
        }
    }
    probe.close();
    probe.remove();
    return state;
}

// True while the lock file of the Task folder names this process, as the
// single-instance check leaves it: no other start is then probing the folder,
// and no other program is saving in the program folder.
// Removes the regular files of @p folder whose names @p isOwn takes: files of
// a form that only this program makes there.
void removeOwnFiles(const QString &folder, bool (*isOwn)(const QString &))
{
    const QFileInfoList files =
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &file : files) {
        if (isOwn(file.fileName()) && !QFile::remove(file.filePath()))
            qCDebug(lcApp) << "cannot remove the leftover" << file.filePath();
    }
}

// Files of one folder are named in one message, the folder once and each
// file on a line of its own, in the order of their names; past what a message
// can show, the rest are counted.
QString fileList(QStringList paths)
{
    constexpr int kNamed = 10;
    paths.sort();
    QStringList lines;
    for (const QString &path : paths.mid(0, kNamed))
        lines << QFileInfo(path).fileName();
    if (paths.size() > kNamed)
        lines << ToolsApplication::tr("and %1 more").arg(paths.size() - kNamed);
    return lines.join(QLatin1Char('\n'));
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
        QString text = tr("Software is already running.");
        const QString machine = runningOn();
        if (!machine.isEmpty()) {
            const auto minutes = std::chrono::duration_cast<std::chrono::minutes>(
                KavrinGUIToolkit::LockTiming().staleAge);
            text += QLatin1Char(' ') +
                    tr("It runs on the computer %1, which uses the same program folder: close it "
                       "there. If that computer was switched off or lost its connection, the "
                       "folder is free again %2 minutes later.")
                        .arg(machine)
                        .arg(minutes.count());
        }
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Varnel"), text);
        return false;
    }
    if (!checkResolution() &&
        KavrinGUIToolkit::CWarningDlg::CheckMessageInfo(
            tr("Varnel"),
            tr("Display resolution less than 1024*768,are you sure to start the program?")) == 0) {
        return false;
    }
    // Before anything is written there: a probe left by a start that was
    // stopped would take the room the probe below needs, and a save that was
    // stopped leaves its temporary file in the program folder too (the Task
    // folder's go with its repair). Only a start that holds the folder
    // removes them: no other start is probing it then, and no other program
    // is saving there.
    if (holdsProgramFolder()) {
        removeOwnFiles(TaskFolder::path(), &TaskFolder::isProbeName);
        removeOwnFiles(KavrinGUIToolkit::GetTargetPath(), &KavrinGUIToolkit::IsSaveTemporaryName);
    }
    if (!checkProgramFolder())
        return false;
    // Before any task is read: what a program stopped in the middle of a
    // save, a rename or a deletion left is put right.
    const TaskFolderRepair repair = TaskFolder::open();
    tellDamagedDataFiles(repair);

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
    qCWarning(lcApp, "[Tool]LoadSkin = %s %s", qUtf8Printable(name), plugin ? "Success" : "failed");
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
        qCDebug(lcApp, "[ToolsApplication::loadStyle]The CKavrinStyle does not exist.");

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
    switch (probeFolder(folder)) {
    case FolderState::Writable:
        break;
    case FolderState::DiskFull:
        return tr("The disk that holds the task folder %1 is full, so no task could be saved. "
                  "Free some space on it and start the program again.")
            .arg(QDir::toNativeSeparators(folder));
    case FolderState::NotWritable:
        return tr("The task folder %1 cannot be written, so no task could be saved. "
                  "Make the program folder writable and start the program again.")
            .arg(QDir::toNativeSeparators(folder));
    }
    return QString();
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
    // A catalogue whose tables lack what the look-ups read would open
    // without a word and then answer every look-up with nothing.
    QString table;
    QString column;
    if (catalogue->findMissingColumn(table, column)) {
        const QString path = QDir::toNativeSeparators(catalogue->dbPath());
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(
            tr("Varnel"),
            column.isEmpty()
                ? tr("The device catalogue %1 has no table %2, which the program reads, so its "
                     "look-ups would come back empty. Install the program again and start it "
                     "once more.")
                      .arg(path, table)
                : tr("The table %2 of the device catalogue %1 has no column %3, which the "
                     "program reads, so its look-ups would come back empty. Install the program "
                     "again and start it once more.")
                      .arg(path, table, column));
        return false;
    }
    return true;
}

void ToolsApplication::tellDamagedDataFiles(const TaskFolderRepair &repair)
{
    // Each file whose content the planner would miss is named once; the
    // program goes on without it and leaves it as it is on disk. A missing
    // file is no news: settings and parameter codes have their defaults, and
    // the filter configuration and the task list are created empty.
    QStringList messages;
    auto native = [](const QString &path) { return QDir::toNativeSeparators(path); };

    const ConfigureManager *settings = ConfigureManager::GetInstance();
    const QString setupPath = KavrinGUIToolkit::GetTargetPathFile(QStringLiteral("Setup.xml"));
    if (settings->problem() == XmlFileProblem::Damaged) {
        messages << tr("The settings file %1 is damaged or is not a settings file of this "
                       "program, so its settings are not used: the program and the lens "
                       "calculator start in English with their default settings. The program "
                       "leaves the file as it is. Mend it, or move it away, and start the "
                       "program again.")
                        .arg(native(setupPath));
    } else if (settings->problem() == XmlFileProblem::Unreadable) {
        messages << tr("The settings file %1 cannot be opened for reading, so its settings are "
                       "not used: the program and the lens calculator start in English with "
                       "their default settings. Make the file readable, or move it away, and "
                       "start the program again.")
                        .arg(native(setupPath));
    }

    ParamCode *codes = ParamCode::GetInstance();
    codes->load();
    if (codes->problem() == XmlFileProblem::Damaged) {
        messages << tr("The parameter-code table %1 is damaged or is not a parameter-code table "
                       "of this program, so it is not used: the device catalogue is searched "
                       "with the codes built into the program. The program leaves the file as "
                       "it is. Mend it or install the program again, then restart the program.")
                        .arg(native(codes->path()));
    } else if (codes->problem() == XmlFileProblem::Unreadable) {
        messages << tr("The parameter-code table %1 cannot be opened for reading, so it is not "
                       "used: the device catalogue is searched with the codes built into the "
                       "program. Make the file readable, then restart the program.")
                        .arg(native(codes->path()));
    }

    const FilterConfig filter;
    if (filter.problem() == XmlFileProblem::Damaged) {
        messages << tr("The filter configuration %1 is damaged or is not a filter configuration "
                       "of this program, so it is not used: the parameter filter of the "
                       "add-device dialog hides nothing and ticks nothing in advance. The "
                       "program leaves the file as it is. Mend it, or move it away to have an "
                       "empty one created, then restart the program.")
                        .arg(native(filter.path()));
    } else if (filter.problem() == XmlFileProblem::Unreadable) {
        messages << tr("The filter configuration %1 cannot be opened for reading, so it is not "
                       "used: the parameter filter of the add-device dialog hides nothing and "
                       "ticks nothing in advance. Make the file readable, then restart the "
                       "program.")
                        .arg(native(filter.path()));
    }

    const TaskListFile tasks;
    if (tasks.problem() == XmlFileProblem::Damaged) {
        messages << tr("The task list %1 is damaged or is not a task list of this program, so "
                       "no task can be shown. The program leaves the file as it is and starts "
                       "with an empty task list, which it never saves over the file: no task "
                       "can be added until the file is mended. Mend the file, or move it out "
                       "of the Task folder to start a new task list, and start the program "
                       "again.")
                        .arg(native(TaskListFile::filePath()));
    } else if (tasks.problem() == XmlFileProblem::Unreadable) {
        messages << tr("The task list %1 cannot be opened for reading, so no task can be shown. "
                       "The program leaves the file as it is and starts with an empty task "
                       "list: no task can be added until the file can be read. Give your user "
                       "the right to read and write it, or move it out of the Task folder, and "
                       "start the program again.")
                        .arg(native(TaskListFile::filePath()));
    }

    if (!repair.unfinishedStep.isEmpty()) {
        messages << tr("The file %1 records a rename or a deletion of a task that was cut off, "
                       "and the program could not finish or undo it: the record is damaged, "
                       "the task list cannot be read, or a file it names cannot be changed. "
                       "The program leaves the record and the device files as they are, and no "
                       "task can be renamed or deleted while the record is there. Check the "
                       "device files of the tasks it names, then move it out of the Task folder.")
                        .arg(native(repair.unfinishedStep));
    }

    const QString taskFolder = native(TaskFolder::path());
    if (repair.strayDeviceFiles.size() == 1) {
        messages << tr("The device file %1 belongs to no task of the task list, so its devices "
                       "are not shown. The program leaves the file as it is, and no task can "
                       "take its name until it is moved out of the Task folder.")
                        .arg(native(repair.strayDeviceFiles.first()));
    } else if (repair.strayDeviceFiles.size() > 1) {
        messages << tr("The device files below, in the task folder %1, belong to no task of the "
                       "task list, so their devices are not shown. The program leaves them as "
                       "they are, and no task can take the name of one of them until that file "
                       "is moved out of the Task folder.\n\n%2")
                        .arg(taskFolder, fileList(repair.strayDeviceFiles));
    }

    if (repair.oldTemporaryFiles.size() == 1) {
        messages << tr("The file %1 is named as earlier versions of the program named the "
                       "temporary file of a save, so it may be left over from a save that was "
                       "cut off, or be a copy of yours. The program leaves it as it is and never "
                       "reads it. Move it out of the Task folder if you do not need it.")
                        .arg(native(repair.oldTemporaryFiles.first()));
    } else if (repair.oldTemporaryFiles.size() > 1) {
        messages << tr("The files below, in the task folder %1, are named as earlier versions "
                       "of the program named the temporary file of a save, so each may be left "
                       "over from a save that was cut off, or be a copy of yours. The program "
                       "leaves them as they are and never reads them. Move them out of the Task "
                       "folder if you do not need them.\n\n%2")
                        .arg(taskFolder, fileList(repair.oldTemporaryFiles));
    }

    for (const QString &message : std::as_const(messages))
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Varnel"), message);
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
        qCDebug(lcApp) << "[ToolsApplication::notify] exception swallowed:" << e.what();
    } catch (...) {
        qCDebug(lcApp) << "[ToolsApplication::notify] exception swallowed";
    }
    return false;
}

} // namespace kiv
