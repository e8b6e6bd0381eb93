// The task files when the program is killed at any instant: a child edits
// the task list and the device files without a pause and is killed with
// SIGKILL at random moments. After every kill each file of the Task folder
// reads, with its root element, and holds what it held before the edit under
// way or what that edit gave it, or is the record of the step under way
// (under VARNEL_TEST_NO_TMPFILE=1 a temporary file of a save may be cut
// off); after the next start's opening of the folder the whole folder is the
// state before or the state after that edit, with no temporary file, no
// record, no device file without its task, and every listed task reads its
// devices.
//
// The seed is printed; VARNEL_KILL_SEED=<seed> runs the same edits again,
// each kill aimed at the same edit and drawn at the same share of the time
// the edit before it took.
#include "ProgramFolder.h"

#include <TaskDeviceFile.h>
#include <TaskFolder.h>
#include <TaskListFile.h>
#include <XmlFile.h>
#include <XmlNode.h>

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <thread>

namespace {

using Files = QMap<QString, QString>;

constexpr int kKills = 240;
constexpr int kEditsBeforeAKill = 3;

QString hashOf(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

QString taskFolder(const ProgramFolder &folder)
{
    return folder.file(QStringLiteral("Task"));
}

Files filesOf(const QString &folder)
{
    Files files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        files.insert(name, hashOf(ProgramFolder::readAll(dir.filePath(name))));
    return files;
}

/// The edit under way at the kill, as the child's log gives it.
struct Edit
{
    QString what;
    Files before;
    Files after;
};

/// Reads the child's log: the edits it finished are applied to @p state; the
/// one it had begun, if any, is returned (an empty "what" when none).
Edit readLog(const QString &path, Files &state)
{
    const QStringList lines =
        QString::fromUtf8(ProgramFolder::readAll(path)).split(QLatin1Char('\n'));
    Edit current;
    Edit begun;
    auto apply = [&state](const Edit &edit) {
        for (auto it = edit.after.cbegin(); it != edit.after.cend(); ++it) {
            if (it.value() == QLatin1String("-"))
                state.remove(it.key());
            else
                state.insert(it.key(), it.value());
        }
    };
    for (const QString &line : lines) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.at(0) == QLatin1String("edit") && parts.size() == 3) {
            current = Edit{parts.at(2), {}, {}};
        } else if (parts.at(0) == QLatin1String("file") && parts.size() == 4) {
            current.before.insert(parts.at(1), parts.at(2));
            current.after.insert(parts.at(1), parts.at(3));
        } else if (parts.at(0) == QLatin1String("go")) {
            begun = current;
        } else if (parts.at(0) == QLatin1String("done")) {
            apply(begun);
            begun = Edit();
        }
    }
    return begun;
}

Files applied(Files state, const Edit &edit)
{
    for (auto it = edit.after.cbegin(); it != edit.after.cend(); ++it) {
        if (it.value() == QLatin1String("-"))
            state.remove(it.key());
        else
            state.insert(it.key(), it.value());
    }
    return state;
}

/// The root element a file of the Task folder must have: the list's for the
/// list, a device list's for every other.
QString rootOf(const QString &name)
{
    return name.startsWith(QLatin1String("Task.xml")) ? QStringLiteral("TaskInfoList")
                                                      : QStringLiteral("DeviceInfoList");
}

QString describe(const Files &files)
{
    QStringList out;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        out << it.key() + QLatin1Char('=') + it.value().left(8);
    return out.join(QStringLiteral(", "));
}

// True when @p bytes are the record of the step that the edit @p what makes.
bool isRecordOf(const QByteArray &bytes, const QString &what)
{
    TaskFolderStep step;
    if (!TaskFolderStep::fromBytes(bytes, step))
        return false;
    if (step.kind == TaskFolderStep::Kind::Delete)
        return what == QStringLiteral("delete task ") + step.oldName;
    return what == QStringLiteral("rename task %1 to %2").arg(step.oldName, step.newName);
}

// Each file of @p files in the Task folder @p folder reads with the root
// element of its kind; the first that does not, or empty.
QString firstUnreadable(const QString &folder, const Files &files)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        XmlNode root;
        if (readXmlDataFile(root, QDir(folder).filePath(it.key()), rootOf(it.key())) !=
            XmlFileProblem::None)
            return it.key();
    }
    return QString();
}

quint64 seedOfThisRun()
{
    bool given = false;
    const quint64 seed = qEnvironmentVariable("VARNEL_KILL_SEED").toULongLong(&given);
    return given ? seed : QRandomGenerator::global()->generate64() % 1000000000;
}

} // namespace

class TestKilledSaves : public QObject
{
    Q_OBJECT

private slots:
    void everyKillLeavesTheBeforeOrTheAfter();
};

void TestKilledSaves::everyKillLeavesTheBeforeOrTheAfter()
{
    const quint64 seed = seedOfThisRun();
    std::printf("seed\t%llu\t(VARNEL_KILL_SEED=%llu replays this run)\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed));
    std::fflush(stdout);
    QRandomGenerator waits(seed);

    ProgramFolder folder;
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString log = scratch.filePath(QStringLiteral("edits.log"));
    const QString tasks = taskFolder(folder);
    // The temporary file of a save beside its target, and a device file set
    // aside while its deletion is stored.
    static const QRegularExpression temporary(QStringLiteral("^\\.varnel-save-[A-Za-z0-9]{6}$"));
    static const QRegularExpression setAside(QStringLiteral("^(.+\\.xml)\\.trash$"));
    // Where the file system makes no unnamed file, a save names its new file
    // before writing it: a kill while it writes leaves that file cut off,
    // for the next start to remove. Elsewhere a temporary file is always
    // whole.
    const bool namedBeforeWritten = qEnvironmentVariableIntValue("VARNEL_TEST_NO_TMPFILE") == 1;
    const QString record = QFileInfo(TaskFolder::stepRecordPath()).fileName();

    // The list as the first start leaves it: the child's first look at the
    // tasks would otherwise create it outside any logged edit.
    {
        TaskListFile list;
        QVERIFY(list.isOpen());
    }

    int kills = 0;
    int filesChecked = 0;
    int editsUnderWay = 0;
    int temporariesFound = 0;
    int cutOffTemporariesFound = 0;
    int setAsideFound = 0;
    int secondNamesFound = 0;
    int recordsFound = 0;
    for (int round = 0; round < kKills; ++round) {
        Files state = filesOf(tasks);
        QFile::remove(log);
        QProcess child;
        child.start(QStringLiteral(SEEDED_EDITOR),
                    {folder.root(), scratch.filePath(QStringLiteral("copy")),
                     QString::number(seed * 1000 + quint64(round)), log});
        QVERIFY2(child.waitForStarted(30000), "the editing child did not start");
        // The kill lands a random while after the child began a random one
        // of its first edits but the first: within about as long as the
        // edit before took, inside that edit's saves or just after them.
        const int target = 1 + int(waits.bounded(kEditsBeforeAKill));
        QElapsedTimer clock;
        qint64 editMicroseconds = 0;
        for (bool due = false; !due;) {
            if (!child.canReadLine()) {
                QVERIFY2(child.waitForReadyRead(30000),
                         qPrintable(QStringLiteral("the editing child stopped:\n") +
                                    QString::fromLocal8Bit(child.readAllStandardError())));
                continue;
            }
            const QList<QByteArray> line = child.readLine().trimmed().split('\t');
            if (line.size() != 2)
                continue;
            if (line.at(0) == "go") {
                clock.start();
                due = line.at(1).toInt() == target;
            } else if (line.at(0) == "ran") {
                editMicroseconds = clock.nsecsElapsed() / 1000;
            }
        }
        const qint64 window = std::max<qint64>(editMicroseconds * 5 / 4, 100);
        std::this_thread::sleep_for(std::chrono::microseconds(waits.bounded(window)));
        QVERIFY2(child.state() == QProcess::Running,
                 qPrintable(QStringLiteral("the editing child ended by itself:\n") +
                            QString::fromLocal8Bit(child.readAllStandardError())));
        child.kill();
        QVERIFY(child.waitForFinished(30000));
        ++kills;

        const Edit edit = readLog(log, state);
        const Files after = applied(state, edit);
        if (!edit.what.isEmpty())
            ++editsUnderWay;
        const QString context =
            QStringLiteral("seed %1, kill %2, during \"%3\"").arg(seed).arg(round).arg(edit.what);

        // What the kill left, before anything reads it.
        const Files left = filesOf(tasks);
        QStringList names = left.keys() + state.keys() + after.keys();
        names.removeDuplicates();
        for (const QString &name : std::as_const(names)) {
            const QString found = left.value(name, QStringLiteral("-"));
            const QString was = state.value(name, QStringLiteral("-"));
            const QString will = after.value(name, QStringLiteral("-"));
            if (found == QLatin1String("-")) {
                QVERIFY2(was == found || will == found,
                         qPrintable(context + QStringLiteral(": %1 is missing").arg(name)));
                continue;
            }
            // The record of the step under way, or the temporary file of its
            // save.
            if ((name == record || temporary.match(name).hasMatch()) &&
                isRecordOf(ProgramFolder::readAll(QDir(tasks).filePath(name)), edit.what)) {
                ++recordsFound;
                continue;
            }
            // A temporary file's name does not say which file it is saved
            // for: the file whose new bytes it holds.
            QString savedFor;
            const bool isTemporary = temporary.match(name).hasMatch();
            if (isTemporary) {
                for (auto it = edit.after.cbegin(); it != edit.after.cend(); ++it) {
                    if (it.value() == found)
                        savedFor = it.key();
                }
            }
            if (isTemporary && savedFor.isEmpty() && namedBeforeWritten) {
                ++cutOffTemporariesFound;
                continue;
            }
            XmlNode root;
            QCOMPARE(readXmlDataFile(root, QDir(tasks).filePath(name),
                                     rootOf(savedFor.isEmpty() ? name : savedFor)),
                     XmlFileProblem::None);
            ++filesChecked;
            if (found == was || found == will)
                continue;
            const QRegularExpressionMatch aside = setAside.match(name);
            if (!savedFor.isEmpty()) {
                // A whole copy of what the save under way was writing.
                ++temporariesFound;
            } else if (aside.hasMatch() && edit.before.contains(aside.captured(1)) &&
                       found == edit.before.value(aside.captured(1))) {
                ++setAsideFound;
            } else {
                QFAIL(qPrintable(context +
                                 QStringLiteral(": %1 holds neither what it held nor what the "
                                                "edit gave it (%2, not %3 or %4)")
                                     .arg(name, found.left(8), was.left(8), will.left(8))));
            }
        }

        // A rename under way: the devices under both names at once.
        bool oldName = false;
        bool newName = false;
        for (auto it = edit.after.cbegin(); it != edit.after.cend(); ++it) {
            if (!left.contains(it.key()) || it.key() == QLatin1String("Task.xml"))
                continue;
            oldName = oldName || it.value() == QLatin1String("-");
            newName = newName || edit.before.value(it.key()) == QLatin1String("-");
        }
        if (edit.what.startsWith(QLatin1String("rename")) && oldName && newName)
            ++secondNamesFound;

        // The next start opens the folder as the program does.
        const TaskFolderRepair repair = TaskFolder::open();
        QVERIFY2(repair.strayDeviceFiles.isEmpty(),
                 qPrintable(context + QStringLiteral(": device files of no task: ") +
                            repair.strayDeviceFiles.join(QStringLiteral(", "))));
        QVERIFY2(repair.unfinishedStep.isEmpty() && repair.oldTemporaryFiles.isEmpty(),
                 qPrintable(context + QStringLiteral(": a step or a file left: ") +
                            repair.unfinishedStep +
                            repair.oldTemporaryFiles.join(QLatin1Char(' '))));
        const Files opened = filesOf(tasks);
        QVERIFY2(opened == state || opened == after,
                 qPrintable(context + QStringLiteral(":\nfound  ") + describe(opened) +
                            QStringLiteral("\nbefore ") + describe(state) +
                            QStringLiteral("\nafter  ") + describe(after)));
        // Every task the list holds is shown, each with its own devices.
        TaskListFile list;
        QVector<TaskInfo> shown;
        QVERIFY2(list.tasks(shown), qPrintable(context));
        QSet<QString> deviceFiles(opened.keyBegin(), opened.keyEnd());
        deviceFiles.remove(QStringLiteral("Task.xml"));
        for (const TaskInfo &task : std::as_const(shown)) {
            deviceFiles.remove(task.name + QStringLiteral(".xml"));
            // Its devices read, when it has a file.
            QVector<DeviceRecord> devices;
            QVERIFY2(!opened.contains(task.name + QStringLiteral(".xml")) ||
                         TaskDeviceFile::readRecords(task.name, DeviceParts(), devices),
                     qPrintable(context + QStringLiteral(": the devices of ") + task.name));
        }
        QVERIFY2(deviceFiles.isEmpty(), qPrintable(context));
        const QString unreadable = firstUnreadable(tasks, opened);
        QVERIFY2(unreadable.isEmpty(),
                 qPrintable(context + QStringLiteral(": after the start ") + unreadable));
    }
    std::printf("kills\t%d\nedits under way at a kill\t%d\nfiles checked\t%d\n"
                "temporary files found and removed\t%d\n"
                "cut-off temporary files found and removed\t%d\n"
                "device files found set aside for a deletion\t%d\n"
                "device files found under a second name of a rename\t%d\n"
                "step records found\t%d\n",
                kills, editsUnderWay, filesChecked, temporariesFound, cutOffTemporariesFound,
                setAsideFound, secondNamesFound, recordsFound);
    std::fflush(stdout);
}

QTEST_GUILESS_MAIN(TestKilledSaves)
#include "tst_killedsaves.moc"
