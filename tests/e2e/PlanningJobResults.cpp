// The planning job from the calculations on: every calculator, the report
// and its two files, and the end of the program.

#include "PlanningJob.h"

#include "ChildProcess.h"
#include "ReportFixture.h"

#include <DeviceListWidget.h>
#include <PathWidget.h>
#include <ReportWidget.h>
#include <TimeUnitButton.h>
#include <Varnel.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

namespace {

// The report as the planner reads it, line by line, without the date,
// which is the day the test runs.
QStringList readableLines(const QString &text, const QString &dateLabel)
{
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.replace(QChar(0x00A0), QLatin1Char(' '));
        const int date = line.indexOf(dateLabel);
        if (date >= 0)
            line.truncate(date);
        line = line.trimmed();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

} // namespace

void PlanningJob::calculateStorageOnTheNvrPath()
{
    QWidget *storage = storageCalculator();
    QVERIFY(chooseCalculator(storage));
    QVERIFY(planner::chooseText(planner::named<QComboBox>(storage, "combStorageDeviceClass"),
                                texts().nvr));
    QVERIFY(planner::chooseText(planner::named<QComboBox>(storage, "combDeviceType"),
                                QStringLiteral("KN-16")));
    QVERIFY(planner::chooseText(planner::named<QComboBox>(storage, "combHDDCapcity"),
                                QStringLiteral("2T")));
    planner::retype(planner::named<QLineEdit>(storage, "edtTime"), QStringLiteral("30"));
    QCOMPARE(storageChoices(),
             QStringLiteral("%1|KN-16|4|2T|30|D|%2").arg(texts().nvr, texts().common));
    QVERIFY(calculate(storage));
    QCOMPARE(storageFigures(), figures::nvrStorage());
    pictures().take(window(), QStringLiteral("storage-nvr"));
    QCOMPARE(takeMessages(), QStringList());
}

void PlanningJob::calculateStorageOnTheCvrPathWithRaid5()
{
    QWidget *storage = storageCalculator();
    QVERIFY(chooseCalculator(storage));
    QVERIFY(planner::chooseText(planner::named<QComboBox>(storage, "combStorageDeviceClass"),
                                texts().cvr));
    QVERIFY(planner::chooseText(planner::named<QComboBox>(storage, "combHDDCapcity"),
                                QStringLiteral("1T")));
    // The disk type first: choosing it puts the record time back to 1.
    QVERIFY(planner::chooseText(planner::named<QComboBox>(storage, "combHDDType"), texts().raid));
    QVERIFY(planner::chooseText(planner::named<QComboBox>(storage, "combRaidType"),
                                QStringLiteral("RAID5")));
    planner::retype(planner::named<QLineEdit>(storage, "edtRaidGroup"), QStringLiteral("2"));
    planner::retype(planner::named<QLineEdit>(storage, "edtHotspare"), QStringLiteral("1"));
    // Months are the third part of the unit button; choosing them puts the
    // time back to 1 too.
    auto *unit = planner::named<kivui::TimeUnitButton>(storage, "btnRecordTime");
    QVERIFY(gui::click(unit, QPoint(unit->width() * 5 / 6, unit->height() / 2)));
    planner::retype(planner::named<QLineEdit>(storage, "edtTime"), QStringLiteral("12"));
    QCOMPARE(storageChoices(),
             QStringLiteral("%1|KV-24|24|1T|12|M|%2|RAID5|2|1").arg(texts().cvr, texts().raid));
    QVERIFY(calculate(storage));
    QCOMPARE(storageFigures(), figures::cvrStorage());
    pictures().take(window(), QStringLiteral("storage-cvr-raid5"));
    QCOMPARE(takeMessages(), QStringList());
}

void PlanningJob::calculateTheBandwidth()
{
    QVERIFY(calculate(bandwidthCalculator()));
    QCOMPARE(bandwidthFigures(), figures::bandwidth());
    pictures().take(window(), QStringLiteral("bandwidth"));
    QCOMPARE(takeMessages(), QStringList());
}

void PlanningJob::calculateStreamServersAndClients()
{
    auto *tabs = planner::named<QTabWidget>(window(), "tabCalculate");
    // Stream servers and clients are planned in the Chinese interface only.
    if (language() == 0) {
        QCOMPARE(tabs->count(), 2);
        return;
    }
    QCOMPARE(tabs->count(), 4);
    QVERIFY(calculate(streamServerCalculator()));
    QCOMPARE(streamServerCount(), figures::streamServers());
    pictures().take(window(), QStringLiteral("stream-servers"));
    QCOMPARE(planner::named<QComboBox>(clientCalculator(), "combClient")->currentText(),
             QStringLiteral("Torvel"));
    QVERIFY(calculate(clientCalculator()));
    QCOMPARE(clientCount(), figures::clients());
    pictures().take(window(), QStringLiteral("clients"));
    QCOMPARE(takeMessages(), QStringList());
}

void PlanningJob::openTheReport()
{
    QWidget *open = planner::named<QWidget>(window()->deviceList(), "btnOutput");
    QStringList lines;
    const bool shown = planner::onDialog<kiv::ReportWidget>(
        this, [open] { gui::click(open); },
        [&](kiv::ReportWidget *report) {
            lines = readableLines(report->document()->toPlainText(), texts().dateLabel);
            pictures().take(report, QStringLiteral("report"));
            gui::click(planner::named<QWidget>(report, "btnClose"));
        });
    QVERIFY(shown);
    QCOMPARE(lines, figures::reportLines(language()));
    QCOMPARE(takeMessages(), QStringList());
}

QString PlanningJob::saveReport(const char *button, const QString &name, const QString &extension)
{
    QWidget *open = planner::named<QWidget>(window()->deviceList(), "btnOutput");
    bool asked = false;
    planner::onDialog<kiv::ReportWidget>(
        this, [open] { gui::click(open); },
        [&](kiv::ReportWidget *report) {
            QWidget *save = planner::named<QWidget>(report, button);
            asked = planner::onDialog<kiv::PathWidget>(
                this, [save] { gui::click(save); },
                [&](kiv::PathWidget *dialog) {
                    planner::retype(planner::named<QLineEdit>(dialog, "edtName"), name);
                    auto *folder = planner::named<QComboBox>(dialog, "comboBox");
                    planner::retype(folder->lineEdit(), m_outFolder);
                    pictures().take(dialog, QStringLiteral("save-") + extension.mid(1));
                    gui::click(dialog->GetConfirmBtn());
                });
        });
    return asked ? m_outFolder + QLatin1Char('/') + name + extension : QString();
}

void PlanningJob::saveTheReportAsPdf()
{
    const QString path = saveReport("btnSavePdf", QStringLiteral("depot"), QStringLiteral(".pdf"));
    QVERIFY(!path.isEmpty());
    QCOMPARE(takeMessages(), QStringList{texts().saved});
    QVERIFY(QFile::exists(path));
    // The PDF lays the tables out on its page, one after the other, and
    // numbers the page; the results come last, as the window shows them.
    QStringList lines = readableLines(pdfText(path), texts().dateLabel);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.takeLast(), QStringLiteral("1"));
    QVERIFY(lines.contains(figures::reportLines(language()).at(2)));
    const QStringList results = figures::reportResults(language());
    QCOMPARE(lines.mid(lines.size() - results.size()), results);
}

void PlanningJob::saveTheReportAsAWorkbook()
{
    const QString path =
        saveReport("btnSaveExcel", QStringLiteral("depot"), QStringLiteral(".xlsx"));
    QVERIFY(!path.isEmpty());
    QCOMPARE(takeMessages(), QStringList{texts().saved});
    const QJsonArray rows =
        reportfixture::readWorkbook(path).value(QStringLiteral("rows")).toArray();
    QStringList read;
    for (const QJsonValue &row : rows)
        read << reportfixture::cells(row).join(QLatin1Char('|'));
    QCOMPARE(read, figures::workbookRows(language()));
}

void PlanningJob::closeTheProgram()
{
    QVERIFY(gui::click(planner::named<QWidget>(window(), "m_btnClose")));
    // The program's loop ends once the question is answered.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    guard.start(60000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!window()->isVisible());
    QCOMPARE(takeMessages(), QStringList{texts().exitQuestion});
}
