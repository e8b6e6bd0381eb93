// Every kind of save the program makes, with the write cut off part-way by a
// file size limit: the planner is told the disk is full, the file on disk is
// the old one, whole, no half-written file is left beside it, and once there
// is room again the same save goes through.
#include <DeviceEntries.h>
#include <ReportExports.h>
#include <TaskEntries.h>

#include "FileSizeLimit.h"
#include "ProgramFolder.h"
#include "ReportFixture.h"

#include <QtTest>

#include <cstdio>
#include <memory>

using namespace reportfixture;

namespace {

enum Kind { TaskList, DeviceFile, Pdf, Workbook };

// Where the write is cut off: at the first byte, half way through the old
// file's length, or near the end of the new content (the old file's length
// for a data file, whose new content is longer; one byte short of a report's
// new file).
enum Cut { FirstByte, HalfWay, NearTheEnd };

} // namespace

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Cut)

class TestCutOffWrites : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void aCutOffWriteKeepsTheOldFileAndSaysTheDiskIsFull_data();
    void aCutOffWriteKeepsTheOldFileAndSaysTheDiskIsFull();

private:
    QString target(Kind kind) const;
    /// Makes the save of @p kind as the program does; a report is written to
    /// @p path when one is given.
    bool save(Kind kind, QString *reason, const QString &path = QString()) const;
    QStringList filesBeside(const QString &path) const
    {
        return QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<QTemporaryDir> m_out;
    int m_filesChecked = 0;
    int m_cutOff = 0;
};

void TestCutOffWrites::initTestCase()
{
    useLanguage(0);
}

void TestCutOffWrites::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_out = std::make_unique<QTemporaryDir>();
    QVERIFY(m_out->isValid());
    writePlannerTask();
}

void TestCutOffWrites::cleanup()
{
    m_out.reset();
    m_folder.reset();
}

void TestCutOffWrites::cleanupTestCase()
{
    std::printf("writes cut off\t%d\nfiles checked\t%d\n", m_cutOff, m_filesChecked);
    std::fflush(stdout);
}

QString TestCutOffWrites::target(Kind kind) const
{
    switch (kind) {
    case TaskList:
        return TaskListFile::filePath();
    case DeviceFile:
        return TaskDeviceFile::filePath(plannerTask());
    case Pdf:
        return m_out->filePath(QStringLiteral("Harbour Gate.pdf"));
    case Workbook:
        return m_out->filePath(QStringLiteral("Harbour Gate.xlsx"));
    }
    return QString();
}

bool TestCutOffWrites::save(Kind kind, QString *reason, const QString &path) const
{
    const QString file = path.isEmpty() ? target(kind) : path;
    switch (kind) {
    case TaskList: {
        TaskInfo yard;
        yard.name = QStringLiteral("Yard");
        yard.remark = QStringLiteral("behind the loading bay");
        return kiv::TaskEntries::add(yard, reason);
    }
    case DeviceFile: {
        DeviceInfo camera;
        camera.deviceType = QStringLiteral("KC-3320-IR");
        camera.mainType = QStringLiteral("IPC");
        camera.count = 3;
        camera.remark = QStringLiteral("loading bay");
        return kiv::DeviceEntries(plannerTask()).append(camera, reason);
    }
    case Pdf: {
        BuiltReport report(plannerTask());
        return kiv::writeReportPdf(report.document(), file, plannerTask(), reason);
    }
    case Workbook:
        return kiv::writeReportWorkbook(kiv::readTaskReport(plannerTask()), file, plannerTask(),
                                        reason);
    }
    return false;
}

void TestCutOffWrites::aCutOffWriteKeepsTheOldFileAndSaysTheDiskIsFull_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<Cut>("cut");

    const QList<QPair<Kind, const char *>> kinds = {{TaskList, "the task list"},
                                                    {DeviceFile, "a device file"},
                                                    {Pdf, "a report's PDF file"},
                                                    {Workbook, "a report's workbook"}};
    const QList<QPair<Cut, const char *>> cuts = {{FirstByte, "at its first byte"},
                                                  {HalfWay, "half way through"},
                                                  {NearTheEnd, "near its end"}};
    for (const auto &kind : kinds) {
        for (const auto &cut : cuts)
            QTest::addRow("%s cut off %s keeps the old one", kind.second, cut.second)
                << kind.first << cut.first;
    }
}

void TestCutOffWrites::aCutOffWriteKeepsTheOldFileAndSaysTheDiskIsFull()
{
    QFETCH(Kind, kind);
    QFETCH(Cut, cut);

    const QString file = target(kind);
    if (kind == Pdf || kind == Workbook) {
        // The planner's earlier report of the task, before it got one more
        // camera.
        QVERIFY(save(kind, nullptr));
        DeviceInfo camera;
        camera.deviceType = QStringLiteral("KC-4410-W");
        camera.mainType = QStringLiteral("IPC");
        camera.count = 2;
        QVERIFY(kiv::DeviceEntries(plannerTask()).append(camera));
    }
    const QByteArray old = ProgramFolder::readAll(file);
    QVERIFY(!old.isEmpty());
    const QStringList besideBefore = filesBeside(file);
    const QStringList taskFilesBefore = filesBeside(TaskListFile::filePath());
    QMap<QString, QByteArray> taskBytes;
    for (const QString &name : taskFilesBefore)
        taskBytes.insert(name,
                         ProgramFolder::readAll(m_folder->file(QStringLiteral("Task/") + name)));

    qsizetype nearTheEnd = old.size();
    if (kind == Pdf || kind == Workbook) {
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString whole = scratch.filePath(QFileInfo(file).fileName());
        QVERIFY(QFile::copy(file, whole));
        QVERIFY(save(kind, nullptr, whole));
        nearTheEnd = QFileInfo(whole).size() - 1;
    }
    const qsizetype limit = cut == FirstByte ? 0 : cut == HalfWay ? old.size() / 2 : nearTheEnd;
    QString reason;
    {
        FileSizeLimit full{rlim_t(limit)};
        QVERIFY(full.isActive());
        QVERIFY(!save(kind, &reason));
    }
    ++m_cutOff;

    const QString expected =
        kind == TaskList || kind == DeviceFile
            ? QStringLiteral("The disk that holds %1 is full.").arg(QDir::toNativeSeparators(file))
            : QStringLiteral("The disk is full.");
    QCOMPARE(reason, expected);
    QCOMPARE(ProgramFolder::readAll(file), old);
    QCOMPARE(filesBeside(file), besideBefore);
    // The task files the save only read are as they were too.
    QCOMPARE(filesBeside(TaskListFile::filePath()), taskFilesBefore);
    for (auto it = taskBytes.cbegin(); it != taskBytes.cend(); ++it) {
        QVERIFY2(ProgramFolder::readAll(m_folder->file(QStringLiteral("Task/") + it.key())) ==
                     it.value(),
                 qPrintable(it.key()));
        ++m_filesChecked;
    }

    // With room again, the program goes on: the same save goes through.
    reason.clear();
    QVERIFY2(save(kind, &reason), qPrintable(reason));
    const QByteArray saved = ProgramFolder::readAll(file);
    QVERIFY(saved != old);
    switch (kind) {
    case TaskList: {
        TaskListFile list;
        QVector<TaskInfo> tasks;
        QVERIFY(list.tasks(tasks));
        QCOMPARE(tasks.size(), 2);
        QCOMPARE(tasks.at(1).name, QStringLiteral("Yard"));
        break;
    }
    case DeviceFile: {
        TaskDeviceFile devices(plannerTask());
        int count = 0;
        QVERIFY(devices.deviceCount(count));
        QCOMPARE(count, 5);
        break;
    }
    case Pdf:
        QVERIFY(saved.startsWith("%PDF"));
        QVERIFY(pdfText(file).contains(QStringLiteral("KC-4410-W")));
        break;
    case Workbook: {
        // The heading, the five devices and the results.
        const QJsonArray rows = readWorkbook(file).value(QStringLiteral("rows")).toArray();
        QCOMPARE(rows.size(), 7);
        QCOMPARE(cells(rows.at(5)).at(0), QStringLiteral("KC-4410-W"));
        break;
    }
    }
}

QTEST_MAIN(TestCutOffWrites)
#include "tst_cutoffwrites.moc"
