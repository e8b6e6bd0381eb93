#include <ConfigPannel.h>
#include <DeviceListModel.h>
#include <DeviceListWidget.h>
#include <DeviceStreamWidget.h>
#include <PinButton.h>
#include <RecordPlanConfig.h>
#include <TaskManageModel.h>
#include <TaskManagerWidget.h>
#include <Varnel.h>

#include "AppCatalogue.h"
#include "FailingSaves.h"
#include "ProgramFolder.h"
#include "ProgramInChild.h"

#include <ItemDataRole.h>
#include <PixmapDelegate.h>
#include <TaskDeviceFile.h>
#include <TaskListFile.h>
#include <TreeView.h>
#include <WarningDlg.h>

#include <QCursor>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>
#include <numeric>

using KavrinGUIToolkit::CWarningDlg;
using kiv::DeviceListModel;
using kiv::DeviceListWidget;

// One action on the device list that stores something.
using ListAction = std::function<void(DeviceListWidget &)>;
Q_DECLARE_METATYPE(ListAction)

namespace {

const QString kTask = QStringLiteral("Lobby");

void writeTask(const QString &name, const QStringList &types)
{
    {
        TaskListFile list;
        TaskInfo task;
        task.name = name;
        QVERIFY(list.addTask(task));
        QVERIFY(list.close());
    }
    TaskDeviceFile file(name);
    for (const QString &type : types) {
        DeviceInfo d;
        d.deviceType = type;
        d.mainType =
            type.startsWith(QLatin1String("DVR")) ? QStringLiteral("DVR") : QStringLiteral("IPC");
        d.count = 1;
        d.mainStream = 2048;
        d.subStream = 512;
        QVERIFY(file.addDevice(d));
    }
    QVERIFY(file.close());
}

QStringList shownMessages()
{
    QStringList out;
    for (const CWarningDlg::Shown &m : CWarningDlg::History())
        out << m.title + QLatin1Char('|') + m.text;
    return out;
}

// Clicks the icon of @p role in a cell of the device list, with the cursor
// put where the click lands (the pane places panels by it).
void clickIcon(DeviceListWidget *list, int row, int column, int role)
{
    KavrinGUIToolkit::CTreeView *view = list->view();
    const QModelIndex index = list->model()->index(row, column);
    view->scrollTo(index);
    auto *delegate = qobject_cast<KavrinGUIToolkit::CPixmapDelegate *>(view->itemDelegate());
    QVERIFY(delegate);
    QPoint at;
    for (const auto &slot : delegate->IconSlots(view->visualRect(index), index)) {
        if (slot.role == role)
            at = slot.rect.center();
    }
    QVERIFY2(!at.isNull(), "no such icon");
    QCursor::setPos(view->viewport()->mapToGlobal(at));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

// Shows @p list, a size at which every row and icon is on screen, with the
// task kTask of two cameras chosen.
void showTwoCameras(DeviceListWidget &list)
{
    writeTask(kTask, {QStringLiteral("CAM-A"), QStringLiteral("CAM-B")});
    list.resize(900, 500);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.clickCurrentTask(kTask);
}

// The bounds, in @p widget's picture, of the pixels of @p area that @p ink
// picks; null when there are none.
QRect inkIn(QWidget *widget, const QRect &area, bool (*ink)(QRgb))
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.rect().contains(x, y) && ink(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

int iconState(DeviceListWidget *list, int row, int stateRole)
{
    return list->model()->index(row, DeviceListModel::ConfigColumn).data(stateRole).toInt();
}

// The header of the started program's device list, in the main window at
// its start size and then maximised, as "<state>\t<widths of the eight
// sections>,<width of the view's viewport>,<width the delete title needs>".
int runWidthsChild(char *argv[])
{
    return ProgramInChild::start(argv, [](kiv::ToolsApplication &, bool started, QTextStream &out) {
        if (!started)
            return 0;
        kiv::Varnel w;
        const auto report = [&](const char *state) {
            QCoreApplication::processEvents();
            const KavrinGUIToolkit::CTreeView *view = w.deviceList()->view();
            const QHeaderView *header = view->header();
            QStringList figures;
            for (int i = 0; i < header->count(); ++i)
                figures << QString::number(header->sectionSize(i));
            figures << QString::number(view->viewport()->width())
                    << QString::number(header->sectionSizeHint(DeviceListModel::DeleteColumn));
            out << state << '\t' << figures.join(QLatin1Char(',')) << '\n';
        };
        w.showCentred();
        if (!QTest::qWaitForWindowExposed(&w))
            return 0;
        report("default");
        w.showMaximized();
        const QSize screen = w.screen()->availableGeometry().size();
        if (QTest::qWaitFor([&] { return w.size() == screen; }))
            report("maximised");
        return 0;
    });
}

/// The figures runWidthsChild() reports for @p language (0 English, 1
/// Chinese): one start per language, shared by the rows.
QMap<QString, QString> headerFigures(int language)
{
    static QMap<int, QMap<QString, QString>> started;
    if (started.contains(language))
        return started.value(language);
    const ChildProgramFolder folder(language);
    if (!CatalogueFixture::build(
            folder.file(language == 1 ? QStringLiteral("Task.db") : QStringLiteral("Task_EN.db")),
            {}))
        return {};
    // The child shows its window on the screen this test runs on.
    const ChildRun run = ProgramInChild{QStringLiteral("--widths-child"), folder.root()}.run();
    started.insert(language, run.facts);
    return run.facts;
}

} // namespace

class TestDeviceListPane : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void buttonsFollowTheTask();
    void damagedDeviceFileIsNamedAndListedEmpty();
    void deletionAsksAndAnnounces_data();
    void deletionAsksAndAnnounces();
    void failureNamesTheFilesReason_data();
    void failureNamesTheFilesReason();
    void countAndBitRateEditsReachTheCalculators();
    void solutionDevicesAreListed();
    void iconOpensItsPanelAndASecondClickClosesIt();
    void onePanelAtATime();
    void escapeClosesThePanelAndClearsItsIcon();
    void dvrRowsHaveNoAccessoryIcon();
    void pinMovesTheOpenPanel();
    void scrollingClosesThePanelAndClearsTheIcons();
    void choosingATaskClosesThePanel();
    void rowUnderCursor_data();
    void rowUnderCursor();
    void deleteTitleStandsOverItsBins_data();
    void deleteTitleStandsOverItsBins();
    void columnsKeepTheirWidthsAndRemarksTakeTheRoom_data();
    void columnsKeepTheirWidthsAndRemarksTakeTheRoom();

private:
    std::unique_ptr<AppCatalogue> m_catalogue;
    std::unique_ptr<ProgramFolder> m_folder;
    int m_answer = 1;
};

void TestDeviceListPane::initTestCase()
{
    m_catalogue = std::make_unique<AppCatalogue>();
}

void TestDeviceListPane::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_answer = 1;
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([this](const CWarningDlg::Shown &) { return m_answer; });
}

void TestDeviceListPane::cleanup()
{
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
    m_folder.reset();
}

void TestDeviceListPane::buttonsFollowTheTask()
{
    writeTask(kTask, {QStringLiteral("CAM-A"), QStringLiteral("DVR-A")});
    DeviceListWidget list;
    auto *add = list.findChild<QPushButton *>(QStringLiteral("btnAddDevice"));
    auto *report = list.findChild<QPushButton *>(QStringLiteral("btnOutput"));
    QVERIFY(add->isEnabled() && report->isEnabled());
    list.slotNoTask();
    QVERIFY(!add->isEnabled() && !report->isEnabled());
    QCOMPARE(list.taskName(), QString());
    list.clickCurrentTask(kTask);
    QVERIFY(add->isEnabled() && report->isEnabled());
    QCOMPARE(list.taskName(), kTask);
    QCOMPARE(list.model()->rowCount(), 2);
    list.slotNoTask();
    QCOMPARE(list.model()->rowCount(), 0);
}

void TestDeviceListPane::damagedDeviceFileIsNamedAndListedEmpty()
{
    writeTask(kTask, {QStringLiteral("CAM-A")});
    writeTask(QStringLiteral("Yard"), {});
    const QString path = TaskDeviceFile::filePath(QStringLiteral("Yard"));
    const QByteArray cut = "<?xml version=\"1.0\"?><DeviceInfoList><Dev";
    QVERIFY(ProgramFolder::write(path, cut));
    DeviceListWidget list;
    list.clickCurrentTask(kTask);
    QCOMPARE(list.model()->rowCount(), 1);
    list.clickCurrentTask(QStringLiteral("Yard"));
    QCOMPARE(list.model()->rowCount(), 0);
    QCOMPARE(CWarningDlg::History().size(), 1);
    QCOMPARE(CWarningDlg::History().at(0).title, QStringLiteral("Warn"));
    QVERIFY(CWarningDlg::History().at(0).text.contains(QStringLiteral("\"Yard\"")));
    QVERIFY(CWarningDlg::History().at(0).text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(ProgramFolder::readAll(path), cut);
}

void TestDeviceListPane::deletionAsksAndAnnounces_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("entryGone"); // the entry vanished from the file meanwhile
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("announced");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("declined: nothing changes")
        << 0 << false << 2 << 0 << QStringList{QStringLiteral("Hint|Delete it?")};
    QTest::newRow("confirmed: the device goes")
        << 1 << false << 1 << 1 << QStringList{QStringLiteral("Hint|Delete it?")};
    QTest::newRow("a failed removal is told and announces nothing")
        << 1 << true << 2 << 0
        << QStringList{QStringLiteral("Hint|Delete it?"), QStringLiteral("Warn|Failed.")};
}

void TestDeviceListPane::deletionAsksAndAnnounces()
{
    QFETCH(int, answer);
    QFETCH(bool, entryGone);
    QFETCH(int, rows);
    QFETCH(int, announced);
    QFETCH(QStringList, messages);
    DeviceListWidget list;
    showTwoCameras(list);
    if (entryGone) {
        TaskDeviceFile file(kTask);
        QVERIFY(file.removeDevice(1));
        QVERIFY(file.removeDevice(0));
    }
    QSignalSpy changed(&list, &DeviceListWidget::signalChanngedReslut);
    m_answer = answer;
    clickIcon(&list, 1, DeviceListModel::DeleteColumn, KavrinGUIToolkit::SecondIconRole);
    QCOMPARE(shownMessages(), messages);
    QCOMPARE(list.model()->rowCount(), rows);
    QCOMPARE(changed.count(), announced);
    if (!entryGone) {
        TaskDeviceFile file(kTask);
        int n = 0;
        file.deviceCount(n);
        QCOMPARE(n, rows);
    }
}

void TestDeviceListPane::failureNamesTheFilesReason_data()
{
    QTest::addColumn<ListAction>("action");
    QTest::addColumn<bool>("damaged"); // else the Task folder takes no writes
    QTest::addColumn<QString>("text"); // the message's first line

    const ListAction remove = [](DeviceListWidget &list) {
        clickIcon(&list, 1, DeviceListModel::DeleteColumn, KavrinGUIToolkit::SecondIconRole);
    };
    const ListAction import = [](DeviceListWidget &list) {
        SceneGroupMap scenes;
        scenes[QStringLiteral("Gate")][QStringLiteral("CAM-A")] = 2;
        list.slotAddDevice(scenes);
    };
    const ListAction count = [](DeviceListWidget &list) {
        list.model()->item(0, DeviceListModel::CountColumn)->setText(QStringLiteral("3"));
    };
    const QString failed = QStringLiteral("Failed.");
    const QString adding = QStringLiteral("Adding failed.");
    QTest::newRow("a deletion from a damaged device file") << remove << true << failed;
    QTest::newRow("a deletion in a read-only Task folder") << remove << false << failed;
    QTest::newRow("a solution imported into a damaged device file") << import << true << adding;
    QTest::newRow("a solution imported in a read-only Task folder") << import << false << adding;
    QTest::newRow("a count edited in a damaged device file") << count << true << failed;
    QTest::newRow("a count edited in a read-only Task folder") << count << false << failed;
}

void TestDeviceListPane::failureNamesTheFilesReason()
{
    QFETCH(ListAction, action);
    QFETCH(bool, damaged);
    QFETCH(QString, text);
    DeviceListWidget list;
    showTwoCameras(list);
    const QString path = TaskDeviceFile::filePath(kTask);
    QString reason;
    if (damaged)
        QVERIFY(ProgramFolder::write(path, "<?xml version=\"1.0\"?><DeviceInfoList><Dev"));
    const QByteArray before = ProgramFolder::readAll(path);
    if (damaged) {
        action(list);
        reason = failurereason::ofDeviceFileOpen(kTask);
    } else {
        ReadOnlyFolder folder(m_folder->file(QStringLiteral("Task")));
        QVERIFY(folder.isActive());
        action(list);
        reason = failurereason::ofDeviceFileSave(kTask);
    }
    QVERIFY(!reason.isEmpty());
    const QStringList messages = shownMessages();
    QVERIFY(!messages.isEmpty());
    QCOMPARE(messages.last(), QStringLiteral("Warn|") + text + QLatin1Char('\n') + reason);
    // Nothing of the action reached the file.
    QCOMPARE(ProgramFolder::readAll(path), before);
}

void TestDeviceListPane::countAndBitRateEditsReachTheCalculators()
{
    writeTask(kTask, {QStringLiteral("CAM-A")});
    DeviceListWidget list;
    list.clickCurrentTask(kTask);
    QSignalSpy changed(&list, &DeviceListWidget::signalChanngedReslut);
    DeviceListModel *model = list.model();
    model->item(0, DeviceListModel::RemarkColumn)->setText(QStringLiteral("gate"));
    QCOMPARE(changed.count(), 0);
    model->item(0, DeviceListModel::CountColumn)->setText(QStringLiteral("3"));
    QCOMPARE(changed.count(), 1);
    model->item(0, DeviceListModel::MainStreamColumn)->setText(QStringLiteral("4096"));
    model->item(0, DeviceListModel::SubStreamColumn)->setText(QStringLiteral("1024"));
    QCOMPARE(changed.count(), 3);
    model->item(0, DeviceListModel::SubStreamColumn)->setText(QStringLiteral("5"));
    QCOMPARE(changed.count(), 3);
}

void TestDeviceListPane::solutionDevicesAreListed()
{
    writeTask(kTask, {});
    DeviceListWidget list;
    list.clickCurrentTask(kTask);
    QSignalSpy changed(&list, &DeviceListWidget::signalChanngedReslut);
    SceneGroupMap scenes;
    scenes[QStringLiteral("Gate")][QStringLiteral("CAM-A")] = 4;
    scenes[QStringLiteral("Gate")][QStringLiteral("DOME-A")] = 1;
    list.slotAddDevice(scenes);
    QCOMPARE(list.model()->rowCount(), 2);
    QCOMPARE(list.model()->index(1, 2).data().toString(), QStringLiteral("Dome"));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(shownMessages(), QStringList());
}

void TestDeviceListPane::iconOpensItsPanelAndASecondClickClosesIt()
{
    writeTask(kTask, {QStringLiteral("CAM-A"), QStringLiteral("CAM-B")});
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    DeviceListWidget *list = w.deviceList();
    QCOMPARE(list->model()->rowCount(), 2);

    clickIcon(list, 1, DeviceListModel::ConfigColumn, KavrinGUIToolkit::FirstIconRole);
    QVERIFY(w.streamPanel()->isVisible());
    QCOMPARE(iconState(list, 1, DeviceListModel::StreamIconStateRole), 1);
    // Beside the row: at the right of the task pane, below the clicked row.
    const QRect row = list->view()->visualRect(list->model()->index(1, 0));
    const int rowBottom = list->view()->viewport()->mapTo(&w, row.bottomLeft()).y();
    QCOMPARE(w.streamPanel()->x(), w.width() - list->width() + 10);
    QVERIFY(w.streamPanel()->y() >= rowBottom - 4);
    QVERIFY(w.streamPanel()->y() <= rowBottom + list->rowHeight());

    clickIcon(list, 1, DeviceListModel::ConfigColumn, KavrinGUIToolkit::FirstIconRole);
    QVERIFY(!w.streamPanel()->isVisible());
    QCOMPARE(iconState(list, 1, DeviceListModel::StreamIconStateRole), 0);
}

void TestDeviceListPane::onePanelAtATime()
{
    writeTask(kTask, {QStringLiteral("CAM-A"), QStringLiteral("CAM-B")});
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    DeviceListWidget *list = w.deviceList();

    clickIcon(list, 0, DeviceListModel::ConfigColumn, KavrinGUIToolkit::SecondIconRole);
    QVERIFY(w.recordPlanPanel()->isVisible());
    QCOMPARE(w.recordPlanPanel()->deviceIndex(), 0);
    clickIcon(list, 0, DeviceListModel::ConfigColumn, KavrinGUIToolkit::ThirdIconRole);
    QVERIFY(w.accessoryPanel()->isVisible());
    QVERIFY(!w.recordPlanPanel()->isVisible());
    QCOMPARE(iconState(list, 0, DeviceListModel::AccessoryIconStateRole), 1);
    QCOMPARE(iconState(list, 0, DeviceListModel::RecordIconStateRole), 0);
    // The same icon on another row: the panel moves to that row.
    clickIcon(list, 1, DeviceListModel::ConfigColumn, KavrinGUIToolkit::SecondIconRole);
    QVERIFY(w.recordPlanPanel()->isVisible());
    QVERIFY(!w.accessoryPanel()->isVisible());
    QCOMPARE(w.recordPlanPanel()->deviceIndex(), 1);
    QCOMPARE(iconState(list, 0, DeviceListModel::AccessoryIconStateRole), 0);
    QCOMPARE(iconState(list, 1, DeviceListModel::RecordIconStateRole), 1);
    // A plain click on another row closes it.
    const QRect other = list->view()->visualRect(list->model()->index(0, 0));
    QTest::mouseClick(list->view()->viewport(), Qt::LeftButton, Qt::NoModifier, other.center());
    QVERIFY(!w.recordPlanPanel()->isVisible());
    QCOMPARE(iconState(list, 1, DeviceListModel::RecordIconStateRole), 0);
}

void TestDeviceListPane::escapeClosesThePanelAndClearsItsIcon()
{
    writeTask(kTask, {QStringLiteral("CAM-A")});
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    DeviceListWidget *list = w.deviceList();
    clickIcon(list, 0, DeviceListModel::ConfigColumn, KavrinGUIToolkit::SecondIconRole);
    QVERIFY(w.recordPlanPanel()->isVisible());
    QCOMPARE(iconState(list, 0, DeviceListModel::RecordIconStateRole), 1);
    QTest::keyClick(w.recordPlanPanel(), Qt::Key_Escape);
    QVERIFY(!w.recordPlanPanel()->isVisible());
    QCOMPARE(iconState(list, 0, DeviceListModel::RecordIconStateRole), 0);
    // The icon opens it again at once, not on a second click.
    clickIcon(list, 0, DeviceListModel::ConfigColumn, KavrinGUIToolkit::SecondIconRole);
    QVERIFY(w.recordPlanPanel()->isVisible());
    QCOMPARE(iconState(list, 0, DeviceListModel::RecordIconStateRole), 1);
}

void TestDeviceListPane::dvrRowsHaveNoAccessoryIcon()
{
    writeTask(kTask, {QStringLiteral("DVR-A")});
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QModelIndex config = w.deviceList()->model()->index(0, DeviceListModel::ConfigColumn);
    QVERIFY(!config.data(KavrinGUIToolkit::ThirdIconRole).isValid());
    clickIcon(w.deviceList(), 0, DeviceListModel::ConfigColumn, KavrinGUIToolkit::FirstIconRole);
    QVERIFY(w.streamPanel()->isVisible());
}

void TestDeviceListPane::pinMovesTheOpenPanel()
{
    writeTask(kTask, {QStringLiteral("CAM-A")});
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    DeviceListWidget *list = w.deviceList();
    clickIcon(list, 0, DeviceListModel::ConfigColumn, KavrinGUIToolkit::ThirdIconRole);
    const int y = w.accessoryPanel()->y();
    QTest::mouseClick(w.pinButton(), Qt::LeftButton);
    QTRY_VERIFY(!w.taskPane()->isVisible());
    QVERIFY(list->taskPaneHidden());
    QCOMPARE(w.accessoryPanel()->pos(), QPoint(30, y));
    QTest::mouseClick(w.pinButton(), Qt::LeftButton);
    QTRY_VERIFY(w.taskPane()->isVisible());
    QCOMPARE(w.accessoryPanel()->x(), w.width() - list->width() + 10);

    clickIcon(list, 0, DeviceListModel::ConfigColumn, KavrinGUIToolkit::SecondIconRole);
    QTest::mouseClick(w.pinButton(), Qt::LeftButton);
    QTRY_VERIFY(!w.taskPane()->isVisible());
    QCOMPARE(w.recordPlanPanel()->x(), 35);
}

void TestDeviceListPane::scrollingClosesThePanelAndClearsTheIcons()
{
    QStringList many;
    for (int i = 0; i < 60; ++i)
        many << QStringLiteral("CAM-A");
    writeTask(kTask, many);
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    DeviceListWidget *list = w.deviceList();
    clickIcon(list, 0, DeviceListModel::ConfigColumn, KavrinGUIToolkit::FirstIconRole);
    QVERIFY(w.streamPanel()->isVisible());
    list->view()->verticalScrollBar()->setValue(5);
    QVERIFY(!w.streamPanel()->isVisible());
    QCOMPARE(iconState(list, 0, DeviceListModel::StreamIconStateRole), 0);
    QCOMPARE(list->currentRow(), -1);
}

void TestDeviceListPane::choosingATaskClosesThePanel()
{
    writeTask(kTask, {QStringLiteral("CAM-A")});
    writeTask(QStringLiteral("Yard"), {QStringLiteral("CAM-B"), QStringLiteral("CAM-B")});
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    clickIcon(w.deviceList(), 0, DeviceListModel::ConfigColumn, KavrinGUIToolkit::SecondIconRole);
    QVERIFY(w.recordPlanPanel()->isVisible());
    w.taskPane()->clickTask(w.taskPane()->model()->index(1, 0));
    QVERIFY(!w.recordPlanPanel()->isVisible());
    QCOMPARE(w.deviceList()->taskName(), QStringLiteral("Yard"));
    QCOMPARE(w.deviceList()->model()->rowCount(), 2);
}

void TestDeviceListPane::rowUnderCursor_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("expected"); // in rows of rowHeight, -1: the row height itself
    QTest::newRow("above the first row counts as the first") << 10 << 0;
    QTest::newRow("the first row") << 77 << 0;
    QTest::newRow("the third row") << -3 << 2;
}

void TestDeviceListPane::rowUnderCursor()
{
    QFETCH(int, y);
    QFETCH(int, expected);
    DeviceListWidget list;
    const int h = list.rowHeight();
    QVERIFY(h > 0);
    // Negative: that many pixels into the row (76 + row x height + |y|).
    const int at = y >= 0 ? y : 76 + expected * h - y;
    QCOMPARE(list.rowUnderCursor(list.mapToGlobal(QPoint(5, at))), expected);
}

void TestDeviceListPane::deleteTitleStandsOverItsBins_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("a pane as wide as in a window of 1024") << 760;
    QTest::newRow("a pane of 1000") << 1000;
    QTest::newRow("a pane as wide as the screen") << 1280;
}

void TestDeviceListPane::deleteTitleStandsOverItsBins()
{
    QFETCH(int, width);
    writeTask(kTask, {QStringLiteral("CAM-A"), QStringLiteral("CAM-B")});
    DeviceListWidget list;
    // With the margins the main window gives the pane.
    list.layout()->setContentsMargins(0, 6, 0, 0);
    list.resize(width, 400);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.clickCurrentTask(kTask);
    KavrinGUIToolkit::CTreeView *view = list.view();
    QHeaderView *header = view->header();
    const int column = DeviceListModel::DeleteColumn;

    // The title's letters (dark) inside its section, its borders left out.
    const QRect section(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                        header->height());
    const QRect title = inkIn(header, section.adjusted(2, 2, -2, -2), [](QRgb p) {
                            return qGray(p) < 110;
                        }).translated(header->mapTo(view, QPoint(0, 0)));
    // The red bin of the first row.
    const QRect cell = view->visualRect(list.model()->index(0, column));
    const QRect bin = inkIn(view->viewport(), cell, [](QRgb p) {
                          return qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90;
                      }).translated(view->viewport()->mapTo(view, QPoint(0, 0)));
    QVERIFY(!title.isNull());
    QVERIFY(!bin.isNull());
    const QString where = QStringLiteral("title %1 to %2, bin %3 to %4")
                              .arg(title.left())
                              .arg(title.right())
                              .arg(bin.left())
                              .arg(bin.right());
    // The bin stands under the title, in its middle.
    QVERIFY2(bin.left() >= title.left() && bin.right() <= title.right(), qPrintable(where));
    QVERIFY2(qAbs(bin.center().x() - title.center().x()) <= 3, qPrintable(where));
    // And the table still fits the pane.
    QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
}

void TestDeviceListPane::columnsKeepTheirWidthsAndRemarksTakeTheRoom_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("state");
    // Device type, remark, class, count, main and sub stream, configuration;
    // the view's default section is 100 wide.
    QTest::addColumn<QList<int>>("widths");
    const QList<int> english{130, 85, 80, 100, 122, 117, 70};
    const QList<int> chinese{140, 90, 80, 60, 100, 100, 70};
    QTest::newRow("English at the start size") << 0 << "default" << english;
    QTest::newRow("English maximised") << 0 << "maximised" << english;
    QTest::newRow("Chinese at the start size") << 1 << "default" << chinese;
    QTest::newRow("Chinese maximised") << 1 << "maximised" << chinese;
}

void TestDeviceListPane::columnsKeepTheirWidthsAndRemarksTakeTheRoom()
{
    QFETCH(int, language);
    QFETCH(QString, state);
    QFETCH(QList<int>, widths);
    const QMap<QString, QString> facts = headerFigures(language);
    QList<int> figures;
    for (const QString &figure : facts.value(state).split(QLatin1Char(',')))
        figures << figure.toInt();
    QCOMPARE(figures.size(), 10);
    const int viewport = figures.at(8);
    const int deleteTitle = figures.at(9);
    const QString all = facts.value(state);

    for (int column = 0; column < 7; ++column) {
        if (column != DeviceListModel::RemarkColumn)
            QCOMPARE(figures.at(column), widths.at(column));
    }
    // The delete title is shown whole, and no wider: the bins stand under it.
    QCOMPARE(figures.at(DeviceListModel::DeleteColumn), qMax(40, deleteTitle));
    // The remarks are never narrower than their width; any room the pane
    // has beyond the columns is theirs, and only a pane narrower than the
    // columns scrolls.
    const int remark = figures.at(DeviceListModel::RemarkColumn);
    const int total = std::accumulate(figures.cbegin(), figures.cbegin() + 8, 0);
    QVERIFY2(remark >= widths.at(DeviceListModel::RemarkColumn), qPrintable(all));
    QVERIFY2(total == viewport || (total > viewport && remark == widths.at(1)), qPrintable(all));
    if (state == QLatin1String("maximised")) {
        // A 1280 wide screen leaves room beyond every column.
        QCOMPARE(total, viewport);
        QVERIFY2(remark > widths.at(1) + 200, qPrintable(all));
    }
}

int main(int argc, char *argv[])
{
    if (ProgramInChild::isChild(argc, argv, "--widths-child"))
        return runWidthsChild(argv);
    QApplication app(argc, argv);
    TestDeviceListPane test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_devicelistpane.moc"
