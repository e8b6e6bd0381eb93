// The child that tst_killedsaves kills: a long series of edits of the task
// list and the device files, drawn from a seed, as the program's windows make
// them through the file objects.
//
//   seeded_editor <program folder> <scratch folder> <seed> <log file>
//
// Before each edit it runs the same edit on a copy of the Task folder in the
// scratch folder, to learn what every file will hold afterwards, and appends
// to the log, in one write:
//
//   edit <n> <what>
//   file <name in Task/> <hash before> <hash after>     (one per file it changes)
//   go <n>
//
// then makes the edit on the program folder, checks that the files hold what
// the copy said, and logs "done <n>". A hash is "-" for a missing file. It
// prints "go <n>" on its output as well once the edit is logged and "ran <n>"
// once it is made, for the test to time its kill, and edits until it is
// killed.
#include <TaskDeviceFile.h>
#include <TaskEntries.h>
#include <TaskListFile.h>

#include <TargetPath.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace {

using Files = QMap<QString, QString>;

// "LOBBY" makes some renames change letter case alone.
const QStringList kNames = {
    QStringLiteral("Lobby"),    QStringLiteral("Gate"), QStringLiteral("Car Park"),
    QStringLiteral("一期工程"), QStringLiteral("东门"), QStringLiteral("Roof 2"),
    QStringLiteral("Hall"),     QStringLiteral("Yard"), QStringLiteral("LOBBY")};
constexpr int kMaxTasks = 5;
constexpr int kMaxDevices = 10;

QString hashOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("-");
    return QString::fromLatin1(
        QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());
}

// Every file of the Task folder of @p programFolder with its hash.
Files filesOf(const QString &programFolder)
{
    Files files;
    const QDir task(programFolder + QStringLiteral("/Task"));
    for (const QString &name : task.entryList(QDir::Files | QDir::Hidden | QDir::System))
        files.insert(name, hashOf(task.filePath(name)));
    return files;
}

bool copyTaskFolder(const QString &from, const QString &to)
{
    QDir target(to + QStringLiteral("/Task"));
    if (!target.removeRecursively() || !QDir().mkpath(target.path()))
        return false;
    const QDir source(from + QStringLiteral("/Task"));
    for (const QString &name : source.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!QFile::copy(source.filePath(name), target.filePath(name)))
            return false;
    }
    return true;
}

struct Edit
{
    QString what;
    std::function<void()> run;
};

class Editor
{
public:
    Editor(quint64 seed) : m_random(seed) {}

    Edit next()
    {
        QVector<TaskInfo> tasks;
        {
            TaskListFile list;
            list.tasks(tasks);
        }
        if (tasks.isEmpty())
            return addTask(tasks);
        const int pick = int(m_random.bounded(tasks.size()));
        const QString task = tasks.at(pick).name;
        switch (m_random.bounded(12)) {
        case 0:
            return tasks.size() < kMaxTasks ? addTask(tasks) : deleteTask(pick, task);
        case 1:
            return renameTask(tasks, pick);
        case 2:
            return tasks.size() > 1 ? deleteTask(pick, task) : addTask(tasks);
        case 3:
            return storeResults(task);
        default:
            return editDevices(task);
        }
    }

    // A task's first device edit creates its device file, a save of its own:
    // it is made as an edit of its own, as the device pane does when the task
    // is first shown.
    Edit editDevices(const QString &task)
    {
        if (!QFileInfo::exists(TaskDeviceFile::filePath(task)))
            return {QStringLiteral("show devices of ") + task,
                    [task] { TaskDeviceFile file(task); }};
        return changeDevices(task);
    }

private:
    int number(int from, int to) { return from + int(m_random.bounded(to - from + 1)); }

    QString freeName(const QVector<TaskInfo> &tasks)
    {
        QStringList free = kNames;
        for (const TaskInfo &t : tasks)
            free.removeAll(t.name);
        return free.at(int(m_random.bounded(free.size())));
    }

    Edit addTask(const QVector<TaskInfo> &tasks)
    {
        TaskInfo info;
        info.name = freeName(tasks);
        info.type = number(0, 3);
        info.videoStandard = number(0, 1);
        info.remark = QStringLiteral("remark %1").arg(number(0, 999));
        return {QStringLiteral("add task ") + info.name, [info] { kiv::TaskEntries::add(info); }};
    }

    Edit renameTask(const QVector<TaskInfo> &tasks, int position)
    {
        TaskInfo info = tasks.at(position);
        const QString oldName = info.name;
        info.name = freeName(tasks);
        info.remark = QStringLiteral("renamed %1").arg(number(0, 999));
        // As the task pane does it: the new name of the devices asked for
        // first, then the list and the devices together.
        return {QStringLiteral("rename task %1 to %2").arg(oldName, info.name),
                [info, position, oldName] {
                    if (kiv::TaskEntries::renameDeviceFile(oldName, info.name) &&
                        !kiv::TaskEntries::setNameRemark(info, position, oldName))
                        kiv::TaskEntries::renameDeviceFile(info.name, oldName);
                }};
    }

    Edit deleteTask(int position, const QString &task)
    {
        return {QStringLiteral("delete task ") + task,
                [position, task] { kiv::TaskEntries::removeAt(position, task); }};
    }

    Edit storeResults(const QString &task)
    {
        StorageResult storage;
        storage.taskName = task;
        storage.storageEnable = 1;
        storage.hddNumber = number(1, 64);
        storage.totalCap = QStringLiteral("%1T").arg(number(1, 500));
        BandWidthResult bandwidth;
        bandwidth.taskName = task;
        bandwidth.bandWidthEnable = 1;
        bandwidth.total = QStringLiteral("%1Mbps").arg(number(1, 900));
        const int which = number(0, 2);
        return {QStringLiteral("results of ") + task, [=] {
                    TaskListFile list;
                    if (which == 0)
                        list.setStorageResult(storage);
                    else if (which == 1)
                        list.setBandWidthResult(bandwidth);
                    else
                        list.clearResults(task);
                }};
    }

    Edit changeDevices(const QString &task)
    {
        DeviceInfo device;
        device.deviceType = QStringLiteral("KC-%1").arg(number(100, 999));
        device.remark = QStringLiteral("摄像机 %1").arg(number(0, 99));
        device.mainType = QStringLiteral("IPC");
        device.count = number(1, 16);
        device.mainStream = number(32, 16384);
        device.subStream = number(32, 2048);
        DevStream stream;
        stream.useCode = QStringLiteral("110");
        stream.streamCount = number(1, 8);
        stream.resolution = QStringLiteral("1920*1080");
        stream.frameRate = QStringLiteral("25");
        stream.bitRate = number(256, 8192);
        QString plan;
        for (int hour = 0; hour < 24; ++hour)
            plan += QChar(u'0' + number(0, 2));
        const int kind = number(0, 9);
        const int dev = number(0, kMaxDevices - 1);
        const int value = number(1, 999);
        return {QStringLiteral("devices of %1: %2 at %3").arg(task).arg(kind).arg(dev), [=] {
                    TaskDeviceFile file(task);
                    int count = 0;
                    file.deviceCount(count);
                    const int at = count > 0 ? dev % count : 0;
                    switch (kind) {
                    case 0:
                    case 1:
                        if (count < kMaxDevices)
                            file.addDevice(device);
                        break;
                    case 2:
                        file.removeDevice(at);
                        break;
                    case 3:
                        file.setCount(value, at);
                        file.setRemark(device.remark, at);
                        break;
                    case 4:
                        file.addStream(stream, at);
                        break;
                    case 5:
                        file.setBitRate(at, 0, value);
                        file.removeStream(at, 1);
                        break;
                    case 6:
                        file.setRecordPlan(plan, at);
                        file.setEventFren(at, QString::number(value % 101));
                        break;
                    case 7:
                        file.setStand(at, QStringLiteral("Wall Bracket W2"), value);
                        file.setLens(at, QStringLiteral("4mm Fixed"), value);
                        break;
                    case 8:
                        file.removeStand(at);
                        file.setShield(at, QStringLiteral("Sun Shield S1"), value);
                        break;
                    default:
                        file.setMainStream(value * 16, at);
                        file.removeShield(at);
                        break;
                    }
                }};
    }

    QRandomGenerator m_random;
};

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: seeded_editor <folder> <scratch> <seed> <log>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString scratch = QString::fromLocal8Bit(argv[2]);
    const quint64 seed = QByteArray(argv[3]).toULongLong();
    const int log = ::open(argv[4], O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (log < 0) {
        std::perror("seeded_editor: log");
        return 2;
    }
    Editor editor(seed);
    for (int n = 0;; ++n) {
        KavrinGUIToolkit::SetTargetPath(folder);
        const Edit edit = editor.next();
        const Files before = filesOf(folder);
        if (!copyTaskFolder(folder, scratch)) {
            std::fprintf(stderr, "seeded_editor: cannot copy the Task folder\n");
            return 3;
        }
        KavrinGUIToolkit::SetTargetPath(scratch);
        edit.run();
        const Files after = filesOf(scratch);

        QByteArray entry = "edit\t" + QByteArray::number(n) + '\t' + edit.what.toUtf8() + '\n';
        QStringList names = before.keys() + after.keys();
        names.removeDuplicates();
        for (const QString &name : std::as_const(names)) {
            const QString was = before.value(name, QStringLiteral("-"));
            const QString will = after.value(name, QStringLiteral("-"));
            if (was != will)
                entry += "file\t" + name.toUtf8() + '\t' + was.toLatin1() + '\t' + will.toLatin1() +
                         '\n';
        }
        entry += "go\t" + QByteArray::number(n) + '\n';
        if (!writeAll(log, entry))
            return 3;
        std::printf("go\t%d\n", n);
        std::fflush(stdout);

        KavrinGUIToolkit::SetTargetPath(folder);
        edit.run();
        std::printf("ran\t%d\n", n);
        std::fflush(stdout);
        if (filesOf(folder) != after) {
            std::fprintf(stderr, "seeded_editor: edit %d (%s) did not give what its copy gave\n", n,
                         qPrintable(edit.what));
            return 3;
        }
        if (!writeAll(log, "done\t" + QByteArray::number(n) + '\n'))
            return 3;
    }
}
