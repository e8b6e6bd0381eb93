#include <DeviceListWidget.h>
#include <ReportWidget.h>

#include "AppCatalogue.h"
#include "ExportDriver.h"
#include "ProgramFolder.h"
#include "ReportFixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace reportfixture;
using namespace exportdriver;

// The road a planner takes: the device list's "Report" button opens the
// current task's report modally over the list, and a save from it closes
// the report again.
class TestReportFromDeviceList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reportButtonOpensTheCurrentTasksReport();
    void savingFromTheReportReturnsToTheList();

private:
    std::unique_ptr<AppCatalogue> m_catalogue;
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestReportFromDeviceList::initTestCase()
{
    m_catalogue = std::make_unique<AppCatalogue>();
}

void TestReportFromDeviceList::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_out = std::make_unique<QTemporaryDir>();
    QVERIFY(m_out->isValid());
    writePlannerTask();
    addTask(QStringLiteral("Car Park"));
    writeDevices(QStringLiteral("Car Park"), {{QStringLiteral("KC-900"), 3}});
    answerQuestions(1);
}

void TestReportFromDeviceList::cleanup()
{
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    m_out.reset();
    m_folder.reset();
}

void TestReportFromDeviceList::reportButtonOpensTheCurrentTasksReport()
{
    kiv::DeviceListWidget list;
    list.show();
    list.clickCurrentTask(QStringLiteral("Car Park"));
    list.clickCurrentTask(plannerTask());

    QString task;
    QString text;
    bool overTheList = false;
    bool readOnly = false;
    QTimer::singleShot(0, &list, [&] {
        auto *report = qobject_cast<kiv::ReportWidget *>(QApplication::activeModalWidget());
        if (!report)
            return;
        task = report->taskName();
        text = report->document()->toPlainText();
        overTheList = report->parentWidget() == &list && report->isModal();
        readOnly = formWidget<QTextEdit>(*report, "textEdit")->isReadOnly();
        formWidget<QPushButton>(*report, "btnClose")->click();
    });
    list.findChild<QPushButton *>(QStringLiteral("btnOutput"))->click();

    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(task, plannerTask());
    QVERIFY(overTheList);
    QVERIFY(readOnly);
    QVERIFY(text.contains(QStringLiteral("Harbour Gate")));
    QVERIFY(text.contains(QStringLiteral("KD-5230-PTZ")));
    QVERIFY(!text.contains(QStringLiteral("KC-900")));
    QVERIFY(text.contains(QStringLiteral("Video Wall Client Number: 4")));
    QVERIFY(list.isVisible());
}

void TestReportFromDeviceList::savingFromTheReportReturnsToTheList()
{
    kiv::DeviceListWidget list;
    list.show();
    list.clickCurrentTask(plannerTask());
    const QString folder = m_out->path();
    QTimer::singleShot(0, &list, [folder] {
        auto *report = qobject_cast<kiv::ReportWidget *>(QApplication::activeModalWidget());
        if (!report)
            return;
        answerPathDialog(folder, QStringLiteral("gate report"));
        formWidget<QPushButton>(*report, "btnSaveExcel")->click();
        // A failed save leaves the report open: close it so the test ends.
        if (report->isVisible())
            report->reject();
    });
    list.findChild<QPushButton *>(QStringLiteral("btnOutput"))->click();

    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(messages(), QStringList{QStringLiteral("Hint|Saved.")});
    const QJsonArray rows = readWorkbook(folder + QStringLiteral("/gate report.xlsx"))
                                .value(QStringLiteral("rows"))
                                .toArray();
    QCOMPARE(rows.size(), 6);
    QCOMPARE(cells(rows.at(1)).value(0), QStringLiteral("KC-2120-IR"));
}

QTEST_MAIN(TestReportFromDeviceList)
#include "tst_reportfromdevicelist.moc"
