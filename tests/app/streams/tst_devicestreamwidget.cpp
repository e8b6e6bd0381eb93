// The stream editor panel driven as a planner drives it: the add button, the
// delete icon, the use headers and boxes, typing and choosing in cells, and
// every way the panel closes with a cell editor open.

#include <DeviceListModel.h>
#include <DeviceListWidget.h>
#include <DeviceStreamModel.h>
#include <DeviceStreamWidget.h>
#include <Varnel.h>

#include "StreamFixture.h"
#include "TipPlace.h"

#include <HeaderView.h>
#include <PixmapDelegate.h>
#include <ToolTip.h>
#include <TreeView.h>
#include <WarningDlg.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <functional>

using namespace Qt::Literals::StringLiterals;

using KavrinGUIToolkit::CWarningDlg;
using kiv::DeviceStreamModel;
using kiv::DeviceStreamWidget;
using StreamFixture::Device;
using StreamFixture::stream;

// One way the panel closes.
using Close = std::function<void(QWidget *host, DeviceStreamWidget *panel)>;
Q_DECLARE_METATYPE(Close)

namespace {

const QString kTask = QStringLiteral("Lobby");

QStringList shownMessages()
{
    QStringList out;
    for (const CWarningDlg::Shown &m : CWarningDlg::History())
        out << m.title + QLatin1Char('|') + m.text;
    return out;
}

QString cell(const DeviceStreamWidget &panel, int row, int column)
{
    return panel.model()->index(row, column).data().toString();
}

// The cell editor the view has open, if any.
template <typename Editor> Editor *openEditor(const DeviceStreamWidget &panel)
{
    for (Editor *editor :
         panel.view()->viewport()->findChildren<Editor *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!editor->isHidden())
            return editor;
    }
    return nullptr;
}

// Opens the cell's editor and types @p text into it, leaving it open.
QLineEdit *typeInto(DeviceStreamWidget &panel, int row, int column, const QString &text)
{
    const QModelIndex index = panel.model()->index(row, column);
    panel.view()->setCurrentIndex(index);
    panel.view()->edit(index);
    QLineEdit *editor = openEditor<QLineEdit>(panel);
    if (!editor)
        return nullptr;
    editor->selectAll();
    QTest::keyClicks(editor, text);
    return editor;
}

QPoint iconCentre(const DeviceStreamWidget &panel, const QModelIndex &index)
{
    auto *delegate = qobject_cast<KavrinGUIToolkit::CPixmapDelegate *>(
        panel.view()->itemDelegateForIndex(index));
    const auto icons = delegate->IconSlots(panel.view()->visualRect(index), index);
    return icons.isEmpty() ? QPoint() : icons.first().rect.center();
}

// Clicks the icon of @p role in a cell of the device list, with the cursor
// where the click lands (the list places its panels by it).
void clickListIcon(kiv::DeviceListWidget *list, int row, int column, int role)
{
    KavrinGUIToolkit::CTreeView *view = list->view();
    const QModelIndex index = list->model()->index(row, column);
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

void chooseResolution(DeviceStreamWidget &panel, int row, const QString &text)
{
    const QModelIndex index = panel.model()->index(row, DeviceStreamModel::ResolutionColumn);
    panel.view()->setCurrentIndex(index);
    panel.view()->edit(index);
    QComboBox *combo = openEditor<QComboBox>(panel);
    QVERIFY(combo);
    const int at = combo->findText(text);
    QVERIFY(at >= 0);
    combo->setCurrentIndex(at);
    emit combo->activated(at);
}

void setStorageEnabled()
{
    TaskListFile file;
    StorageResult storage;
    storage.taskName = kTask;
    storage.storageEnable = 1;
    QVERIFY(file.setStorageResult(storage));
    QVERIFY(file.close());
}

int storageEnabled()
{
    TaskListFile file;
    StorageResult stored;
    file.storageResult(kTask, stored);
    return stored.storageEnable;
}

} // namespace

class TestDeviceStreamWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void panelIsDrawnInsideItsParent();
    void showingADeviceFillsTheTable();
    void addButtonAddsAStreamAndPassesTheSignalOn();
    void failedAddIsToldWithTheFilesReason();
    void deleteIconRemovesTheStream();
    void headerClickTicksTheColumnInEveryRow();
    void spaceOnAUseBoxWritesTheUseCode();
    void typedBitRateIsStoredOnEnter();
    void refusedBitRateShowsTheRangeAtTheCell();
    void refusedBitRateTipLeavesTheTableInSight_data();
    void refusedBitRateTipLeavesTheTableInSight();
    void choosingAResolutionChangesTheBitRate();
    void openEditorIsStoredWhenThePanelCloses_data();
    void openEditorIsStoredWhenThePanelCloses();
    void escapeInTheEditorKeepsTheStoredValue();
    void closingTheProgramStoresTheOpenEditor();
    void streamChangesClearTheTasksResults();
    void streamsAreThereAfterARestart();
    void plannerEditsStreamsFromADeviceRow();

private:
    std::unique_ptr<ProgramFolder> m_catalogueFolder;
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<QWidget> m_host;
    DeviceStreamWidget *m_panel = nullptr;
};

void TestDeviceStreamWidget::initTestCase()
{
    m_catalogueFolder = StreamFixture::openCatalogue();
    QVERIFY(m_catalogueFolder);
}

void TestDeviceStreamWidget::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
    QVERIFY(StreamFixture::makeTask(
        kTask, 0,
        {Device{u"CAM-S"_s,
                u"IPC"_s,
                {stream(u"111"_s, 1, u"1280x720"_s, u"25"_s, 3072),
                 stream(u"010"_s, 2, u"4CIF"_s, u"12"_s, 600)}},
         Device{u"DVR-S"_s, u"DVR"_s, {stream(u"110"_s, 4, u"CIF"_s, u"25"_s, 512)}},
         Device{u"DOME-S"_s, u"Dome"_s, {}}}));
    // The main window's stand-in: the panel is drawn inside it.
    m_host = std::make_unique<QWidget>();
    m_host->resize(1000, 600);
    m_panel = new DeviceStreamWidget(m_host.get());
    m_panel->hide();
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
}

void TestDeviceStreamWidget::cleanup()
{
    m_host.reset();
    m_panel = nullptr;
    KavrinGUIToolkit::CToolTip::HideTipImmediately();
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
    m_folder.reset();
}

void TestDeviceStreamWidget::panelIsDrawnInsideItsParent()
{
    // No window type: a child drawn inside the window around it.
    QCOMPARE(m_panel->windowType(), Qt::Widget);
    QVERIFY(m_panel->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!m_panel->isWindow());
    QCOMPARE(m_panel->size(), QSize(720, 220));
    QCOMPARE(m_panel->minimumSize(), m_panel->maximumSize());
    QCOMPARE(m_panel->addButton()->objectName(), QStringLiteral("btnAddStream"));
    QCOMPARE(m_panel->view()->objectName(), QStringLiteral("treeStreamView"));
    QVERIFY(!m_panel->view()->IsAutoChangeCheckbox());
    // Every title shows whole, and the table fits the panel beside a
    // vertical scroll bar.
    m_panel->showDevice(kTask, QStringLiteral("CAM-S"), 0);
    QHeaderView *header = m_panel->view()->header();
    int total = 0;
    for (int column = 0; column < DeviceStreamModel::ColumnCount; ++column) {
        QVERIFY2(header->sectionSize(column) >= header->sectionSizeHint(column),
                 qPrintable(QString::number(column)));
        total += header->sectionSize(column);
    }
    QVERIFY(total <= m_panel->view()->viewport()->width());
    QVERIFY(m_panel->isVisible());
    QCOMPARE(m_panel->mapTo(m_host.get(), QPoint(0, 0)), m_panel->pos());
}

void TestDeviceStreamWidget::showingADeviceFillsTheTable()
{
    m_panel->showDevice(kTask, QStringLiteral("CAM-S"), 0);
    QCOMPARE(m_panel->model()->rowCount(), 2);
    QCOMPARE(cell(*m_panel, 1, DeviceStreamModel::IndexColumn), QStringLiteral("1-2"));
    m_panel->showDevice(kTask, QStringLiteral("DVR-S"), 1);
    QCOMPARE(m_panel->model()->rowCount(), 1);
    QCOMPARE(cell(*m_panel, 0, DeviceStreamModel::IndexColumn), QStringLiteral("2-1"));
    m_panel->showDevice(kTask, QStringLiteral("DOME-S"), 2);
    QCOMPARE(m_panel->model()->rowCount(), 0);
    QCOMPARE(m_panel->taskName(), kTask);
    QCOMPARE(m_panel->deviceType(), QStringLiteral("DOME-S"));
    QCOMPARE(m_panel->deviceIndex(), 2);
}

void TestDeviceStreamWidget::addButtonAddsAStreamAndPassesTheSignalOn()
{
    m_panel->showDevice(kTask, QStringLiteral("DOME-S"), 2);
    QSignalSpy changed(m_panel, &DeviceStreamWidget::signalChanngedReslut);
    QTest::mouseClick(m_panel->addButton(), Qt::LeftButton);
    QCOMPARE(m_panel->model()->rowCount(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(cell(*m_panel, 0, DeviceStreamModel::ResolutionColumn), QStringLiteral("1920x1080"));
    QCOMPARE(StreamFixture::storedStreams(kTask, 2).size(), 1);
    // Enter in the table does not press the button.
    m_panel->view()->setFocus();
    QTest::keyClick(m_panel->view(), Qt::Key_Return);
    QCOMPARE(m_panel->model()->rowCount(), 1);
}

void TestDeviceStreamWidget::failedAddIsToldWithTheFilesReason()
{
    m_panel->showDevice(kTask, QStringLiteral("DOME-S"), 2);
    QSignalSpy changed(m_panel, &DeviceStreamWidget::signalChanngedReslut);
    QString reason;
    {
        ReadOnlyFolder folder(m_folder->file(QStringLiteral("Task")));
        QVERIFY(folder.isActive());
        QTest::mouseClick(m_panel->addButton(), Qt::LeftButton);
        reason = failurereason::ofDeviceFileSave(kTask);
    }
    QVERIFY(!reason.isEmpty());
    QCOMPARE(shownMessages(), QStringList{QStringLiteral("Warn|Failed.\n") + reason});
    QCOMPARE(m_panel->model()->rowCount(), 0);
    QCOMPARE(changed.count(), 0);
    QVERIFY(StreamFixture::storedStreams(kTask, 2).isEmpty());
}

void TestDeviceStreamWidget::deleteIconRemovesTheStream()
{
    m_panel->showDevice(kTask, QStringLiteral("CAM-S"), 0);
    QSignalSpy changed(m_panel, &DeviceStreamWidget::signalChanngedReslut);
    const QModelIndex remove = m_panel->model()->index(0, DeviceStreamModel::DeleteColumn);
    const QPoint at = iconCentre(*m_panel, remove);
    QVERIFY(!at.isNull());
    QTest::mouseClick(m_panel->view()->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(m_panel->model()->rowCount(), 1);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(cell(*m_panel, 0, DeviceStreamModel::IndexColumn), QStringLiteral("1-1"));
    QCOMPARE(StreamFixture::storedStreams(kTask, 0).value(0).useCode, QStringLiteral("010"));
}

void TestDeviceStreamWidget::headerClickTicksTheColumnInEveryRow()
{
    m_panel->showDevice(kTask, QStringLiteral("CAM-S"), 0);
    QHeaderView *header = m_panel->view()->header();
    const int section = DeviceStreamModel::PreviewColumn;
    QCOMPARE(header->model()->headerData(section, Qt::Horizontal, Qt::CheckStateRole).toInt(),
             int(Qt::PartiallyChecked));
    const QPoint at(header->sectionViewportPosition(section) + 8, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    const QVector<DevStream> stored = StreamFixture::storedStreams(kTask, 0);
    QCOMPARE(stored.value(0).useCode, QStringLiteral("111"));
    QCOMPARE(stored.value(1).useCode, QStringLiteral("110"));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(StreamFixture::storedStreams(kTask, 0).value(0).useCode, QStringLiteral("011"));
    QCOMPARE(StreamFixture::storedStreams(kTask, 0).value(1).useCode, QStringLiteral("010"));
}

void TestDeviceStreamWidget::spaceOnAUseBoxWritesTheUseCode()
{
    m_panel->showDevice(kTask, QStringLiteral("CAM-S"), 0);
    QSignalSpy changed(m_panel, &DeviceStreamWidget::signalChanngedReslut);
    m_panel->view()->setFocus();
    m_panel->view()->setCurrentIndex(
        m_panel->model()->index(1, DeviceStreamModel::TransmissionColumn));
    QTest::keyClick(m_panel->view(), Qt::Key_Space);
    QCOMPARE(StreamFixture::storedStreams(kTask, 0).value(1).useCode, QStringLiteral("011"));
    QCOMPARE(changed.count(), 1);
}

void TestDeviceStreamWidget::typedBitRateIsStoredOnEnter()
{
    m_panel->showDevice(kTask, QStringLiteral("CAM-S"), 0);
    QSignalSpy changed(m_panel, &DeviceStreamWidget::signalChanngedReslut);
    QLineEdit *editor =
        typeInto(*m_panel, 1, DeviceStreamModel::BitRateColumn, QStringLiteral("2048"));
    QVERIFY(editor);
    QCOMPARE(editor->maxLength(), 5);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(cell(*m_panel, 1, DeviceStreamModel::BitRateColumn), QStringLiteral("2048"));
    QCOMPARE(StreamFixture::storedStreams(kTask, 0).value(1).bitRate, 2048);
    QCOMPARE(changed.count(), 1);
}

void TestDeviceStreamWidget::refusedBitRateShowsTheRangeAtTheCell()
{
    m_panel->showDevice(kTask, QStringLiteral("CAM-S"), 0);
    QSignalSpy changed(m_panel, &DeviceStreamWidget::signalChanngedReslut);
    // The count was clicked last: the refused bit rate still gets its own
    // value back.
    m_panel->view()->setCurrentIndex(
        m_panel->model()->index(1, DeviceStreamModel::StreamCountColumn));
    QLineEdit *editor =
        typeInto(*m_panel, 1, DeviceStreamModel::BitRateColumn, QStringLiteral("20"));
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!openEditor<QLineEdit>(*m_panel));
    QCOMPARE(cell(*m_panel, 1, DeviceStreamModel::BitRateColumn), QStringLiteral("600"));
    QCOMPARE(StreamFixture::storedStreams(kTask, 0).value(1).bitRate, 600);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(KavrinGUIToolkit::CToolTip::CurrentText(),
             QStringLiteral("The Bit rate is not valid(range 0 or 32k-16384k)"));
    const QRect rect =
        m_panel->view()->visualRect(m_panel->model()->index(1, DeviceStreamModel::BitRateColumn));
    QCOMPARE(KavrinGUIToolkit::CToolTip::LastPosition(),
             m_panel->view()->viewport()->mapToGlobal(rect.topLeft()));
}

void TestDeviceStreamWidget::refusedBitRateTipLeavesTheTableInSight_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("the first row's tip covers no other cell") << 0;
    QTest::newRow("the second row's tip leaves the row above in sight") << 1;
}

void TestDeviceStreamWidget::refusedBitRateTipLeavesTheTableInSight()
{
    QFETCH(int, row);
    // The device list the panel is drawn over in the main window.
    auto *list = new QTreeView(m_host.get());
    list->setObjectName(QStringLiteral("treeDeviceList"));
    list->setGeometry(m_host->rect());
    list->show();
    list->lower();
    m_panel->showDevice(kTask, QStringLiteral("CAM-S"), 0);
    QLineEdit *editor =
        typeInto(*m_panel, row, DeviceStreamModel::BitRateColumn, QStringLiteral("20"));
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!openEditor<QLineEdit>(*m_panel));
    QVERIFY(KavrinGUIToolkit::CToolTip::IsShowing());
    const QAbstractItemModel *model = m_panel->model();
    const QWidget *viewport = m_panel->view()->viewport();
    QRect field;
    QVector<QRect> cells;
    for (int r = 0; r < model->rowCount(); ++r) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(r, column);
            const QRect rect = tipplace::onScreen(viewport, m_panel->view()->visualRect(index));
            if (r == row && column == DeviceStreamModel::BitRateColumn)
                field = rect;
            else if (index.flags() & Qt::ItemIsEditable)
                cells << rect;
        }
    }
    const QString fault = tipplace::misplaced(field, m_panel->window(), cells);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestDeviceStreamWidget::choosingAResolutionChangesTheBitRate()
{
    m_panel->showDevice(kTask, QStringLiteral("CAM-S"), 0);
    QSignalSpy changed(m_panel, &DeviceStreamWidget::signalChanngedReslut);
    const QModelIndex resolution = m_panel->model()->index(0, DeviceStreamModel::ResolutionColumn);
    m_panel->view()->setCurrentIndex(resolution);
    m_panel->view()->edit(resolution);
    QComboBox *combo = openEditor<QComboBox>(*m_panel);
    QVERIFY(combo);
    QCOMPARE(combo->count(), 3);
    const int fullHd = combo->findText(QStringLiteral("1920x1080"));
    QVERIFY(fullHd >= 0);
    combo->setCurrentIndex(fullHd);
    emit combo->activated(fullHd);

    QCOMPARE(cell(*m_panel, 0, DeviceStreamModel::ResolutionColumn), QStringLiteral("1920x1080"));
    QCOMPARE(cell(*m_panel, 0, DeviceStreamModel::FrameRateColumn), QStringLiteral("25"));
    QCOMPARE(cell(*m_panel, 0, DeviceStreamModel::BitRateColumn), QStringLiteral("6144"));
    const DevStream stored = StreamFixture::storedStreams(kTask, 0).value(0);
    QCOMPARE(stored.resolution, QStringLiteral("1920x1080"));
    QCOMPARE(stored.bitRate, 6144);
    QCOMPARE(changed.count(), 1);
}

void TestDeviceStreamWidget::openEditorIsStoredWhenThePanelCloses_data()
{
    QTest::addColumn<Close>("close");
    // The device list hides the panel on a click on another row, a change
    // of task and a scroll.
    QTest::newRow("the device list hides the panel")
        << Close([](QWidget *, DeviceStreamWidget *panel) { panel->hide(); });
    QTest::newRow("the panel is shown for another row")
        << Close([](QWidget *, DeviceStreamWidget *panel) {
               panel->showDevice(kTask, QStringLiteral("DVR-S"), 1);
           });
    QTest::newRow("the window around the panel hides")
        << Close([](QWidget *host, DeviceStreamWidget *) { host->hide(); });
    QTest::newRow("Escape on the panel, outside the cell") << Close(
        [](QWidget *, DeviceStreamWidget *panel) { QTest::keyClick(panel, Qt::Key_Escape); });
}

void TestDeviceStreamWidget::openEditorIsStoredWhenThePanelCloses()
{
    QFETCH(Close, close);
    m_panel->showDevice(kTask, QStringLiteral("CAM-S"), 0);
    QSignalSpy changed(m_panel, &DeviceStreamWidget::signalChanngedReslut);
    QVERIFY(typeInto(*m_panel, 0, DeviceStreamModel::StreamCountColumn, QStringLiteral("16")));

    close(m_host.get(), m_panel);

    QCOMPARE(StreamFixture::storedStreams(kTask, 0).value(0).streamCount, 16);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!openEditor<QLineEdit>(*m_panel));
    QVERIFY(shownMessages().isEmpty());
}

void TestDeviceStreamWidget::escapeInTheEditorKeepsTheStoredValue()
{
    m_panel->showDevice(kTask, QStringLiteral("CAM-S"), 0);
    QSignalSpy changed(m_panel, &DeviceStreamWidget::signalChanngedReslut);
    QLineEdit *editor =
        typeInto(*m_panel, 0, DeviceStreamModel::StreamCountColumn, QStringLiteral("16"));
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!openEditor<QLineEdit>(*m_panel));
    m_panel->hide();
    QCOMPARE(cell(*m_panel, 0, DeviceStreamModel::StreamCountColumn), QStringLiteral("1"));
    QCOMPARE(StreamFixture::storedStreams(kTask, 0).value(0).streamCount, 1);
    QCOMPARE(changed.count(), 0);
}

void TestDeviceStreamWidget::closingTheProgramStoresTheOpenEditor()
{
    m_host.reset();
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    DeviceStreamWidget *panel = w.streamPanel();
    panel->showDevice(kTask, QStringLiteral("CAM-S"), 0);
    QVERIFY(typeInto(*panel, 1, DeviceStreamModel::BitRateColumn, QStringLiteral("1500")));
    QTimer::singleShot(0, &w, [&w] { w.close(); });
    // A guard, should the quit never come.
    QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(panel->isHidden());
    QCOMPARE(StreamFixture::storedStreams(kTask, 0).value(1).bitRate, 1500);
}

void TestDeviceStreamWidget::streamChangesClearTheTasksResults()
{
    m_host.reset();
    setStorageEnabled();
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.streamPanel()->showDevice(kTask, QStringLiteral("DOME-S"), 2);
    QCOMPARE(storageEnabled(), 1);
    QTest::mouseClick(w.streamPanel()->addButton(), Qt::LeftButton);
    QCOMPARE(storageEnabled(), 0);
}

void TestDeviceStreamWidget::streamsAreThereAfterARestart()
{
    m_panel->showDevice(kTask, QStringLiteral("DOME-S"), 2);
    QTest::mouseClick(m_panel->addButton(), Qt::LeftButton);
    QTest::mouseClick(m_panel->addButton(), Qt::LeftButton);
    QLineEdit *editor =
        typeInto(*m_panel, 1, DeviceStreamModel::StreamCountColumn, QStringLiteral("3"));
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(StreamFixture::storedStreams(kTask, 2).value(1).streamCount, 3);
    m_host.reset();

    QWidget host;
    DeviceStreamWidget again(&host);
    again.showDevice(kTask, QStringLiteral("DOME-S"), 2);
    QCOMPARE(again.model()->rowCount(), 2);
    QCOMPARE(cell(again, 0, DeviceStreamModel::StreamCountColumn), QStringLiteral("1"));
    QCOMPARE(cell(again, 1, DeviceStreamModel::StreamCountColumn), QStringLiteral("3"));
    QCOMPARE(cell(again, 1, DeviceStreamModel::BitRateColumn), QStringLiteral("6144"));
}

void TestDeviceStreamWidget::plannerEditsStreamsFromADeviceRow()
{
    m_host.reset();
    {
        kiv::Varnel w;
        w.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        kiv::DeviceListWidget *list = w.deviceList();
        QCOMPARE(list->model()->rowCount(), 3);
        DeviceStreamWidget *panel = w.streamPanel();

        // The first camera's stream icon opens its streams beside the row.
        clickListIcon(list, 0, kiv::DeviceListModel::ConfigColumn, KavrinGUIToolkit::FirstIconRole);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->model()->rowCount(), 2);
        QCOMPARE(cell(*panel, 1, DeviceStreamModel::IndexColumn), QStringLiteral("1-2"));

        // A resolution chosen: the bit rate follows.
        chooseResolution(*panel, 0, QStringLiteral("1920x1080"));
        QCOMPARE(cell(*panel, 0, DeviceStreamModel::BitRateColumn), QStringLiteral("6144"));

        // A stream added and deleted again.
        QTest::mouseClick(panel->addButton(), Qt::LeftButton);
        QCOMPARE(panel->model()->rowCount(), 3);
        const QPoint bin =
            iconCentre(*panel, panel->model()->index(2, DeviceStreamModel::DeleteColumn));
        QTest::mouseClick(panel->view()->viewport(), Qt::LeftButton, {}, bin);
        QCOMPARE(panel->model()->rowCount(), 2);

        // A count still being typed when the planner clicks another row.
        QVERIFY(typeInto(*panel, 1, DeviceStreamModel::StreamCountColumn, QStringLiteral("6")));
        const QRect other = list->view()->visualRect(
            list->model()->index(2, kiv::DeviceListModel::DeviceTypeColumn));
        QTest::mouseClick(list->view()->viewport(), Qt::LeftButton, {}, other.center());
        QVERIFY(!panel->isVisible());
        QVERIFY(shownMessages().isEmpty());
    }

    // The next start shows the streams as they were left.
    kiv::Varnel w;
    w.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    clickListIcon(w.deviceList(), 0, kiv::DeviceListModel::ConfigColumn,
                  KavrinGUIToolkit::FirstIconRole);
    DeviceStreamWidget *panel = w.streamPanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->model()->rowCount(), 2);
    QCOMPARE(cell(*panel, 0, DeviceStreamModel::ResolutionColumn), QStringLiteral("1920x1080"));
    QCOMPARE(cell(*panel, 0, DeviceStreamModel::FrameRateColumn), QStringLiteral("25"));
    QCOMPARE(cell(*panel, 0, DeviceStreamModel::BitRateColumn), QStringLiteral("6144"));
    QCOMPARE(cell(*panel, 1, DeviceStreamModel::StreamCountColumn), QStringLiteral("6"));
}

QTEST_MAIN(TestDeviceStreamWidget)
#include "tst_devicestreamwidget.moc"
