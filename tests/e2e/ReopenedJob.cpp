#include "ReopenedJob.h"

#include <DeviceListWidget.h>
#include <TimeUnitButton.h>
#include <Varnel.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

ReopenedJob::ReopenedJob(int language, QObject *parent) : JobStage(language, "2-reopened", parent)
{
}

ReopenedJob::~ReopenedJob() = default;

void ReopenedJob::bothTasksAreListed()
{
    pictures().take(window(), QStringLiteral("reopened"));
    QCOMPARE(listedTasks(), (QStringList{texts().depot, texts().outlet}));
    // The first task is the one shown after a start.
    QCOMPARE(window()->deviceList()->taskName(), texts().depot);
    QCOMPARE(takeMessages(), QStringList());
}

void ReopenedJob::everyDeviceIsAsItWas()
{
    QCOMPARE(listedDevices(), figures::depotDevices(texts()));
}

void ReopenedJob::everyStreamIsAsItWas()
{
    QCOMPARE(streamsOf(0), figures::gateStreams());
    QCOMPARE(streamsOf(1), QStringList());
    QCOMPARE(streamsOf(2), figures::yardStreams());
    QCOMPARE(streamsOf(3), figures::officeStreams());
}

void ReopenedJob::everyRecordPlanIsAsItWas()
{
    QCOMPARE(planOf(0), figures::eventMornings());
    QCOMPARE(planOf(1), figures::allDay());
    QCOMPARE(planOf(2), figures::eventMornings());
    QCOMPARE(planOf(3), figures::allDay());
}

void ReopenedJob::everyAccessoryIsAsItWas()
{
    QCOMPARE(accessoriesOf(0), figures::gateAccessories(texts()));
    QCOMPARE(accessoriesOf(1), QStringLiteral("||"));
    QCOMPARE(accessoriesOf(2), QStringLiteral("||"));
}

void ReopenedJob::theStoredResultsAreShown()
{
    // The last storage calculation, on the CVR path, with the choices it was
    // made with.
    QCOMPARE(storageChoices(), figures::cvrChoices(texts()));
    QCOMPARE(storageFigures(), figures::cvrStorage());
    QCOMPARE(bandwidthFigures(), figures::bandwidth());
    if (language() == 1) {
        QCOMPARE(streamServerCount(), figures::streamServers());
        QCOMPARE(clientCount(), figures::clients());
    }
    pictures().take(window(), QStringLiteral("reopened-results"));
}

void ReopenedJob::theSolutionTaskIsAsItWas()
{
    QVERIFY(chooseTask(texts().outlet));
    QCOMPARE(listedDevices(), texts().outletDevices);
    QCOMPARE(takeMessages(), QStringList());
}

JobInTheOtherLanguage::JobInTheOtherLanguage(int language, QObject *parent)
    : JobStage(language, "3-from-the-other-language", parent)
{
}

JobInTheOtherLanguage::~JobInTheOtherLanguage() = default;

void JobInTheOtherLanguage::theTaskAndItsStoredResultsAreShown()
{
    pictures().take(window(), QStringLiteral("other-language"));
    QCOMPARE(window()->deviceList()->taskName(), jobTexts(1 - language()).depot);
    // The rows keep the names and remarks they were entered with.
    QCOMPARE(listedDevices(), figures::depotDevices(jobTexts(1 - language())));
    QCOMPARE(streamsOf(0), figures::gateStreams());
    QCOMPARE(planOf(2), figures::eventMornings());
    QCOMPARE(storageFigures(), figures::cvrStorage());
    QCOMPARE(bandwidthFigures(), figures::bandwidth());
    QCOMPARE(takeMessages(), QStringList());
}

void JobInTheOtherLanguage::storageComesToTheSameFigures()
{
    QWidget *storage = storageCalculator();
    // The stored choices are put back in this language's words.
    QCOMPARE(storageChoices(), figures::cvrChoices(texts()));
    QVERIFY(calculate(storage));
    QCOMPARE(storageFigures(), figures::cvrStorage());

    QVERIFY(planner::chooseText(planner::named<QComboBox>(storage, "combStorageDeviceClass"),
                                texts().nvr));
    QVERIFY(planner::chooseText(planner::named<QComboBox>(storage, "combDeviceType"),
                                QStringLiteral("KN-16")));
    QVERIFY(planner::chooseText(planner::named<QComboBox>(storage, "combHDDType"), texts().common));
    QVERIFY(planner::chooseText(planner::named<QComboBox>(storage, "combHDDCapcity"),
                                QStringLiteral("2T")));
    auto *unit = planner::named<kivui::TimeUnitButton>(storage, "btnRecordTime");
    QVERIFY(gui::click(unit, QPoint(unit->width() / 6, unit->height() / 2)));
    planner::retype(planner::named<QLineEdit>(storage, "edtTime"), QStringLiteral("30"));
    QCOMPARE(storageChoices(), figures::nvrChoices(texts()));
    QVERIFY(calculate(storage));
    QCOMPARE(storageFigures(), figures::nvrStorage());
    QCOMPARE(takeMessages(), QStringList());
}

void JobInTheOtherLanguage::bandwidthComesToTheSameFigures()
{
    QVERIFY(calculate(bandwidthCalculator()));
    QCOMPARE(bandwidthFigures(), figures::bandwidth());
}

void JobInTheOtherLanguage::serversAndClientsComeToTheSameFigures()
{
    // Stream servers and clients are planned in the Chinese interface only.
    auto *tabs = planner::named<QTabWidget>(window(), "tabCalculate");
    if (language() == 0) {
        QCOMPARE(tabs->count(), 2);
        return;
    }
    QVERIFY(calculate(streamServerCalculator()));
    QCOMPARE(streamServerCount(), figures::streamServers());
    QVERIFY(calculate(clientCalculator()));
    QCOMPARE(clientCount(), figures::clients());
    pictures().take(window(), QStringLiteral("other-language-recalculated"));
}
