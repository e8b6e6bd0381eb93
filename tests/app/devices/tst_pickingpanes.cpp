// The picking dialogs in their places over the demo catalogue: "Add Device"
// and the double click in the device list, and a new task made from an
// industry solution, with Previous back to the new-task dialog.

#include <AddDeviceWidget.h>
#include <DeviceListModel.h>
#include <DeviceListWidget.h>
#include <DeviceParamWidget.h>
#include <ImportSolutionWidget.h>
#include <NewTaskWidget.h>
#include <ParamModel.h>
#include <TaskManagerWidget.h>
#include <Varnel.h>

#include "PickingSupport.h"
#include "FailingSaves.h"

#include <TaskDeviceFile.h>
#include <TaskListFile.h>
#include <TreeView.h>
#include <WarningDlg.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeView>
#include <QtTest>

using KavrinGUIToolkit::CWarningDlg;
using kiv::AddDeviceWidget;
using kiv::ImportSolutionWidget;
using kiv::NewTaskWidget;

namespace {

const QString kTask = QStringLiteral("Site");
const QString kHd = QStringLiteral("HD Network Solution");

void writeTask(const QString &name, const QList<DeviceInfo> &devices = {})
{
    {
        TaskListFile list;
        TaskInfo task;
        task.name = name;
        QVERIFY(list.addTask(task));
        QVERIFY(list.close());
    }
    TaskDeviceFile file(name);
    for (const DeviceInfo &device : devices)
        QVERIFY(file.addDevice(device));
    QVERIFY(file.addDevices({}));
    QVERIFY(file.close());
}

DeviceInfo device(const char *type, const char *mainType)
{
    DeviceInfo d;
    d.deviceType = QLatin1String(type);
    d.mainType = QLatin1String(mainType);
    d.count = 1;
    return d;
}

/// The rows of the device list, as "type|remark|class|count|main|sub".
QStringList listedRows(const kiv::DeviceListModel *model)
{
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c <= kiv::DeviceListModel::SubStreamColumn; ++c)
            cells << model->index(r, c).data().toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList storedRows(const QString &task)
{
    QVector<DeviceInfo> devices;
    TaskDeviceFile file(task);
    if (!file.devices(devices))
        return {QStringLiteral("unreadable")};
    QStringList rows;
    for (const DeviceInfo &d : std::as_const(devices)) {
        rows << QStringList{d.deviceType,
                            d.remark,
                            d.mainType,
                            QString::number(d.count),
                            QString::number(d.mainStream),
                            QString::number(d.subStream)}
                    .join(QLatin1Char('|'));
    }
    return rows;
}

QStandardItem *valueOfCode(kiv::ParamModel *model, const QString &code)
{
    for (int h = 0; h < model->rowCount(); ++h) {
        for (int g = 0; g < model->item(h)->rowCount(); ++g) {
            QStandardItem *group = model->item(h)->child(g);
            for (int v = 0; v < group->rowCount(); ++v) {
                if (group->child(v)->data(kiv::ParamModel::CodeRole).toString() == code)
                    return group->child(v);
            }
        }
    }
    return nullptr;
}

/// Picks a model in an open add-device dialog as the planner does and
/// confirms: tab, a ticked value, a keyword, the first model listed.
void pickAndConfirm(AddDeviceWidget *dialog, int tab, const QString &code, const QString &keyword,
                    const QString &remark, const QString &count)
{
    dialog->findChild<QTabWidget *>(QStringLiteral("pararmTabWidget"))->setCurrentIndex(tab);
    if (!code.isEmpty())
        valueOfCode(dialog->paramModelOfTab(tab), code)->setCheckState(Qt::Checked);
    dialog->findChild<QLineEdit *>(QStringLiteral("edtKeyword"))->setText(keyword);
    auto *list = dialog->findChild<QTreeView *>(QStringLiteral("devTreeView"));
    const QModelIndex first = list->model()->index(0, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(first).center());
    dialog->findChild<QLineEdit *>(QStringLiteral("edtRemark"))->setText(remark);
    dialog->findChild<QLineEdit *>(QStringLiteral("edtDevCount"))->setText(count);
    dialog->GetConfirmBtn()->click();
}

QPushButton *addButton(const kiv::DeviceListWidget &pane)
{
    return pane.findChild<QPushButton *>(QStringLiteral("btnAddDevice"));
}

void doubleClick(QTreeView *view, const QModelIndex &index)
{
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

/// Fills the first step of a new task for a solution and presses Next.
void startSolutionTask(NewTaskWidget *dialog, const QString &name, const QString &description,
                       int standard)
{
    dialog->findChild<QLineEdit *>(QStringLiteral("editTaskName"))->setText(name);
    dialog->findChild<QTextEdit *>(QStringLiteral("textDescription"))->setPlainText(description);
    dialog->findChild<QComboBox *>(QStringLiteral("combVideoStandard"))->setCurrentIndex(standard);
    auto *types = dialog->findChild<QComboBox *>(QStringLiteral("combTaskType"));
    types->setCurrentIndex(types->findText(kHd));
    dialog->GetConfirmBtn()->click();
}

QAbstractItemModel *importDevices(ImportSolutionWidget *dialog)
{
    return dialog->findChild<QTreeView *>(QStringLiteral("treeDeviceType"))->model();
}

void press(QWidget *dialog, const char *button)
{
    dialog->findChild<QPushButton *>(QLatin1String(button))->click();
}

} // namespace

class TestPickingPanes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void addDeviceAppendsEachEntryInOrder();
    void cancelledAddDeviceChangesNothing();
    void failedAppendIsToldAndAnnouncesNothing();
    void doubleClickShowsTheSheetOfTheRowsClass_data();
    void doubleClickShowsTheSheetOfTheRowsClass();
    void solutionTaskBringsItsDevicesToTheList();
    void previousKeepsTheFieldsAndNextStartsAfresh();
    void previousThenCustomSolutionConfirmsDirectly();
    void cancelInTheImportDialogMakesNoTask();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestPickingPanes::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    picking::useDemoFolder(*m_folder, 0);
}

void TestPickingPanes::init()
{
    QDir tasks(m_folder->file(QStringLiteral("Task")));
    QVERIFY(tasks.removeRecursively());
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("Task")));
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
}

void TestPickingPanes::cleanup()
{
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
}

void TestPickingPanes::addDeviceAppendsEachEntryInOrder()
{
    writeTask(kTask, {device("KC-D21", "IPC")});
    kiv::DeviceListWidget pane;
    pane.show();
    pane.clickCurrentTask(kTask);
    QCOMPARE(pane.model()->rowCount(), 1);
    QSignalSpy changed(&pane, &kiv::DeviceListWidget::signalChanngedReslut);

    // A bullet camera (020101) whose name holds "B2".
    whenModal<AddDeviceWidget>(&pane, [](AddDeviceWidget *dialog) {
        pickAndConfirm(dialog, AddDeviceWidget::IpcTab, QStringLiteral("020101"),
                       QStringLiteral("B2"), QStringLiteral("Gate"), QStringLiteral("3"));
    });
    addButton(pane)->click();
    QCOMPARE(changed.count(), 1);
    whenModal<AddDeviceWidget>(&pane, [](AddDeviceWidget *dialog) {
        pickAndConfirm(dialog, AddDeviceWidget::DvrTab, QString(), QStringLiteral("KD-08"),
                       QString(), QStringLiteral("2"));
    });
    addButton(pane)->click();
    QCOMPARE(changed.count(), 2);

    QCOMPARE(listedRows(pane.model()), (QStringList{QStringLiteral("KC-D21||IPC|1|0|0"),
                                                    QStringLiteral("KC-B21|Gate|IPC|3|1024|1024"),
                                                    QStringLiteral("KD-08||DVR|2||")}));
    QCOMPARE(storedRows(kTask), (QStringList{QStringLiteral("KC-D21||IPC|1|0|0"),
                                             QStringLiteral("KC-B21|Gate|IPC|3|1024|1024"),
                                             QStringLiteral("KD-08||DVR|2|1024|1024")}));
    QVERIFY(CWarningDlg::History().isEmpty());
}

void TestPickingPanes::cancelledAddDeviceChangesNothing()
{
    writeTask(kTask);
    kiv::DeviceListWidget pane;
    pane.show();
    pane.clickCurrentTask(kTask);
    QSignalSpy changed(&pane, &kiv::DeviceListWidget::signalChanngedReslut);
    bool shown = false;
    whenModal<AddDeviceWidget>(&pane, [&shown](AddDeviceWidget *dialog) {
        shown = true;
        dialog->GetCancelBtn()->click();
    });
    addButton(pane)->click();
    QVERIFY(shown);
    QCOMPARE(pane.model()->rowCount(), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(storedRows(kTask), QStringList{});
}

void TestPickingPanes::failedAppendIsToldAndAnnouncesNothing()
{
    writeTask(kTask, {device("KC-D21", "IPC")});
    kiv::DeviceListWidget pane;
    pane.show();
    pane.clickCurrentTask(kTask);
    QSignalSpy changed(&pane, &kiv::DeviceListWidget::signalChanngedReslut);
    // The file is damaged behind the list's back: the entry cannot be stored.
    const QString path = TaskDeviceFile::filePath(kTask);
    QVERIFY(ProgramFolder::write(path, "<DeviceInfoList><DeviceInfo>"));
    whenModal<AddDeviceWidget>(&pane, [](AddDeviceWidget *dialog) {
        pickAndConfirm(dialog, AddDeviceWidget::IpcTab, QString(), QStringLiteral("KC-F81"),
                       QString(), QStringLiteral("1"));
    });
    addButton(pane)->click();
    QCOMPARE(changed.count(), 0);
    QCOMPARE(pane.model()->rowCount(), 1);
    QCOMPARE(CWarningDlg::History().size(), 1);
    // The second line names the damage.
    const QString reason = failurereason::ofDeviceFileOpen(kTask);
    QVERIFY(!reason.isEmpty());
    QCOMPARE(CWarningDlg::History().first().text, QStringLiteral("Adding failed.\n") + reason);
    QCOMPARE(ProgramFolder::readAll(path), QByteArray("<DeviceInfoList><DeviceInfo>"));
}

void TestPickingPanes::doubleClickShowsTheSheetOfTheRowsClass_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("heading");
    QTest::newRow("a DVR shows the DVR parameters")
        << 0 << 0 << QStringLiteral("KD-08") << QStringLiteral("Recording");
    QTest::newRow("a speed dome shows the speed-dome parameters")
        << 1 << 0 << QStringLiteral("KS-P230") << QStringLiteral("Pan and Tilt");
    QTest::newRow("a camera") << 2 << 0 << QStringLiteral("KC-B41") << QStringLiteral("Lens");
    QTest::newRow("a double click on another column shows none")
        << 0 << 2 << QString() << QString();
}

void TestPickingPanes::doubleClickShowsTheSheetOfTheRowsClass()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, sheet);
    QFETCH(QString, heading);
    writeTask(kTask, {device("KD-08", "DVR"), device("KS-P230", "Dome"), device("KC-B41", "IPC")});
    kiv::DeviceListWidget pane;
    pane.resize(900, 400);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    pane.clickCurrentTask(kTask);

    QString firstLine;
    QString text;
    whenModal<kiv::DeviceParamWidget>(&pane, [&](kiv::DeviceParamWidget *shown) {
        QTextDocument *document =
            shown->findChild<QTextEdit *>(QStringLiteral("textEdit"))->document();
        firstLine = document->firstBlock().text();
        text = document->toPlainText();
        shown->close();
    });
    doubleClick(pane.view(), pane.model()->index(row, column));
    if (sheet.isEmpty()) {
        QVERIFY(firstLine.isEmpty());
        return;
    }
    QCOMPARE(firstLine, QStringLiteral("Device Type: ") + sheet);
    QVERIFY2(text.contains(heading), qPrintable(text));
}

void TestPickingPanes::solutionTaskBringsItsDevicesToTheList()
{
    kiv::Varnel window;
    window.show();
    whenModal<NewTaskWidget>(&window, [&window](NewTaskWidget *dialog) {
        whenModal<ImportSolutionWidget>(&window, [](ImportSolutionWidget *import) {
            auto *scenes = qobject_cast<QStandardItemModel *>(
                import->findChild<QTreeView *>(QStringLiteral("treeScene"))->model());
            QCOMPARE(scenes->item(1)->text(), QStringLiteral("Classroom"));
            scenes->item(1)->setCheckState(Qt::Unchecked);
            importDevices(import)->setData(importDevices(import)->index(0, 1), QStringLiteral("5"));
            press(import, "btnFinish");
        });
        startSolutionTask(dialog, QStringLiteral("Campus"), QStringLiteral("east"), 0);
    });
    window.taskPane()->newTask();

    QCOMPARE(window.deviceList()->taskName(), QStringLiteral("Campus"));
    const QStringList expected{QStringLiteral("KC-B41|Campus Entrance|IPC|5|1024|1024"),
                               QStringLiteral("KS-P230|Campus Entrance|Dome|1|1024|1024"),
                               QStringLiteral("KC-B21Z|Playground|IPC|4|1024|1024"),
                               QStringLiteral("KS-P220|Playground|Dome|2|1024|1024")};
    QCOMPARE(listedRows(window.deviceList()->model()), expected);
    QCOMPARE(storedRows(QStringLiteral("Campus")), expected);
    TaskInfo stored;
    TaskListFile list;
    QVERIFY(list.task(QStringLiteral("Campus"), stored));
    QCOMPARE(stored.type, 1);
    QCOMPARE(stored.remark, QStringLiteral("east"));
}

void TestPickingPanes::previousKeepsTheFieldsAndNextStartsAfresh()
{
    kiv::Varnel window;
    window.show();
    int firstSteps = 0;
    int imports = 0;
    QString backName, backDescription, backButton;
    int backType = -1;
    int backStandard = -1;
    QString freshCount;
    whenModal<NewTaskWidget>(&window, [&](NewTaskWidget *dialog) {
        ++firstSteps;
        whenModal<ImportSolutionWidget>(&window, [&](ImportSolutionWidget *import) {
            ++imports;
            importDevices(import)->setData(importDevices(import)->index(0, 1), QStringLiteral("9"));
            // Back in the first step, everything as it was left.
            whenModal<NewTaskWidget>(&window, [&](NewTaskWidget *again) {
                ++firstSteps;
                QVERIFY(again->isVisible());
                backName = again->findChild<QLineEdit *>(QStringLiteral("editTaskName"))->text();
                backDescription =
                    again->findChild<QTextEdit *>(QStringLiteral("textDescription"))->toPlainText();
                backType =
                    again->findChild<QComboBox *>(QStringLiteral("combTaskType"))->currentIndex();
                backStandard = again->findChild<QComboBox *>(QStringLiteral("combVideoStandard"))
                                   ->currentIndex();
                backButton = again->GetConfirmBtn()->text();
                whenModal<ImportSolutionWidget>(&window, [&](ImportSolutionWidget *second) {
                    ++imports;
                    freshCount = importDevices(second)->index(0, 1).data().toString();
                    press(second, "btnFinish");
                });
                again->GetConfirmBtn()->click();
            });
            press(import, "btnPrevious");
        });
        startSolutionTask(dialog, QStringLiteral("Yard"), QStringLiteral("north"), 1);
    });
    window.taskPane()->newTask();

    QCOMPARE(firstSteps, 2);
    QCOMPARE(imports, 2);
    QCOMPARE(backName, QStringLiteral("Yard"));
    QCOMPARE(backDescription, QStringLiteral("north"));
    QCOMPARE(backType, 1);
    QCOMPARE(backStandard, 1);
    QCOMPARE(backButton, QStringLiteral("Next"));
    QCOMPARE(freshCount, QStringLiteral("4"));
    QCOMPARE(window.deviceList()->taskName(), QStringLiteral("Yard"));
    QCOMPARE(window.deviceList()->model()->index(0, kiv::DeviceListModel::CountColumn).data(),
             QVariant(QStringLiteral("4")));
    TaskInfo stored;
    TaskListFile list;
    QVERIFY(list.task(QStringLiteral("Yard"), stored));
    QCOMPARE(stored.videoStandard, 1);
    QCOMPARE(stored.remark, QStringLiteral("north"));
}

void TestPickingPanes::previousThenCustomSolutionConfirmsDirectly()
{
    kiv::Varnel window;
    window.show();
    int imports = 0;
    QString button;
    whenModal<NewTaskWidget>(&window, [&](NewTaskWidget *dialog) {
        whenModal<ImportSolutionWidget>(&window, [&](ImportSolutionWidget *import) {
            ++imports;
            whenModal<NewTaskWidget>(&window, [&](NewTaskWidget *again) {
                again->findChild<QComboBox *>(QStringLiteral("combTaskType"))->setCurrentIndex(0);
                button = again->GetConfirmBtn()->text();
                again->GetConfirmBtn()->click();
            });
            press(import, "btnPrevious");
        });
        startSolutionTask(dialog, QStringLiteral("Custom"), QString(), 0);
    });
    window.taskPane()->newTask();
    QCOMPARE(imports, 1);
    QCOMPARE(button, QStringLiteral("Confirm"));
    TaskInfo stored;
    TaskListFile list;
    QVERIFY(list.task(QStringLiteral("Custom"), stored));
    QCOMPARE(stored.type, 0);
    QCOMPARE(window.deviceList()->taskName(), QStringLiteral("Custom"));
    QCOMPARE(window.deviceList()->model()->rowCount(), 0);
}

void TestPickingPanes::cancelInTheImportDialogMakesNoTask()
{
    kiv::Varnel window;
    window.show();
    int firstSteps = 0;
    whenModal<NewTaskWidget>(&window, [&](NewTaskWidget *dialog) {
        ++firstSteps;
        whenModal<ImportSolutionWidget>(
            &window, [](ImportSolutionWidget *import) { press(import, "btnCancel"); });
        startSolutionTask(dialog, QStringLiteral("Dropped"), QString(), 0);
    });
    window.taskPane()->newTask();
    QCOMPARE(firstSteps, 1);
    TaskListFile list;
    QVERIFY(!list.exists(QStringLiteral("Dropped")));
    QVERIFY(!QFile::exists(TaskDeviceFile::filePath(QStringLiteral("Dropped"))));
}

QTEST_MAIN(TestPickingPanes)
#include "tst_pickingpanes.moc"
