// Every data file of the program folder, damaged in each way a copy, a crash
// or another program can damage it, or with something in its place that is
// no file: the file objects tell why they are closed, take nothing of it as
// data, never write it, and return at once where a read would wait or never
// end.
#include "CatalogueFixture.h"
#include "DamagedFile.h"
#include "ProgramFolder.h"

#include <ConfigureManager.h>
#include <FilterConfig.h>
#include <ParamCode.h>
#include <TaskDataBase.h>
#include <TaskDeviceFile.h>
#include <TaskListFile.h>

#include <QtTest>

#include <functional>

namespace {

// The files as the program writes or ships them, each with content that a
// reader of the damaged file would show.
const QByteArray kFilter = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<FilterConfig>\n"
                           " <Entry>\n  <MainType>0</MainType>\n"
                           "  <HideCodeList><Code>010101</Code><Code>010102</Code></HideCodeList>\n"
                           " </Entry>\n</FilterConfig>\n";
const QByteArray kParamCode = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ParamCode>\n"
                              " <IPCResolution>\n  <LikeCode>0410%</LikeCode>\n"
                              "  <Code>041000</Code>\n </IPCResolution>\n"
                              " <NVRRAID>\n  <LikeCode>0415%</LikeCode>\n"
                              "  <Code>041500</Code>\n </NVRRAID>\n</ParamCode>\n";
const QByteArray kSetup =
    ProgramFolder::settingsXml({{"Translator", "1"}, {"Skin", "BlackRedSkin"}});

// One file object on the file: it opens it, tries to read and to write, and
// says what it found. True when it took anything as data or wrote.
struct Outcome
{
    XmlFileProblem problem = XmlFileProblem::None;
    bool tookData = false;
    bool wrote = false;
    // What else the object says agrees with problem.
    bool agrees = true;
};
using Exercise = std::function<Outcome()>;

} // namespace

Q_DECLARE_METATYPE(Exercise)

class TestDamagedDataFiles : public QObject
{
    Q_OBJECT

private slots:
    void damagedFileIsNeitherTakenNorWritten_data();
    void damagedFileIsNeitherTakenNorWritten();
    void goodFilesAreTakenAsData();
    void catalogueThatIsNotOursIsRefused_data();
    void catalogueThatIsNotOursIsRefused();
};

namespace {

struct DataFile
{
    const char *name;
    QString relative;
    QByteArray good;
    // Whether the program creates the file when it is missing or empty.
    bool created;
    Exercise exercise;
};

QVector<DataFile> dataFiles()
{
    return {
        {"task list", QStringLiteral("Task/Task.xml"), kGoodTaskList, true,
         [] {
             TaskListFile list;
             Outcome o;
             o.problem = list.problem();
             QVector<TaskInfo> tasks;
             o.tookData = list.tasks(tasks) && !tasks.isEmpty();
             TaskInfo added;
             added.name = QStringLiteral("Hall");
             o.wrote = list.addTask(added) && list.close();
             o.agrees = list.isDamaged() == (o.problem == XmlFileProblem::Damaged);
             return o;
         }},
        {"device file", QStringLiteral("Task/Lobby.xml"), kGoodDevices, true,
         [] {
             TaskDeviceFile file(QStringLiteral("Lobby"));
             Outcome o;
             o.problem = file.problem();
             QVector<DeviceInfo> devices;
             o.tookData = file.devices(devices) && !devices.isEmpty();
             DeviceInfo added;
             added.deviceType = QStringLiteral("KC-B41");
             added.count = 1;
             o.wrote = file.addDevice(added) && file.close();
             o.agrees = file.isDamaged() == (o.problem == XmlFileProblem::Damaged) &&
                        file.lastError().isEmpty() == (o.problem == XmlFileProblem::None);
             return o;
         }},
        {"filter configuration", QStringLiteral("FilterConfig.xml"), kFilter, true,
         [] {
             FilterConfig config;
             Outcome o;
             o.problem = config.problem();
             QVector<QString> hidden;
             o.tookData = config.hideCodes(0, hidden) && !hidden.isEmpty();
             return o;
         }},
        {"parameter-code table", QStringLiteral("ParamCode.xml"), kParamCode, false,
         [] {
             kiv::ParamCode codes;
             Outcome o;
             ParamCodeItem item;
             o.tookData = codes.getIPCResolution(item);
             o.problem = codes.problem();
             return o;
         }},
        {"settings", QStringLiteral("Setup.xml"), kSetup, false,
         [] {
             kiv::ConfigureManager settings;
             Outcome o;
             o.tookData =
                 settings.load(KavrinGUIToolkit::GetTargetPathFile(QStringLiteral("Setup.xml"))) ||
                 settings.find(kiv::ConfigureManager::KeyTranslator);
             o.problem = settings.problem();
             // Nothing read before the fault counts: the language is the
             // default, as in the lens library.
             o.agrees = o.problem != XmlFileProblem::None ? settings.translator() == 0u
                                                          : settings.translator() == 1u;
             return o;
         }},
    };
}

} // namespace

void TestDamagedDataFiles::damagedFileIsNeitherTakenNorWritten_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QByteArray>("good");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<Exercise>("exercise");
    QTest::addColumn<int>("problem");
    QTest::addColumn<bool>("createdEmpty");

    for (const DataFile &file : dataFiles()) {
        for (Damage damage : everyDamage()) {
            XmlFileProblem problem = XmlFileProblem::Damaged;
            bool createdEmpty = false;
            if (damage == Damage::Missing || damage == Damage::ZeroBytes) {
                // Files the program writes come into being empty; files it
                // only reads are missing (nothing to read) or damaged.
                createdEmpty = file.created;
                if (file.created)
                    problem = XmlFileProblem::None;
                else if (damage == Damage::Missing)
                    problem = XmlFileProblem::Missing;
            }
            const QString outcome = createdEmpty ? QStringLiteral("is created empty")
                                    : problem == XmlFileProblem::Missing
                                        ? QStringLiteral("is missing and stays missing")
                                        : QStringLiteral("is damaged and left as it is");
            QTest::addRow("a %s %s %s", file.name, damageText(damage), qPrintable(outcome))
                << file.relative << file.good << damage << file.exercise << int(problem)
                << createdEmpty;
        }
    }
}

void TestDamagedDataFiles::damagedFileIsNeitherTakenNorWritten()
{
    QFETCH(QString, relative);
    QFETCH(QByteArray, good);
    QFETCH(Damage, damage);
    QFETCH(Exercise, exercise);
    QFETCH(int, problem);
    QFETCH(bool, createdEmpty);

    ProgramFolder folder;
    const QString path = folder.file(relative);
    QVERIFY(layDamaged(path, damage, good));
    const bool existed = QFileInfo::exists(path);
    const QByteArray before = stateOf(path);

    const Outcome outcome = exercise();
    QCOMPARE(int(outcome.problem), problem);
    QVERIFY(!outcome.tookData);
    QVERIFY(outcome.agrees);
    if (createdEmpty) {
        // An empty file of the program's own kind: nothing to lose.
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(ProgramFolder::readAll(path).size() > 0);
    } else {
        QVERIFY(!outcome.wrote);
        QCOMPARE(QFileInfo::exists(path), existed);
        QCOMPARE(stateOf(path), before);
    }
}

void TestDamagedDataFiles::goodFilesAreTakenAsData()
{
    // The same objects on the undamaged files read them: the table above
    // fails for the damage, not for the fixture.
    ProgramFolder folder;
    for (const DataFile &file : dataFiles()) {
        QVERIFY(ProgramFolder::write(folder.file(file.relative), file.good));
        const Outcome outcome = file.exercise();
        QCOMPARE(int(outcome.problem), int(XmlFileProblem::None));
        QVERIFY2(outcome.tookData, file.name);
        QVERIFY2(outcome.agrees, file.name);
    }
}

void TestDamagedDataFiles::catalogueThatIsNotOursIsRefused_data()
{
    QTest::addColumn<Damage>("damage");
    for (Damage damage : everyDamage()) {
        QTest::addRow("a catalogue %s is refused and left as it is", damageText(damage, true))
            << damage;
    }
}

void TestDamagedDataFiles::catalogueThatIsNotOursIsRefused()
{
    QFETCH(Damage, damage);
    ProgramFolder folder;
    const QString path = folder.file(QStringLiteral("Task_EN.db"));
    const QString good = folder.file(QStringLiteral("good.db"));
    QVERIFY(CatalogueFixture::build(good, {QStringLiteral("params.sql")}));
    const QByteArray goodBytes = ProgramFolder::readAll(good);

    if (damage == Damage::WrongRoot)
        QVERIFY(CatalogueFixture::buildForeign(path));
    else
        QVERIFY(layDamaged(path, damage, goodBytes));
    const bool existed = QFileInfo::exists(path);
    const QByteArray before = stateOf(path);

    {
        kiv::TaskDataBase catalogue(path, CatalogueFixture::uniqueConnectionName(), 0);
        QVERIFY(!catalogue.isOpen());
    }
    QCOMPARE(QFileInfo::exists(path), existed);
    QCOMPARE(stateOf(path), before);

    // The undamaged catalogue opens.
    kiv::TaskDataBase catalogue(good, CatalogueFixture::uniqueConnectionName(), 0);
    QVERIFY(catalogue.isOpen());
}

QTEST_GUILESS_MAIN(TestDamagedDataFiles)
#include "tst_damageddatafiles.moc"
