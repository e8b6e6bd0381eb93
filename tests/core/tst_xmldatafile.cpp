// What the task files tell the planner when they cannot be opened or saved:
// the reason, naming the file or its folder, in the planner's language.
#include "ProgramFolder.h"

#include <TaskDeviceFile.h>
#include <TaskListFile.h>

#include <QTranslator>
#include <QtTest>

#include <csignal>
#include <linux/capability.h>
#include <memory>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The superuser's power to pass over mode bits, in this thread's effective
// set; false when it cannot be changed.
bool setModeOverride(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    const __u32 bits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    if (on)
        data[0].effective |= bits & data[0].permitted;
    else
        data[0].effective &= ~bits;
    return syscall(SYS_capset, &header, data) == 0;
}

/// While it lives, @p path has only @p permissions, and they hold for this
/// process also when it runs as the superuser.
class Locked
{
public:
    Locked(const QString &path, QFileDevice::Permissions permissions)
        : m_path(path), m_before(QFile::permissions(path))
    {
        QVERIFY(QFile::setPermissions(path, permissions));
        if (geteuid() == 0)
            QVERIFY(m_overrideDropped = setModeOverride(false));
    }
    ~Locked()
    {
        if (m_overrideDropped)
            setModeOverride(true);
        QFile::setPermissions(m_path, m_before);
    }
    Locked(const Locked &) = delete;
    Locked &operator=(const Locked &) = delete;

private:
    QString m_path;
    QFileDevice::Permissions m_before;
    bool m_overrideDropped = false;
};

/// While it lives, no file of this process can grow past 16 bytes: a save
/// stops short as on a full disk.
class FullDisk
{
public:
    FullDisk()
    {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit tight = m_before;
        tight.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

private:
    rlimit m_before{};
    void (*m_handler)(int) = nullptr;
};

const QFileDevice::Permissions kReadOnlyFolder = QFileDevice::ReadOwner | QFileDevice::ExeOwner;

std::unique_ptr<XmlDataFile> openFile(const QString &kind)
{
    if (kind == QLatin1String("device file"))
        return std::make_unique<TaskDeviceFile>(QStringLiteral("Lobby"));
    return std::make_unique<TaskListFile>();
}

bool change(XmlDataFile &file)
{
    if (auto *devices = dynamic_cast<TaskDeviceFile *>(&file)) {
        DeviceInfo device;
        device.deviceType = QStringLiteral("KC-B21");
        device.count = 4;
        return devices->addDevice(device);
    }
    TaskInfo task;
    task.name = QStringLiteral("Lobby");
    return static_cast<TaskListFile &>(file).addTask(task);
}

QString relativePath(const QString &kind)
{
    return kind == QLatin1String("device file") ? QStringLiteral("Task/Lobby.xml")
                                                : QStringLiteral("Task/Task.xml");
}

} // namespace

class TestXmlDataFile : public QObject
{
    Q_OBJECT

private slots:
    void reasonsNameTheFileOrItsFolder_data();
    void reasonsNameTheFileOrItsFolder();
    void reasonsReadInChinese();
    void savesTheReaderWouldRefuseAreNamed_data();
    void savesTheReaderWouldRefuseAreNamed();
};

void TestXmlDataFile::reasonsNameTheFileOrItsFolder_data()
{
    // "{file}" stands for the file's path, "{folder}" for its Task folder.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("spoil");
    QTest::addColumn<bool>("whenSaving");
    QTest::addColumn<QString>("reason");

    QTest::newRow("a full disk is named when a change is saved")
        << QStringLiteral("device file") << QStringLiteral("full disk") << true
        << QStringLiteral("The disk that holds {file} is full.");
    QTest::newRow("a folder that cannot be written is named when a change is saved")
        << QStringLiteral("task list") << QStringLiteral("read-only folder") << true
        << QStringLiteral("The folder {folder} cannot be written.");
    QTest::newRow("a folder that went away is named when a change is saved")
        << QStringLiteral("device file") << QStringLiteral("folder gone") << true
        << QStringLiteral("The folder {folder} is missing.");
    QTest::newRow("a damaged file is named with its path")
        << QStringLiteral("task list") << QStringLiteral("cut short") << false
        << QStringLiteral("The file {file} is damaged or is not a file of this program.");
    QTest::newRow("a file of another program is named as damaged")
        << QStringLiteral("device file") << QStringLiteral("foreign") << false
        << QStringLiteral("The file {file} is damaged or is not a file of this program.");
    QTest::newRow("a missing file that cannot be created is named")
        << QStringLiteral("device file") << QStringLiteral("no folder") << false
        << QStringLiteral("The file {file} is missing and cannot be created.");
    QTest::newRow("a full disk is named when a missing file cannot be created")
        << QStringLiteral("task list") << QStringLiteral("full disk") << false
        << QStringLiteral("The disk that holds {file} is full.");
    QTest::newRow("a folder that cannot be written is named when a missing file cannot be created")
        << QStringLiteral("device file") << QStringLiteral("read-only folder") << false
        << QStringLiteral("The folder {folder} cannot be written.");
    QTest::newRow("a file that cannot be read is named")
        << QStringLiteral("task list") << QStringLiteral("unreadable") << false
        << QStringLiteral("The file {file} cannot be read.");
    QTest::newRow("a file opened and saved gives no reason")
        << QStringLiteral("device file") << QStringLiteral("nothing") << true << QString();
}

void TestXmlDataFile::reasonsNameTheFileOrItsFolder()
{
    QFETCH(QString, kind);
    QFETCH(QString, spoil);
    QFETCH(bool, whenSaving);
    QFETCH(QString, reason);

    const bool locks =
        spoil == QLatin1String("read-only folder") || spoil == QLatin1String("unreadable");
    if (locks && geteuid() == 0 && !(setModeOverride(false) && setModeOverride(true)))
        QSKIP("the superuser's power over mode bits cannot be set aside here");

    ProgramFolder folder(spoil != QLatin1String("no folder"));
    const QString path = folder.file(relativePath(kind));
    const QString taskFolder = folder.file(QStringLiteral("Task"));
    reason.replace(QStringLiteral("{file}"), QDir::toNativeSeparators(path))
        .replace(QStringLiteral("{folder}"), QDir::toNativeSeparators(taskFolder));

    const QByteArray root =
        kind == QLatin1String("device file") ? "DeviceInfoList" : "TaskInfoList";
    if (spoil == QLatin1String("cut short"))
        QVERIFY(ProgramFolder::write(path, "<?xml version=\"1.0\"?>\n<" + root + ">\n<Ta"));
    else if (spoil == QLatin1String("foreign"))
        QVERIFY(ProgramFolder::write(path, "<Inventory><Item/></Inventory>\n"));
    else if (spoil == QLatin1String("unreadable"))
        QVERIFY(ProgramFolder::write(path, "<" + root + "/>\n"));

    // The spoil lasts while the file is opened, or while it is saved.
    const auto spoilNow = [&]() -> std::shared_ptr<void> {
        if (spoil == QLatin1String("full disk"))
            return std::make_shared<FullDisk>();
        if (spoil == QLatin1String("read-only folder"))
            return std::make_shared<Locked>(taskFolder, kReadOnlyFolder);
        if (spoil == QLatin1String("unreadable"))
            return std::make_shared<Locked>(path, QFileDevice::Permissions());
        if (spoil == QLatin1String("folder gone"))
            QDir(taskFolder).removeRecursively();
        return nullptr;
    };

    if (!whenSaving) {
        std::unique_ptr<XmlDataFile> file;
        {
            const std::shared_ptr<void> spoilt = spoilNow();
            file = openFile(kind);
        }
        QVERIFY(!file->isOpen());
        QCOMPARE(file->lastError(), reason);
        return;
    }
    const std::unique_ptr<XmlDataFile> file = openFile(kind);
    QVERIFY(file->isOpen());
    QCOMPARE(file->lastError(), QString());
    QVERIFY(change(*file));
    bool closed = false;
    {
        const std::shared_ptr<void> spoilt = spoilNow();
        closed = file->close();
    }
    QCOMPARE(closed, reason.isEmpty());
    QCOMPARE(file->lastError(), reason);
}

void TestXmlDataFile::reasonsReadInChinese()
{
    QTranslator chinese;
    QVERIFY(chinese.load(QStringLiteral(VARNEL_PROGRAM_DIR "/translations/Varnel_zh.qm")));
    QCoreApplication::installTranslator(&chinese);
    ProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Task/Task.xml"));
    QVERIFY(ProgramFolder::write(path, "<TaskInfoList><Ta"));
    const TaskListFile list;
    QCoreApplication::removeTranslator(&chinese);
    QCOMPARE(
        list.lastError(),
        QStringLiteral("文件 %1 已损坏或不是本程序的文件。").arg(QDir::toNativeSeparators(path)));
}

void TestXmlDataFile::savesTheReaderWouldRefuseAreNamed_data()
{
    // "{file}" stands for the file's path.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("reason");

    const QString limits = QStringLiteral(
        "The change was not saved: the file {file} would then hold more than the program reads "
        "(8 MB, 250000 elements, elements nested 64 deep, 256 attributes on one element). The "
        "file is as it was.");
    QTest::newRow("a task that would take the task list past 8 MB")
        << QStringLiteral("task list") << false << limits;
    QTest::newRow("a task that would take the task list past 8 MB, in Chinese")
        << QStringLiteral("task list") << true
        << QStringLiteral("更改未保存：文件 {file} 将超出本程序所能读取的范围（8 MB、250000 "
                          "个元素、元素嵌套 64 层、单个元素 256 个属性）。文件保持原样。");
    const QString text = QStringLiteral(
        "The change was not saved: the file {file} holds text, written by hand or by another "
        "program, that could not be written back as it reads. The file is as it was.");
    QTest::newRow("a remark no form of which reads back beside the hand-made text after it")
        << QStringLiteral("device file") << false << text;
    QTest::newRow("a remark no form of which reads back, in Chinese")
        << QStringLiteral("device file") << true
        << QStringLiteral("更改未保存：文件 {file} "
                          "含有手工或其他程序写入的文本，无法按其读取时的样子写回。文件保持原样。");
}

void TestXmlDataFile::savesTheReaderWouldRefuseAreNamed()
{
    QFETCH(QString, kind);
    QFETCH(bool, chinese);
    QFETCH(QString, reason);
    ProgramFolder folder;
    const QString path = folder.file(relativePath(kind));
    reason.replace(QStringLiteral("{file}"), QDir::toNativeSeparators(path));
    // A task list 40 bytes short of 8 MB, laid out as a save lays it out,
    // to which a task adds some 90; a remark held as a CDATA section before
    // a text that holds "]]>", so that only one of the two could be a
    // section.
    QByteArray before;
    if (kind == QLatin1String("task list")) {
        const QByteArray head =
            "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<TaskInfoList>\n<Task>\n"
            "<Name>Gate</Name>\n<Remark>";
        const QByteArray tail = "</Remark>\n</Task>\n</TaskInfoList>\n";
        before = head + QByteArray(8 * 1024 * 1024 - 40 - head.size() - tail.size(), 'x') + tail;
    } else {
        before = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<DeviceInfoList><DeviceInfo>"
                 "<Remark><![CDATA[x]]>a]]&gt;b</Remark></DeviceInfo></DeviceInfoList>\n";
    }
    QVERIFY(ProgramFolder::write(path, before));

    QTranslator translator;
    if (chinese) {
        QVERIFY(translator.load(QStringLiteral(VARNEL_PROGRAM_DIR "/translations/Varnel_zh.qm")));
        QCoreApplication::installTranslator(&translator);
    }
    bool closed = true;
    QString error;
    {
        std::unique_ptr<XmlDataFile> file = openFile(kind);
        QVERIFY(file->isOpen());
        if (auto *devices = dynamic_cast<TaskDeviceFile *>(file.get()))
            QVERIFY(devices->setRemark(QStringLiteral("\u20ac"), 0));
        else
            QVERIFY(change(*file));
        closed = file->close();
        error = file->lastError();
    }
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(!closed);
    QCOMPARE(error, reason);
    QCOMPARE(ProgramFolder::readAll(path), before);
}

QTEST_GUILESS_MAIN(TestXmlDataFile)
#include "tst_xmldatafile.moc"
