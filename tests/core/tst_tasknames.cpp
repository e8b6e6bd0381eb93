// Hostile task names through every way into the task list: the task pane's
// calls, the task list file itself and the device file rename. A name that
// cannot name a task is refused with the planner's reason, in the interface
// language, and leaves every file as it was; nothing is ever written outside
// the Task folder. Built twice: in English, and in Chinese with
// VARNEL_TEST_CHINESE.
#include "ProcessLanguage.h"
#include "ProgramFolder.h"

#include <TaskDeviceFile.h>
#include <TaskEntries.h>
#include <TaskListFile.h>

#include <QDirIterator>
#include <QtTest>

#include <cstdio>

using kiv::TaskEntries;

namespace {

#ifdef VARNEL_TEST_CHINESE
constexpr int kLanguage = 1;
#else
constexpr int kLanguage = 0;
#endif

// The planner's reasons, English and Chinese.
struct Reason
{
    const char *english;
    const char *chinese;
    QString text() const { return QString::fromUtf8(kLanguage == 1 ? chinese : english); }
};

const Reason kInvalid{"The task name is invalid", "任务名称无效"};
const Reason kIllegal{"The name contains illegal character", "名称包含非法字符"};
const Reason kTooLong{"The task name is too long for a file name.",
                      "任务名称太长，无法用作文件名。"};

TaskInfo task(const QString &name)
{
    TaskInfo info;
    info.name = name;
    info.remark = QStringLiteral("north wing");
    return info;
}

QStringList storedNames()
{
    TaskListFile file;
    QVector<TaskInfo> tasks;
    file.tasks(tasks);
    QStringList names;
    for (const TaskInfo &t : std::as_const(tasks))
        names << t.name;
    return names;
}

} // namespace

class TestTaskNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void aNameThatCannotNameATaskIsRefusedEverywhere_data();
    void aNameThatCannotNameATaskIsRefusedEverywhere();
    void anUnusualNameStaysInsideTheTaskFolder_data();
    void anUnusualNameStaysInsideTheTaskFolder();

private:
    int m_refused = 0;
    int m_accepted = 0;
};

void TestTaskNames::initTestCase()
{
    const ProgramFolder folder(false);
    startInLanguage(folder, kLanguage);
}

void TestTaskNames::cleanupTestCase()
{
    std::printf("names refused\t%d\nnames accepted\t%d\n", m_refused, m_accepted);
    std::fflush(stdout);
}

void TestTaskNames::aNameThatCannotNameATaskIsRefusedEverywhere_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");

    QTest::newRow("a climb out of the folder is refused")
        << QStringLiteral("../escape") << kIllegal.text();
    QTest::newRow("an absolute path is refused")
        << QStringLiteral("/tmp/varnel-escape") << kIllegal.text();
    QTest::newRow("a drive path is refused") << QStringLiteral("C:\\escape") << kIllegal.text();
    QTest::newRow("the task list's own name is refused")
        << QStringLiteral("Task") << kInvalid.text();
    QTest::newRow("a tab is refused") << QStringLiteral("Lobby\teast") << kInvalid.text();
    QTest::newRow("a name of blanks is refused") << QStringLiteral("   ") << kInvalid.text();
    QTest::newRow("300 letters are refused") << QString(300, QLatin1Char('a')) << kTooLong.text();
    // 245 bytes and ".xml.", then six random letters: 256 bytes.
    QTest::newRow("245 letters are one too many for the save's temporary file")
        << QString(245, QLatin1Char('b')) << kTooLong.text();
    // Three bytes each: 252 bytes.
    QTest::newRow("84 Chinese characters are refused")
        << QString(84, QChar(0x4E1C)) << kTooLong.text();
}

void TestTaskNames::aNameThatCannotNameATaskIsRefusedEverywhere()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    ProgramFolder folder;
    QVERIFY(TaskEntries::add(task(QStringLiteral("Lobby"))));
    {
        TaskDeviceFile devices(QStringLiteral("Lobby"));
        DeviceInfo camera;
        camera.deviceType = QStringLiteral("KC-B21");
        camera.count = 4;
        QVERIFY(devices.addDevice(camera));
        QVERIFY(devices.close());
    }
    const QMap<QString, QByteArray> before = ProgramFolder::snapshot(folder.root());

    QString added;
    QVERIFY(!TaskEntries::add(task(name), &added));
    QCOMPARE(added, reason);
    QString renamed;
    QVERIFY(!TaskEntries::setNameRemark(task(name), 0, QStringLiteral("Lobby"), &renamed));
    QCOMPARE(renamed, reason);
    QVERIFY(!TaskEntries::renameDeviceFile(QStringLiteral("Lobby"), name));
    {
        TaskListFile list;
        QVERIFY(!list.addTask(task(name)));
        QVERIFY(!list.setNameRemark(task(name), 0));
        QVERIFY(list.close());
    }
    ++m_refused;

    QCOMPARE(storedNames(), QStringList{QStringLiteral("Lobby")});
    QCOMPARE(ProgramFolder::snapshot(folder.root()), before);
    // Where a name pasted to the folder would have led, outside the folder
    // for some.
    const QString pasted =
        QDir::cleanPath(folder.file(QStringLiteral("Task/")) + name + QStringLiteral(".xml"));
    QVERIFY(before.contains(pasted) || !QFile::exists(pasted));
}

void TestTaskNames::anUnusualNameStaysInsideTheTaskFolder_data()
{
    QTest::addColumn<QString>("name");

    // Reserved only on another system's disks; here plain file names.
    QTest::newRow("CON is an ordinary name") << QStringLiteral("CON");
    QTest::newRow("NUL is an ordinary name") << QStringLiteral("NUL");
    QTest::newRow("com1 with an extension is an ordinary name") << QStringLiteral("com1.txt");
    QTest::newRow("two dots alone are a name") << QStringLiteral("..");
    QTest::newRow("a leading dot is a name") << QStringLiteral(".hidden");
    QTest::newRow("244 letters are the longest name") << QString(244, QLatin1Char('c'));
    QTest::newRow("characters the list's encoding lacks are kept")
        << QStringLiteral("Café \u2603 \U0001D11E");
    QTest::newRow("five X in a row are a name") << QStringLiteral("XXXXX");
    QTest::newRow("six X in a row are a name") << QStringLiteral("Gate XXXXXX");
}

void TestTaskNames::anUnusualNameStaysInsideTheTaskFolder()
{
    QFETCH(QString, name);
    ProgramFolder folder;
    QVERIFY(TaskEntries::add(task(QStringLiteral("Lobby"))));
    QString reason;
    QVERIFY2(TaskEntries::add(task(name), &reason), qPrintable(reason));
    {
        TaskDeviceFile devices(name);
        DeviceInfo camera;
        camera.deviceType = QStringLiteral("KC-B21");
        camera.count = 4;
        QVERIFY(devices.addDevice(camera));
        QVERIFY2(devices.close(), qPrintable(devices.lastError()));
    }
    // Renamed away and back, as the task pane does it: the devices follow.
    QVERIFY(TaskEntries::renameDeviceFile(name, QStringLiteral("Hall")));
    QVERIFY(TaskEntries::setNameRemark(task(QStringLiteral("Hall")), 1, name, &reason));
    QVERIFY(TaskEntries::renameDeviceFile(QStringLiteral("Hall"), name));
    QVERIFY2(TaskEntries::setNameRemark(task(name), 1, QStringLiteral("Hall"), &reason),
             qPrintable(reason));
    ++m_accepted;

    QCOMPARE(storedNames(), (QStringList{QStringLiteral("Lobby"), name}));
    const QString task = folder.file(QStringLiteral("Task"));
    QStringList files = ProgramFolder::snapshot(folder.root()).keys();
    files.removeAll(folder.file(QStringLiteral("Setup.xml")));
    QStringList expected{task + QLatin1Char('/') + name + QStringLiteral(".xml"),
                         task + QStringLiteral("/Task.xml")};
    expected.sort();
    QCOMPARE(files, expected);
    TaskDeviceFile devices(name);
    int count = 0;
    QVERIFY(devices.deviceCount(count));
    QCOMPARE(count, 1);
}

QTEST_GUILESS_MAIN(TestTaskNames)
#include "tst_tasknames.moc"
