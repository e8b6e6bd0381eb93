// The bandwidth, client and stream-server calculators as a planner uses
// them: Calculate shows and stores, failures say so and store the result
// disabled, typed numbers are stored at once and come back with the task,
// blanking the figures stores nothing, and a count that cannot be made or
// stored is told.

#include "CalcTestSupport.h"

#include <BandwidthCalModel.h>
#include <BandwidthCalulatorWidget.h>
#include <ClientCalculatorWidget.h>
#include <StreamServerCalulatorWidget.h>
#include <TableView.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace calctest;

namespace {

template <typename T> T *child(const QWidget *w, const char *name)
{
    T *found = w->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

QStringList bandwidthCells(const kiv::BandwidthCalulatorWidget &w)
{
    QStringList out;
    for (int column = 0; column < 4; ++column)
        out << w.model()->cellText(column);
    return out;
}

BandWidthResult storedBandwidth(const QString &task)
{
    BandWidthResult r;
    TaskListFile file;
    file.bandWidthResult(task, r);
    return r;
}

ClientResult storedClient(const QString &task)
{
    ClientResult r;
    TaskListFile file;
    file.clientResult(task, r);
    return r;
}

StreamServerResult storedServers(const QString &task)
{
    StreamServerResult r;
    TaskListFile file;
    file.streamServerResult(task, r);
    return r;
}

void breakDeviceFile(const QString &task)
{
    QVERIFY(ProgramFolder::write(TaskDeviceFile::filePath(task),
                                 "<?xml version=\"1.0\"?>\n<DeviceInfoList><DeviceInfo>"));
}

/// Types into a line edit as the planner does, after clearing it.
void type(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

const QStringList kNoFigures{QString(), QString(), QString(), QString()};

/// A client or stream-server calculator for @p task, by the name of its
/// result field.
std::unique_ptr<QWidget> countCalculator(const QString &field, const QString &task)
{
    if (field == QLatin1String("edtClientCount")) {
        auto w = std::make_unique<kiv::ClientCalculatorWidget>();
        w->setTaskName(task);
        return w;
    }
    auto w = std::make_unique<kiv::StreamServerCalulatorWidget>();
    w->setTaskName(task);
    return w;
}

/// The enable flag and number of the task's result of the calculator whose
/// field is @p field.
QPair<int, int> storedCount(const QString &field, const QString &task)
{
    if (field == QLatin1String("edtClientCount")) {
        const ClientResult r = storedClient(task);
        return {r.clientEnable, r.clientNumber};
    }
    const StreamServerResult r = storedServers(task);
    return {r.streamServerEnable, r.streamServerNumber};
}

} // namespace

class TestCountCalculators : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void bandwidthIsShownStoredAndLoaded();
    void bandwidthOfAnUnreadableTaskFailsAndIsStoredDisabled();
    void calculatorsWithoutATaskSaySo();

    void clientsOfTheFirstSoftwareAreCounted();
    void otherClientSoftwareGivesSixteenWithoutReadingTheTask();
    void clientsOfAnUnreadableTaskAreStoredDisabled();
    void typedClientNumberIsStoredAndComesBack();
    void emptiedClientFieldStoresTheResultDisabled();
    void blankingTheClientFieldStoresNothing();

    void streamServersAreCountedAndStored();
    void typedServerNumberIsStoredAndComesBack();
    void streamServersOfAnUnreadableTaskAreStoredDisabled();
    void countFailuresAreToldAndStoreNoNumber_data();
    void countFailuresAreToldAndStoreNoNumber();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestCountCalculators::initTestCase()
{
    m_folder = makeProgramFolder();
}

void TestCountCalculators::init()
{
    resetTasks(*m_folder);
    addTasks({QStringLiteral("Depot"), QStringLiteral("Yard")});
}

void TestCountCalculators::cleanupTestCase()
{
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    KavrinGUIToolkit::CChaseDialog::SetResponder({});
    m_folder.reset();
}

void TestCountCalculators::bandwidthIsShownStoredAndLoaded()
{
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 4, 2048,
              {stream(QStringLiteral("111"), 1, 2048), stream(QStringLiteral("000"), 1, 2048)});
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 1, 2048,
              {stream(QStringLiteral("100"), 1, 1024000)});
    kiv::BandwidthCalulatorWidget w;
    QCOMPARE(w.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Preview"));
    QCOMPARE(w.model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Total"));
    w.setTaskName(QStringLiteral("Depot"));
    child<QPushButton>(&w, "btnCalculate")->click();
    QVERIFY(messages().isEmpty());
    // The "000" stream counts in the total only.
    const QStringList shown{QStringLiteral("1.40Gbps"), QStringLiteral("2.90Mbps"),
                            QStringLiteral("2.90Mbps"), QStringLiteral("1.50Gbps")};
    QCOMPARE(bandwidthCells(w), shown);
    const BandWidthResult r = storedBandwidth(QStringLiteral("Depot"));
    QCOMPARE(r.bandWidthEnable, 1);
    QCOMPARE((QStringList{r.preView, r.record, r.transmission, r.total}), shown);

    w.setTaskName(QStringLiteral("Yard"));
    w.loadResult();
    QCOMPARE(bandwidthCells(w), kNoFigures);
    w.setTaskName(QStringLiteral("Depot"));
    w.loadResult();
    QCOMPARE(bandwidthCells(w), shown);
    w.clearResult();
    QCOMPARE(bandwidthCells(w), kNoFigures);
    QCOMPARE(storedBandwidth(QStringLiteral("Depot")).bandWidthEnable, 1);
}

void TestCountCalculators::bandwidthOfAnUnreadableTaskFailsAndIsStoredDisabled()
{
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 1, 2048,
              {stream(QStringLiteral("111"), 1, 2048)});
    kiv::BandwidthCalulatorWidget w;
    w.setTaskName(QStringLiteral("Depot"));
    child<QPushButton>(&w, "btnCalculate")->click();
    QCOMPARE(storedBandwidth(QStringLiteral("Depot")).bandWidthEnable, 1);

    breakDeviceFile(QStringLiteral("Depot"));
    child<QPushButton>(&w, "btnCalculate")->click();
    // "Failed." names its reason on a second line: the device file's own.
    const QString reason = TaskDeviceFile(QStringLiteral("Depot")).lastError();
    QVERIFY(!reason.isEmpty());
    QCOMPARE(messages(), QStringList{QStringLiteral("Warn|Failed.\n") + reason});
    QCOMPARE(bandwidthCells(w), kNoFigures);
    QCOMPARE(storedBandwidth(QStringLiteral("Depot")).bandWidthEnable, 0);
}

void TestCountCalculators::calculatorsWithoutATaskSaySo()
{
    kiv::BandwidthCalulatorWidget bandwidth;
    kiv::ClientCalculatorWidget clients;
    kiv::StreamServerCalulatorWidget servers;
    child<QPushButton>(&bandwidth, "btnCalculate")->click();
    child<QPushButton>(&clients, "btnCalculate")->click();
    child<QPushButton>(&servers, "btnCalculate")->click();
    const QStringList shown = messages();
    QCOMPARE(shown.size(), 3);
    for (const QString &m : shown)
        QVERIFY2(m.startsWith(QStringLiteral("Info|Choose a task first")), qPrintable(m));
    QCOMPARE(child<QLineEdit>(&clients, "edtClientCount")->text(), QString());
}

void TestCountCalculators::clientsOfTheFirstSoftwareAreCounted()
{
    // 300 devices and 1500 streams: 2 clients.
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 300, 2048,
              {stream(QStringLiteral("100"), 1000, 2048)});
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 0, 2048,
              {stream(QStringLiteral("001"), 500, 2048)});
    kiv::ClientCalculatorWidget w;
    QComboBox *client = child<QComboBox>(&w, "combClient");
    QCOMPARE(client->count(), 2);
    QCOMPARE(client->itemText(0), QStringLiteral("Torvel"));
    QCOMPARE(client->itemText(1), QStringLiteral("Sarvik"));
    w.setTaskName(QStringLiteral("Depot"));
    child<QPushButton>(&w, "btnCalculate")->click();
    QLineEdit *number = child<QLineEdit>(&w, "edtClientCount");
    QCOMPARE(number->text(), QStringLiteral("2"));
    QCOMPARE(number->alignment(), Qt::AlignCenter);
    const ClientResult r = storedClient(QStringLiteral("Depot"));
    QCOMPARE(r.clientEnable, 1);
    QCOMPARE(r.clientNumber, 2);
    QCOMPARE(r.client, QStringLiteral("Torvel"));
    // Another software neither recounts nor blanks the number.
    client->setCurrentIndex(1);
    QCOMPARE(number->text(), QStringLiteral("2"));
}

void TestCountCalculators::otherClientSoftwareGivesSixteenWithoutReadingTheTask()
{
    breakDeviceFile(QStringLiteral("Depot"));
    kiv::ClientCalculatorWidget w;
    child<QComboBox>(&w, "combClient")->setCurrentIndex(1);
    w.setTaskName(QStringLiteral("Depot"));
    child<QPushButton>(&w, "btnCalculate")->click();
    QVERIFY(messages().isEmpty());
    QCOMPARE(child<QLineEdit>(&w, "edtClientCount")->text(), QStringLiteral("16"));
    const ClientResult r = storedClient(QStringLiteral("Depot"));
    QCOMPARE(r.clientEnable, 1);
    QCOMPARE(r.clientNumber, 16);
    QCOMPARE(r.client, QStringLiteral("Sarvik"));
}

void TestCountCalculators::clientsOfAnUnreadableTaskAreStoredDisabled()
{
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 10, 2048, {});
    kiv::ClientCalculatorWidget w;
    w.setTaskName(QStringLiteral("Depot"));
    child<QPushButton>(&w, "btnCalculate")->click();
    QCOMPARE(storedClient(QStringLiteral("Depot")).clientEnable, 1);
    breakDeviceFile(QStringLiteral("Depot"));
    child<QPushButton>(&w, "btnCalculate")->click();
    QCOMPARE(messages(),
             QStringList{QStringLiteral("Error|The devices of this task cannot be read.")});
    QCOMPARE(child<QLineEdit>(&w, "edtClientCount")->text(), QString());
    QCOMPARE(storedClient(QStringLiteral("Depot")).clientEnable, 0);
}

void TestCountCalculators::typedClientNumberIsStoredAndComesBack()
{
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 10, 2048, {});
    kiv::ClientCalculatorWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setTaskName(QStringLiteral("Depot"));
    child<QPushButton>(&w, "btnCalculate")->click();
    QLineEdit *number = child<QLineEdit>(&w, "edtClientCount");
    QCOMPARE(number->text(), QStringLiteral("1"));
    child<QComboBox>(&w, "combClient")->setCurrentIndex(1);
    type(number, QStringLiteral("25"));
    ClientResult r = storedClient(QStringLiteral("Depot"));
    QCOMPARE(r.clientEnable, 1);
    QCOMPARE(r.clientNumber, 25);
    QCOMPARE(r.client, QStringLiteral("Sarvik"));

    w.setTaskName(QStringLiteral("Yard"));
    w.loadResult();
    QCOMPARE(number->text(), QString());
    // Blanking stored nothing over the typed number.
    QCOMPARE(storedClient(QStringLiteral("Depot")).clientNumber, 25);
    w.setTaskName(QStringLiteral("Depot"));
    w.loadResult();
    QCOMPARE(number->text(), QStringLiteral("25"));

    // Typed before any calculation, a number is the task's result as well.
    w.setTaskName(QStringLiteral("Yard"));
    type(number, QStringLiteral("7"));
    r = storedClient(QStringLiteral("Yard"));
    QCOMPARE(r.clientEnable, 1);
    QCOMPARE(r.clientNumber, 7);
    // Out of range cannot be typed.
    type(number, QStringLiteral("1001"));
    QCOMPARE(number->text(), QStringLiteral("100"));
    QCOMPARE(storedClient(QStringLiteral("Yard")).clientNumber, 100);
}

void TestCountCalculators::emptiedClientFieldStoresTheResultDisabled()
{
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 10, 2048, {});
    kiv::ClientCalculatorWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setTaskName(QStringLiteral("Depot"));
    child<QPushButton>(&w, "btnCalculate")->click();
    QLineEdit *number = child<QLineEdit>(&w, "edtClientCount");
    number->selectAll();
    QTest::keyClick(number, Qt::Key_Backspace);
    QCOMPARE(storedClient(QStringLiteral("Depot")).clientEnable, 0);
    w.loadResult();
    QCOMPARE(number->text(), QString());
}

void TestCountCalculators::blankingTheClientFieldStoresNothing()
{
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 300, 2048, {});
    kiv::ClientCalculatorWidget w;
    w.setTaskName(QStringLiteral("Depot"));
    child<QPushButton>(&w, "btnCalculate")->click();
    const QByteArray before = ProgramFolder::readAll(TaskListFile::filePath());
    w.clearResult();
    w.setTaskName(QStringLiteral("Yard"));
    w.loadResult();
    QCOMPARE(ProgramFolder::readAll(TaskListFile::filePath()), before);
}

void TestCountCalculators::streamServersAreCountedAndStored()
{
    // Preview and transmission streams count as much as recording ones.
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 1, 2048,
              {stream(QStringLiteral("100"), 16, 4096), stream(QStringLiteral("001"), 16, 4096)});
    kiv::StreamServerCalulatorWidget w;
    w.setTaskName(QStringLiteral("Depot"));
    child<QPushButton>(&w, "btnCalculate")->click();
    QVERIFY(messages().isEmpty());
    QCOMPARE(child<QLineEdit>(&w, "edtServerCount")->text(), QStringLiteral("2"));
    const StreamServerResult r = storedServers(QStringLiteral("Depot"));
    QCOMPARE(r.streamServerEnable, 1);
    QCOMPARE(r.streamServerNumber, 2);
    QVERIFY(r.streamServer.isEmpty());

    // A task without streams needs none, shown and stored.
    w.setTaskName(QStringLiteral("Yard"));
    child<QPushButton>(&w, "btnCalculate")->click();
    QCOMPARE(child<QLineEdit>(&w, "edtServerCount")->text(), QStringLiteral("0"));
    QCOMPARE(storedServers(QStringLiteral("Yard")).streamServerEnable, 1);
}

void TestCountCalculators::typedServerNumberIsStoredAndComesBack()
{
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 1, 2048,
              {stream(QStringLiteral("111"), 2, 4096)});
    kiv::StreamServerCalulatorWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setTaskName(QStringLiteral("Depot"));
    child<QPushButton>(&w, "btnCalculate")->click();
    QLineEdit *number = child<QLineEdit>(&w, "edtServerCount");
    QCOMPARE(number->text(), QStringLiteral("1"));
    type(number, QStringLiteral("3"));
    QCOMPARE(storedServers(QStringLiteral("Depot")).streamServerNumber, 3);
    QCOMPARE(storedServers(QStringLiteral("Depot")).streamServerEnable, 1);
    w.setTaskName(QStringLiteral("Yard"));
    w.loadResult();
    QCOMPARE(number->text(), QString());
    w.setTaskName(QStringLiteral("Depot"));
    w.loadResult();
    QCOMPARE(number->text(), QStringLiteral("3"));
    number->selectAll();
    QTest::keyClick(number, Qt::Key_Delete);
    QCOMPARE(storedServers(QStringLiteral("Depot")).streamServerEnable, 0);
}

void TestCountCalculators::streamServersOfAnUnreadableTaskAreStoredDisabled()
{
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), 1, 2048,
              {stream(QStringLiteral("111"), 2, 4096)});
    kiv::StreamServerCalulatorWidget w;
    w.setTaskName(QStringLiteral("Depot"));
    child<QPushButton>(&w, "btnCalculate")->click();
    breakDeviceFile(QStringLiteral("Depot"));
    child<QPushButton>(&w, "btnCalculate")->click();
    QCOMPARE(messages(),
             QStringList{QStringLiteral("Error|The devices of this task cannot be read.")});
    QCOMPARE(child<QLineEdit>(&w, "edtServerCount")->text(), QString());
    QCOMPARE(storedServers(QStringLiteral("Depot")).streamServerEnable, 0);
}

void TestCountCalculators::countFailuresAreToldAndStoreNoNumber_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("deviceCount");
    QTest::addColumn<int>("bitRate");
    QTest::addColumn<bool>("damagedTaskList");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    // 300 devices: 2 clients; one stream of 4096 Kbps: 1 server.
    QTest::newRow("a negative device count cannot be counted as clients")
        << "edtClientCount" << -300 << 4096 << false
        << "Error|The clients of this task cannot be counted. Check the device counts and "
           "stream counts."
        << QString();
    QTest::newRow("a negative bit rate cannot be counted as stream servers")
        << "edtServerCount" << 300 << -4096 << false
        << "Error|The stream servers of this task cannot be counted. Check the bit rates and "
           "stream counts of its streams."
        << QString();
    // %1: the task list's path, named on the message's second line.
    QTest::newRow("clients counted for a damaged task list are shown, not stored")
        << "edtClientCount" << 300 << 4096 << true
        << "Warn|The result could not be stored in the task list.\nThe file %1 is damaged or is "
           "not a file of this program."
        << "2";
    QTest::newRow("servers counted for a damaged task list are shown, not stored")
        << "edtServerCount" << 300 << 4096 << true
        << "Warn|The result could not be stored in the task list.\nThe file %1 is damaged or is "
           "not a file of this program."
        << "1";
}

void TestCountCalculators::countFailuresAreToldAndStoreNoNumber()
{
    QFETCH(QString, field);
    QFETCH(int, deviceCount);
    QFETCH(int, bitRate);
    QFETCH(bool, damagedTaskList);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    addDevice(QStringLiteral("Depot"), QStringLiteral("IPC"), deviceCount, 2048,
              {stream(QStringLiteral("111"), 1, bitRate)});
    // An earlier number, which no failure may leave standing as the result.
    {
        TaskListFile file;
        ClientResult c;
        c.taskName = QStringLiteral("Depot");
        c.clientEnable = 1;
        c.clientNumber = 9;
        QVERIFY(file.setClientResult(c));
        StreamServerResult s;
        s.taskName = QStringLiteral("Depot");
        s.streamServerEnable = 1;
        s.streamServerNumber = 9;
        QVERIFY(file.setStreamServerResult(s));
        QVERIFY(file.close());
    }
    QByteArray damaged;
    if (damagedTaskList) {
        damaged = ProgramFolder::readAll(TaskListFile::filePath());
        damaged.chop(damaged.size() / 2);
        QVERIFY(ProgramFolder::write(TaskListFile::filePath(), damaged));
    }
    const std::unique_ptr<QWidget> w = countCalculator(field, QStringLiteral("Depot"));
    child<QPushButton>(w.get(), "btnCalculate")->click();
    if (damagedTaskList)
        message = message.arg(QDir::toNativeSeparators(TaskListFile::filePath()));
    QCOMPARE(messages(), QStringList{message});
    QCOMPARE(child<QLineEdit>(w.get(), field.toLatin1().constData())->text(), shown);
    if (damagedTaskList) {
        // The damaged file is left as it was.
        QCOMPARE(ProgramFolder::readAll(TaskListFile::filePath()), damaged);
        return;
    }
    // The result is stored disabled, without a number.
    QCOMPARE(storedCount(field, QStringLiteral("Depot")), qMakePair(0, 0));
}

QTEST_MAIN(TestCountCalculators)
#include "tst_countcalculators.moc"
