#include <CalculateManagerWidget.h>
#include <DeviceListWidget.h>
#include <NewTaskWidget.h>
#include <RecordPlanConfig.h>
#include <TaskManageModel.h>
#include <TaskManagerWidget.h>
#include <Varnel.h>

#include "AppCatalogue.h"
#include "FailingSaves.h"
#include "ModalDriver.h"
#include "ProgramFolder.h"

#include <ItemDataRole.h>
#include <TaskDeviceFile.h>
#include <TaskEntries.h>
#include <TaskListFile.h>
#include <ToolTip.h>
#include <TreeView.h>
#include <TreeViewWithRightPixmapDelegate.h>
#include <WarningDlg.h>

#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTextEdit>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

using KavrinGUIToolkit::CWarningDlg;
using kiv::NewTaskWidget;
using kiv::TaskManagerWidget;

// One action on the task list that stores something.
using PaneAction = std::function<void(TaskManagerWidget &)>;
Q_DECLARE_METATYPE(PaneAction)

namespace {

void addTasks(const QStringList &names)
{
    TaskListFile file;
    for (const QString &name : names) {
        TaskInfo task;
        task.name = name;
        task.remark = name + QStringLiteral(" remark");
        QVERIFY(file.addTask(task));
    }
    QVERIFY(file.close());
}

QStringList storedNames()
{
    TaskListFile file;
    QVector<TaskInfo> tasks;
    file.tasks(tasks);
    QStringList names;
    for (const TaskInfo &t : tasks)
        names << t.name;
    return names;
}

QStringList rowNames(const TaskManagerWidget &pane)
{
    QStringList names;
    for (int r = 0; r < pane.model()->rowCount(); ++r)
        names << pane.model()->index(r, 0).data().toString();
    return names;
}

void writeDevice(const QString &task)
{
    TaskDeviceFile file(task);
    DeviceInfo d;
    d.deviceType = QStringLiteral("CAM-A");
    d.mainType = QStringLiteral("IPC");
    d.count = 1;
    QVERIFY(file.addDevice(d));
    QVERIFY(file.close());
}

// Fills the next new-task or edit dialog and confirms it.
void answerTaskDialog(QObject *context, const QString &name, const QString &remark = QString(),
                      const std::function<void()> &beforeConfirm = {})
{
    whenModal<NewTaskWidget>(context, [=](NewTaskWidget *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("editTaskName"))->setText(name);
        if (!remark.isNull())
            dialog->findChild<QTextEdit *>(QStringLiteral("textDescription"))->setPlainText(remark);
        if (beforeConfirm)
            beforeConfirm();
        dialog->GetConfirmBtn()->click();
        if (dialog->isVisible())
            dialog->reject(); // refused: the test sees the dialog end unconfirmed
    });
}

QStringList shownMessages()
{
    QStringList out;
    for (const CWarningDlg::Shown &m : CWarningDlg::History())
        out << m.title + QLatin1Char('|') + m.text;
    return out;
}

struct Spies
{
    explicit Spies(TaskManagerWidget *pane)
        : select(pane, &TaskManagerWidget::selectCurrentTask),
          add(pane, &TaskManagerWidget::addCurrentTask),
          devices(pane, &TaskManagerWidget::signalAddDevice),
          none(pane, &TaskManagerWidget::signalNoTask)
    {
        // One list of every emission, in order.
        QObject::connect(pane, &TaskManagerWidget::selectCurrentTask,
                         [this](const QString &n) { order << QStringLiteral("select ") + n; });
        QObject::connect(pane, &TaskManagerWidget::addCurrentTask,
                         [this](const QString &n) { order << QStringLiteral("add ") + n; });
        QObject::connect(pane, &TaskManagerWidget::signalAddDevice,
                         [this](const SceneGroupMap &) { order << QStringLiteral("devices"); });
        QObject::connect(pane, &TaskManagerWidget::signalNoTask,
                         [this] { order << QStringLiteral("none"); });
    }
    QSignalSpy select;
    QSignalSpy add;
    QSignalSpy devices;
    QSignalSpy none;
    QStringList order;
};

/// Where a planner clicks an icon of a task row, in the view's viewport.
QPoint iconCentre(const TaskManagerWidget &pane, int row, KavrinGUIToolkit::CItemDataRole role)
{
    const QModelIndex cell = pane.model()->index(row, 1);
    const auto *delegate =
        qobject_cast<KavrinGUIToolkit::CPixmapDelegate *>(pane.view()->itemDelegate());
    if (!delegate)
        return QPoint();
    for (const auto &slot : delegate->IconSlots(pane.view()->visualRect(cell), cell)) {
        if (slot.role == role)
            return slot.rect.center();
    }
    return QPoint();
}

/// The task rows the view highlights.
QList<int> highlightedRows(const TaskManagerWidget &pane)
{
    QList<int> rows;
    for (const QModelIndex &index : pane.view()->selectionModel()->selectedRows())
        rows << index.row();
    return rows;
}

} // namespace

class TestTaskPane : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsTheFileInOrder();
    void emptyListSaysSoWhenAskedForTheFirstTask();
    void newTaskIsStoredSelectedAndAnnounced();
    void cancelledNewTaskChangesNothing();
    void fiftyTasksIsTheLimit_data();
    void fiftyTasksIsTheLimit();
    void editingTheRemarkKeepsTheDeviceFile();
    void renameCarriesTheDeviceFile();
    void renameOntoAnExistingDeviceFileFails_data();
    void renameOntoAnExistingDeviceFileFails();
    void renameWithoutADeviceFileSucceeds();
    void renameIsUndoneWhenTheListCannotBeChanged();
    void deleteAsksFirst();
    void deleteSelectsTheTaskThatMovesUp_data();
    void deleteSelectsTheTaskThatMovesUp();
    void deletingTheOnlyTaskLeavesNone();
    void deletingATaskWithoutDeviceFileSucceeds();
    void failureNamesTheTaskListsReason_data();
    void failureNamesTheTaskListsReason();
    void staleRowIsRefusedAndNoFileIsTouched_data();
    void staleRowIsRefusedAndNoFileIsTouched();
    void openPanelIsClosedBeforeItsTaskIsRenamed();
    void rowToolTipIsRichText();
    void declinedActionLeavesTheShownTaskHighlighted_data();
    void declinedActionLeavesTheShownTaskHighlighted();
    void arrowKeysChooseTheTaskTheyMoveTo();

private:
    std::unique_ptr<AppCatalogue> m_catalogue;
    std::unique_ptr<ProgramFolder> m_folder;
    int m_answer = 1;
};

void TestTaskPane::initTestCase()
{
    m_catalogue = std::make_unique<AppCatalogue>();
}

void TestTaskPane::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_answer = 1;
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([this](const CWarningDlg::Shown &) { return m_answer; });
    KavrinGUIToolkit::CToolTip::HideTipImmediately();
}

void TestTaskPane::cleanup()
{
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
    m_folder.reset();
}

void TestTaskPane::listsTheFileInOrder()
{
    addTasks({QStringLiteral("Lobby"), QStringLiteral("Car park"), QStringLiteral("Gate")});
    TaskManagerWidget pane;
    QCOMPARE(rowNames(pane), (QStringList{QStringLiteral("Lobby"), QStringLiteral("Car park"),
                                          QStringLiteral("Gate")}));
    Spies spies(&pane);
    pane.selectFirstTask();
    QCOMPARE(spies.order, QStringList{QStringLiteral("select Lobby")});
    QCOMPARE(pane.view()->currentIndex().row(), 0);
    const QModelIndex icons = pane.model()->index(0, 1);
    QVERIFY(icons.data(KavrinGUIToolkit::FirstIconRole).isValid());
    QVERIFY(icons.data(KavrinGUIToolkit::SecondIconRole).isValid());
    QCOMPARE(icons.data(Qt::ToolTipRole).toString(), QStringLiteral("Edit and Delete"));
}

void TestTaskPane::emptyListSaysSoWhenAskedForTheFirstTask()
{
    TaskManagerWidget pane;
    Spies spies(&pane);
    pane.selectFirstTask();
    QCOMPARE(spies.order, QStringList{QStringLiteral("none")});
    QVERIFY(QDir(m_folder->file(QStringLiteral("Task"))).exists());
}

void TestTaskPane::newTaskIsStoredSelectedAndAnnounced()
{
    addTasks({QStringLiteral("Lobby")});
    TaskManagerWidget pane;
    Spies spies(&pane);
    answerTaskDialog(&pane, QStringLiteral("  Car park "), QStringLiteral("level -1"));
    pane.addButton()->click();
    QCOMPARE(spies.order,
             (QStringList{QStringLiteral("add Car park"), QStringLiteral("select Car park")}));
    QCOMPARE(storedNames(), (QStringList{QStringLiteral("Lobby"), QStringLiteral("Car park")}));
    QCOMPARE(rowNames(pane), storedNames());
    QCOMPARE(pane.view()->currentIndex().row(), 1);
    TaskListFile file;
    TaskInfo stored;
    file.task(QStringLiteral("Car park"), stored);
    QCOMPARE(stored.remark, QStringLiteral("level -1"));
}

void TestTaskPane::cancelledNewTaskChangesNothing()
{
    TaskManagerWidget pane;
    Spies spies(&pane);
    whenModal<NewTaskWidget>(&pane, [](NewTaskWidget *dialog) { dialog->reject(); });
    pane.newTask();
    QCOMPARE(spies.order, QStringList());
    QCOMPARE(storedNames(), QStringList());
}

void TestTaskPane::fiftyTasksIsTheLimit_data()
{
    QTest::addColumn<int>("existing");
    QTest::addColumn<bool>("opens");
    QTest::newRow("49 tasks: the 50th can be made") << 49 << true;
    QTest::newRow("50 tasks: no more") << 50 << false;
}

void TestTaskPane::fiftyTasksIsTheLimit()
{
    QFETCH(int, existing);
    QFETCH(bool, opens);
    QStringList names;
    for (int i = 0; i < existing; ++i)
        names << QStringLiteral("T%1").arg(i);
    addTasks(names);
    TaskManagerWidget pane;
    bool dialogShown = false;
    whenModal<NewTaskWidget>(
        &pane,
        [&dialogShown](NewTaskWidget *dialog) {
            dialogShown = true;
            dialog->findChild<QLineEdit *>(QStringLiteral("editTaskName"))
                ->setText(QStringLiteral("Last"));
            dialog->GetConfirmBtn()->click();
        },
        opens ? 200 : 5);
    pane.newTask();
    QCOMPARE(dialogShown, opens);
    QCOMPARE(storedNames().size(), 50);
    QCOMPARE(KavrinGUIToolkit::CToolTip::CurrentText(),
             opens ? QString() : QStringLiteral("Up to 50 task can be added."));
    if (!opens)
        QCOMPARE(KavrinGUIToolkit::CToolTip::LastPosition(),
                 pane.addButton()->mapToGlobal(QPoint(0, 0)));
}

void TestTaskPane::editingTheRemarkKeepsTheDeviceFile()
{
    addTasks({QStringLiteral("Lobby")});
    writeDevice(QStringLiteral("Lobby"));
    const QString path = TaskDeviceFile::filePath(QStringLiteral("Lobby"));
    const QByteArray before = ProgramFolder::readAll(path);
    TaskManagerWidget pane;
    Spies spies(&pane);
    answerTaskDialog(&pane, QStringLiteral("Lobby"), QStringLiteral("<i>north</i> wing"));
    pane.clickTask(pane.model()->index(0, 1), KavrinGUIToolkit::FirstIconRole);
    QCOMPARE(spies.order, QStringList{QStringLiteral("select Lobby")});
    QCOMPARE(ProgramFolder::readAll(path), before);
    QCOMPARE(pane.model()->index(0, 0).data(Qt::ToolTipRole).toString(),
             QStringLiteral("<div align='left'><b>Lobby:</b></div><i>north</i> wing"));
}

void TestTaskPane::renameCarriesTheDeviceFile()
{
    addTasks({QStringLiteral("Lobby"), QStringLiteral("Gate")});
    writeDevice(QStringLiteral("Lobby"));
    const QByteArray before =
        ProgramFolder::readAll(TaskDeviceFile::filePath(QStringLiteral("Lobby")));
    TaskManagerWidget pane;
    Spies spies(&pane);
    answerTaskDialog(&pane, QStringLiteral("Hall"));
    pane.clickTask(pane.model()->index(0, 1), KavrinGUIToolkit::FirstIconRole);
    QCOMPARE(spies.order, QStringList{QStringLiteral("select Hall")});
    QCOMPARE(storedNames(), (QStringList{QStringLiteral("Hall"), QStringLiteral("Gate")}));
    QCOMPARE(rowNames(pane), storedNames());
    QVERIFY(!QFile::exists(TaskDeviceFile::filePath(QStringLiteral("Lobby"))));
    QCOMPARE(ProgramFolder::readAll(TaskDeviceFile::filePath(QStringLiteral("Hall"))), before);
}

void TestTaskPane::renameOntoAnExistingDeviceFileFails_data()
{
    QTest::addColumn<QString>("newName");
    QTest::newRow("another name") << QStringLiteral("Hall");
    QTest::newRow("the same name in other letter case") << QStringLiteral("LOBBY");
}

void TestTaskPane::renameOntoAnExistingDeviceFileFails()
{
    QFETCH(QString, newName);
    addTasks({QStringLiteral("Lobby")});
    writeDevice(QStringLiteral("Lobby"));
    // A device file left behind by something else under the new name.
    writeDevice(newName);
    TaskManagerWidget pane;
    Spies spies(&pane);
    answerTaskDialog(&pane, newName);
    pane.clickTask(pane.model()->index(0, 1), KavrinGUIToolkit::FirstIconRole);
    // The second line says why.
    QCOMPARE(shownMessages(),
             QStringList{QStringLiteral("Warn|Modifying failed.\nThe file %1 holds the devices of "
                                        "no task. Move it out of the Task folder, or give the "
                                        "task another name.")
                             .arg(QDir::toNativeSeparators(TaskDeviceFile::filePath(newName)))});
    QCOMPARE(spies.order, QStringList());
    QCOMPARE(storedNames(), QStringList{QStringLiteral("Lobby")});
    QVERIFY(QFile::exists(TaskDeviceFile::filePath(QStringLiteral("Lobby"))));
}

void TestTaskPane::renameWithoutADeviceFileSucceeds()
{
    addTasks({QStringLiteral("Lobby")});
    TaskManagerWidget pane;
    answerTaskDialog(&pane, QStringLiteral("Hall"));
    pane.clickTask(pane.model()->index(0, 1), KavrinGUIToolkit::FirstIconRole);
    QCOMPARE(shownMessages(), QStringList());
    QCOMPARE(storedNames(), QStringList{QStringLiteral("Hall")});
}

void TestTaskPane::renameIsUndoneWhenTheListCannotBeChanged()
{
    addTasks({QStringLiteral("Lobby")});
    writeDevice(QStringLiteral("Lobby"));
    TaskManagerWidget pane;
    Spies spies(&pane);
    const QString list = TaskListFile::filePath();
    const QByteArray damaged = "<?xml version=\"1.0\"?><TaskInfoList><Task><Na";
    // The list is damaged while the dialog is open: the device file was
    // already renamed when the list refuses the new name.
    answerTaskDialog(&pane, QStringLiteral("Hall"), QString(),
                     [&] { QVERIFY(ProgramFolder::write(list, damaged)); });
    pane.clickTask(pane.model()->index(0, 1), KavrinGUIToolkit::FirstIconRole);
    // The second line names the damage.
    const QString reason = failurereason::ofTaskListOpen();
    QVERIFY(!reason.isEmpty());
    QCOMPARE(shownMessages(), QStringList{QStringLiteral("Warn|Modifying failed.\n") + reason});
    QVERIFY(QFile::exists(TaskDeviceFile::filePath(QStringLiteral("Lobby"))));
    QVERIFY(!QFile::exists(TaskDeviceFile::filePath(QStringLiteral("Hall"))));
    QCOMPARE(rowNames(pane), QStringList{QStringLiteral("Lobby")});
    QCOMPARE(ProgramFolder::readAll(list), damaged);
    QCOMPARE(spies.order, QStringList());
}

void TestTaskPane::deleteAsksFirst()
{
    addTasks({QStringLiteral("Lobby")});
    writeDevice(QStringLiteral("Lobby"));
    TaskManagerWidget pane;
    Spies spies(&pane);
    m_answer = 0;
    pane.clickTask(pane.model()->index(0, 1), KavrinGUIToolkit::SecondIconRole);
    QCOMPARE(CWarningDlg::History().size(), 1);
    QCOMPARE(CWarningDlg::History().at(0).title, QStringLiteral("Hint"));
    QCOMPARE(CWarningDlg::History().at(0).text, QStringLiteral("Delete it?"));
    QVERIFY(CWarningDlg::History().at(0).question);
    QCOMPARE(storedNames(), QStringList{QStringLiteral("Lobby")});
    QVERIFY(QFile::exists(TaskDeviceFile::filePath(QStringLiteral("Lobby"))));
    QCOMPARE(spies.order, QStringList());
}

void TestTaskPane::deleteSelectsTheTaskThatMovesUp_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("currentRow");
    QTest::newRow("deleting the first selects the one after it") << 0 << QStringLiteral("B") << 0;
    QTest::newRow("deleting the middle selects the one that moved up")
        << 1 << QStringLiteral("C") << 1;
    QTest::newRow("deleting the last selects the new last") << 2 << QStringLiteral("B") << 1;
}

void TestTaskPane::deleteSelectsTheTaskThatMovesUp()
{
    QFETCH(int, row);
    QFETCH(QString, selected);
    QFETCH(int, currentRow);
    addTasks({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    for (const QString &t : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})
        writeDevice(t);
    TaskManagerWidget pane;
    Spies spies(&pane);
    const QString gone = pane.model()->index(row, 0).data().toString();
    pane.clickTask(pane.model()->index(row, 1), KavrinGUIToolkit::SecondIconRole);
    QCOMPARE(spies.order, QStringList{QStringLiteral("select ") + selected});
    QCOMPARE(pane.view()->currentIndex().row(), currentRow);
    QVERIFY(!storedNames().contains(gone));
    QCOMPARE(rowNames(pane), storedNames());
    QVERIFY(!QFile::exists(TaskDeviceFile::filePath(gone)));
}

void TestTaskPane::deletingTheOnlyTaskLeavesNone()
{
    addTasks({QStringLiteral("A")});
    TaskManagerWidget pane;
    Spies spies(&pane);
    pane.clickTask(pane.model()->index(0, 1), KavrinGUIToolkit::SecondIconRole);
    QCOMPARE(spies.order, QStringList{QStringLiteral("none")});
    QCOMPARE(storedNames(), QStringList());
}

void TestTaskPane::deletingATaskWithoutDeviceFileSucceeds()
{
    addTasks({QStringLiteral("A"), QStringLiteral("B")});
    TaskManagerWidget pane;
    pane.clickTask(pane.model()->index(0, 1), KavrinGUIToolkit::SecondIconRole);
    QCOMPARE(shownMessages(), QStringList{QStringLiteral("Hint|Delete it?")});
    QCOMPARE(storedNames(), QStringList{QStringLiteral("B")});
}

void TestTaskPane::failureNamesTheTaskListsReason_data()
{
    QTest::addColumn<PaneAction>("action");
    QTest::addColumn<bool>("damaged"); // else the Task folder takes no writes
    QTest::addColumn<QString>("text"); // the message's first line

    const PaneAction add = [](TaskManagerWidget &pane) {
        answerTaskDialog(&pane, QStringLiteral("Hall"));
        pane.newTask();
    };
    const PaneAction remark = [](TaskManagerWidget &pane) {
        answerTaskDialog(&pane, QStringLiteral("A"), QStringLiteral("north gate"));
        pane.clickTask(pane.model()->index(0, 1), KavrinGUIToolkit::FirstIconRole);
    };
    const PaneAction remove = [](TaskManagerWidget &pane) {
        pane.clickTask(pane.model()->index(0, 1), KavrinGUIToolkit::SecondIconRole);
    };
    QTest::newRow("a new task on a damaged task list")
        << add << true << QStringLiteral("Adding failed.");
    QTest::newRow("a new task in a read-only Task folder")
        << add << false << QStringLiteral("Adding failed.");
    QTest::newRow("a remark changed in a read-only Task folder")
        << remark << false << QStringLiteral("Modifying failed.");
    QTest::newRow("a deletion from a damaged task list")
        << remove << true << QStringLiteral("Failed.");
    QTest::newRow("a deletion in a read-only Task folder")
        << remove << false << QStringLiteral("Failed.");
}

void TestTaskPane::failureNamesTheTaskListsReason()
{
    QFETCH(PaneAction, action);
    QFETCH(bool, damaged);
    QFETCH(QString, text);
    // Tasks without device files: only the task list is written.
    addTasks({QStringLiteral("A"), QStringLiteral("B")});
    TaskManagerWidget pane;
    QString reason;
    if (damaged) {
        QVERIFY(ProgramFolder::write(TaskListFile::filePath(),
                                     "<?xml version=\"1.0\"?><TaskInfoList><Task><Na"));
        action(pane);
        reason = failurereason::ofTaskListOpen();
    } else {
        ReadOnlyFolder folder(m_folder->file(QStringLiteral("Task")));
        QVERIFY(folder.isActive());
        action(pane);
        reason = failurereason::ofTaskListSave();
    }
    QVERIFY(!reason.isEmpty());
    const QStringList messages = shownMessages();
    QVERIFY(!messages.isEmpty());
    QCOMPARE(messages.last(), QStringLiteral("Warn|") + text + QLatin1Char('\n') + reason);
    QCOMPARE(rowNames(pane), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
}

void TestTaskPane::staleRowIsRefusedAndNoFileIsTouched_data()
{
    // What the planner does on the first row, "A", and when the list on disk
    // changes behind the window: before the click, or while the dialog is
    // open.
    QTest::addColumn<PaneAction>("action");
    QTest::addColumn<bool>("whileTheDialogIsOpen");
    QTest::addColumn<bool>("renamedBehind"); // else deleted
    QTest::addColumn<QString>("language");   // of the texts; empty for English
    QTest::addColumn<QString>("message");

    const PaneAction remove = [](TaskManagerWidget &pane) {
        pane.clickTask(pane.model()->index(0, 1), KavrinGUIToolkit::SecondIconRole);
    };
    const PaneAction rename = [](TaskManagerWidget &pane) {
        answerTaskDialog(&pane, QStringLiteral("Hall"));
        pane.clickTask(pane.model()->index(0, 1), KavrinGUIToolkit::FirstIconRole);
    };
    const PaneAction remark = [](TaskManagerWidget &pane) {
        answerTaskDialog(&pane, QStringLiteral("A"), QStringLiteral("north gate"));
        pane.clickTask(pane.model()->index(0, 1), KavrinGUIToolkit::FirstIconRole);
    };
    const QString stale = QStringLiteral(
        "The task list was changed outside this window: the task A is no longer where the "
        "window shows it. Nothing was changed. Start the program again to see the task list as "
        "it is stored.");
    QTest::newRow("a deletion of a task deleted behind the window keeps the next task's devices")
        << remove << false << false << QString() << QStringLiteral("Warn|Failed.\n") + stale;
    QTest::newRow("a deletion of a task renamed behind the window keeps its devices")
        << remove << false << true << QString() << QStringLiteral("Warn|Failed.\n") + stale;
    QTest::newRow("a rename of a task deleted behind the window renames no other task")
        << rename << false << false << QString()
        << QStringLiteral("Warn|Modifying failed.\n") + stale;
    QTest::newRow("a remark of a task deleted while its dialog is open goes to no other task")
        << remark << true << false << QString()
        << QStringLiteral("Warn|Modifying failed.\n") + stale;
    QTest::newRow("a rename of a task renamed while its dialog is open is refused")
        << rename << true << true << QString()
        << QStringLiteral("Warn|Modifying failed.\n") + stale;
    QTest::newRow("a deletion of a task deleted behind the window, in Chinese")
        << remove << false << false << QStringLiteral("zh")
        << QStringLiteral("警告|失败。\n任务列表已在本窗口之外被更改：任务 A 已不在窗口所示的位置。"
                          "未做任何更改。请重新启动程序以查看已保存的任务列表。");
}

void TestTaskPane::staleRowIsRefusedAndNoFileIsTouched()
{
    QFETCH(PaneAction, action);
    QFETCH(bool, whileTheDialogIsOpen);
    QFETCH(bool, renamedBehind);
    QFETCH(QString, language);
    QFETCH(QString, message);
    QTranslator texts;
    if (!language.isEmpty()) {
        QVERIFY(texts.load(QStringLiteral("Varnel_") + language,
                           ProgramFolder::built(QStringLiteral("translations"))));
        QVERIFY(QCoreApplication::installTranslator(&texts));
    }
    const auto removeTranslator =
        qScopeGuard([&texts] { QCoreApplication::removeTranslator(&texts); });
    addTasks({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    for (const QString &t : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})
        writeDevice(t);
    TaskManagerWidget pane;
    Spies spies(&pane);
    const QString folder = m_folder->file(QStringLiteral("Task"));
    QMap<QString, QByteArray> behind;
    // Another program on the same folder changes the list: the window's
    // first row, "A", now holds "B" (or "A" renamed "Gate").
    const auto changeBehind = [&] {
        if (renamedBehind) {
            TaskInfo gate;
            gate.name = QStringLiteral("Gate");
            QVERIFY(kiv::TaskEntries::renameDeviceFile(QStringLiteral("A"), gate.name));
            QVERIFY(kiv::TaskEntries::setNameRemark(gate, 0, QStringLiteral("A")));
        } else {
            QVERIFY(kiv::TaskEntries::removeAt(0, QStringLiteral("A")));
        }
        behind = ProgramFolder::snapshot(folder);
    };
    if (whileTheDialogIsOpen) {
        // The dialog the action opens is answered by its own handler; the
        // list changes before that, while the dialog is up.
        whenModal<NewTaskWidget>(&pane, [&](NewTaskWidget *) { changeBehind(); });
    } else {
        changeBehind();
    }
    action(pane);
    QVERIFY(!behind.isEmpty());
    QVERIFY(!shownMessages().isEmpty());
    QCOMPARE(shownMessages().last(), message);
    QCOMPARE(ProgramFolder::snapshot(folder), behind);
    QCOMPARE(rowNames(pane),
             (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    QCOMPARE(spies.order, QStringList());
}

void TestTaskPane::openPanelIsClosedBeforeItsTaskIsRenamed()
{
    addTasks({QStringLiteral("Lobby")});
    writeDevice(QStringLiteral("Lobby"));
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.recordPlanPanel()->showDevice(QStringLiteral("Lobby"), 0);
    QVERIFY(w.recordPlanPanel()->isVisible());
    answerTaskDialog(&w, QStringLiteral("Hall"));
    w.taskPane()->clickTask(w.taskPane()->model()->index(0, 1), KavrinGUIToolkit::FirstIconRole);
    QVERIFY(!w.recordPlanPanel()->isVisible());
    QCOMPARE(w.deviceList()->taskName(), QStringLiteral("Hall"));
    // Nothing wrote the devices back under the old name.
    QVERIFY(!QFile::exists(TaskDeviceFile::filePath(QStringLiteral("Lobby"))));
    QVERIFY(QFile::exists(TaskDeviceFile::filePath(QStringLiteral("Hall"))));
}

void TestTaskPane::rowToolTipIsRichText()
{
    TaskListFile file;
    TaskInfo task;
    task.name = QStringLiteral("Lobby");
    task.remark = QStringLiteral("<b>two</b> floors");
    QVERIFY(file.addTask(task));
    QVERIFY(file.close());
    TaskManagerWidget pane;
    const QString tip = pane.model()->index(0, 0).data(Qt::ToolTipRole).toString();
    QCOMPARE(tip, QStringLiteral("<div align='left'><b>Lobby:</b></div><b>two</b> floors"));
    QVERIFY(Qt::mightBeRichText(tip));
}

void TestTaskPane::declinedActionLeavesTheShownTaskHighlighted_data()
{
    // What the planner does to task B while task A is shown.
    QTest::addColumn<PaneAction>("action");
    QTest::newRow("a delete of B answered no") << PaneAction([this](TaskManagerWidget &pane) {
        m_answer = 0;
        QTest::mouseClick(pane.view()->viewport(), Qt::LeftButton, {},
                          iconCentre(pane, 1, KavrinGUIToolkit::SecondIconRole));
        QCOMPARE(shownMessages(), QStringList{QStringLiteral("Hint|Delete it?")});
    });
    QTest::newRow("an edit of B cancelled") << PaneAction([](TaskManagerWidget &pane) {
        bool asked = false;
        whenModal<NewTaskWidget>(&pane, [&asked](NewTaskWidget *dialog) {
            asked = true;
            dialog->reject();
        });
        QTest::mouseClick(pane.view()->viewport(), Qt::LeftButton, {},
                          iconCentre(pane, 1, KavrinGUIToolkit::FirstIconRole));
        QVERIFY(asked);
    });
    QTest::newRow("a press on B let go below the rows") << PaneAction([](TaskManagerWidget &pane) {
        QWidget *viewport = pane.view()->viewport();
        const QRect b = pane.view()->visualRect(pane.model()->index(1, 0));
        QTest::mousePress(viewport, Qt::LeftButton, {}, b.center());
        QTest::mouseMove(viewport, QPoint(b.center().x(), viewport->height() - 4));
        QTest::mouseRelease(viewport, Qt::LeftButton, {},
                            QPoint(b.center().x(), viewport->height() - 4));
    });
}

void TestTaskPane::declinedActionLeavesTheShownTaskHighlighted()
{
    QFETCH(PaneAction, action);
    addTasks({QStringLiteral("A"), QStringLiteral("B")});
    for (const QString &t : {QStringLiteral("A"), QStringLiteral("B")})
        writeDevice(t);
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    TaskManagerWidget &pane = *w.taskPane();
    QCOMPARE(w.deviceList()->taskName(), QStringLiteral("A"));
    Spies spies(&pane);

    action(pane);
    QCOMPARE(spies.order, QStringList());
    QCOMPARE(pane.view()->currentIndex().row(), 0);
    QCOMPARE(highlightedRows(pane), QList<int>{0});
    QCOMPARE(w.deviceList()->taskName(), QStringLiteral("A"));
    QCOMPARE(w.calculatorPane()->taskName(), QStringLiteral("A"));
    QCOMPARE(storedNames(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));

    // The next plain click still chooses B.
    QTest::mouseClick(pane.view()->viewport(), Qt::LeftButton, {},
                      pane.view()->visualRect(pane.model()->index(1, 0)).center());
    QCOMPARE(spies.order, QStringList{QStringLiteral("select B")});
    QCOMPARE(highlightedRows(pane), QList<int>{1});
    QCOMPARE(w.deviceList()->taskName(), QStringLiteral("B"));
}

void TestTaskPane::arrowKeysChooseTheTaskTheyMoveTo()
{
    addTasks({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    for (const QString &t : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})
        writeDevice(t);
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    TaskManagerWidget &pane = *w.taskPane();
    Spies spies(&pane);
    pane.view()->setFocus();

    QTest::keyClick(pane.view(), Qt::Key_Down);
    QCOMPARE(spies.order, QStringList{QStringLiteral("select B")});
    QCOMPARE(highlightedRows(pane), QList<int>{1});
    QCOMPARE(w.deviceList()->taskName(), QStringLiteral("B"));
    QCOMPARE(w.calculatorPane()->taskName(), QStringLiteral("B"));

    QTest::keyClick(pane.view(), Qt::Key_Down);
    // At the last task the key moves nothing and chooses nothing again.
    QTest::keyClick(pane.view(), Qt::Key_Down);
    QTest::keyClick(pane.view(), Qt::Key_Up);
    QCOMPARE(spies.order, (QStringList{QStringLiteral("select B"), QStringLiteral("select C"),
                                       QStringLiteral("select B")}));
    QCOMPARE(highlightedRows(pane), QList<int>{1});
    QCOMPARE(w.deviceList()->taskName(), QStringLiteral("B"));
}

QTEST_MAIN(TestTaskPane)
#include "tst_taskpane.moc"
