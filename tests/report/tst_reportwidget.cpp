#include <ReportWidget.h>

#include "FormWidgets.h"
#include "ProgramFolder.h"
#include "ReportFixture.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include <memory>

using namespace reportfixture;

// The report window in the English interface: its form, a view that cannot
// be typed into and opens at its top, and the report it shows.
class TestReportWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowIsReadOnlyAndOpensAtItsTop_data();
    void windowIsReadOnlyAndOpensAtItsTop();
    void unreadableDeviceFileGivesAnEmptyReport();
    void windowShowsTheTasksReport();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestReportWidget::initTestCase()
{
    useLanguage(0);
}

void TestReportWidget::init()
{
    m_folder = std::make_unique<ProgramFolder>();
}

void TestReportWidget::cleanup()
{
    m_folder.reset();
}

void TestReportWidget::windowIsReadOnlyAndOpensAtItsTop_data()
{
    QTest::addColumn<int>("devices");
    QTest::newRow("a task with more devices than the window shows") << 80;
    QTest::newRow("a task without devices") << 0;
}

void TestReportWidget::windowIsReadOnlyAndOpensAtItsTop()
{
    QFETCH(int, devices);
    const QString task = QStringLiteral("North Yard");
    addTask(task);
    QVector<Device> list;
    for (int i = 0; i < devices; ++i)
        list.append({QStringLiteral("KC-%1").arg(i), 1});
    writeDevices(task, list);

    kiv::ReportWidget report(task);
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    QCOMPARE(report.GetTitle(), QStringLiteral("Output Report"));
    QCOMPARE(report.size(), QSize(600, 700));
    QCOMPARE(formWidget<QPushButton>(report, "btnSavePdf")->text(), QStringLiteral("Save as PDF"));
    QCOMPARE(formWidget<QPushButton>(report, "btnSaveExcel")->text(),
             QStringLiteral("Save as Excel"));
    QCOMPARE(formWidget<QPushButton>(report, "btnPrint")->text(), QStringLiteral("Print"));
    QCOMPARE(formWidget<QPushButton>(report, "btnClose")->text(), QStringLiteral("Close"));

    QTextEdit *view = formWidget<QTextEdit>(report, "textEdit");
    QVERIFY(view->isReadOnly());
    QCOMPARE(view->document(), report.document());
    QCOMPARE(view->textCursor().position(), 0);
    QCOMPARE(view->verticalScrollBar()->value(), 0);
    if (devices > 0) {
        QVERIFY(view->verticalScrollBar()->maximum() > 0);
        QVERIFY(view->document()->toPlainText().startsWith(QStringLiteral("Varnel")));
    } else {
        QVERIFY(view->document()->isEmpty());
    }

    // Typing changes nothing.
    view->setFocus();
    QTest::keyClicks(view, QStringLiteral("xyz"));
    QVERIFY(!view->document()->toPlainText().contains(QStringLiteral("xyz")));

    formWidget<QPushButton>(report, "btnClose")->click();
    QVERIFY(!report.isVisible());
}

void TestReportWidget::unreadableDeviceFileGivesAnEmptyReport()
{
    const QString task = QStringLiteral("Broken");
    addTask(task);
    const QByteArray broken("<DeviceInfoList><DeviceInfo><DeviceType>KC");
    QVERIFY(ProgramFolder::write(TaskDeviceFile::filePath(task), broken));
    kiv::ReportWidget report(task);
    QVERIFY(report.document()->isEmpty());
    QVERIFY(formWidget<QTextEdit>(report, "textEdit")->isReadOnly());
    QCOMPARE(ProgramFolder::readAll(TaskDeviceFile::filePath(task)), broken);
}

void TestReportWidget::windowShowsTheTasksReport()
{
    writePlannerTask();
    kiv::ReportWidget report(plannerTask());
    BuiltReport built(plannerTask());
    QVERIFY(!built.document()->isEmpty());
    QCOMPARE(report.document()->toPlainText(), built.document()->toPlainText());
    QCOMPARE(formWidget<QTextEdit>(report, "textEdit")->document(), report.document());
}

QTEST_MAIN(TestReportWidget)
#include "tst_reportwidget.moc"
