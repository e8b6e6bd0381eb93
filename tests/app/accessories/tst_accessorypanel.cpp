// The accessory panel: its three tiles filled from the task's device file,
// add, edit and clear through the type dialogs and the lens calculator,
// every change in the file at once, and failures told to the planner.
#include <AccessoryTypeDialog.h>
#include <AddLensWidget.h>
#include <AttributeFrame.h>
#include <ConfigPannel.h>
#include <DeviceListModel.h>
#include <DeviceListWidget.h>
#include <ExpandAttributePannel.h>
#include <PendrikWidget.h>
#include <Varnel.h>

#include "AccessoryTestSupport.h"

#include <ItemDataRole.h>
#include <PixmapDelegate.h>
#include <TaskListFile.h>
#include <ToolTip.h>
#include <TreeView.h>

#include <QComboBox>
#include <QCursor>
#include <QDomDocument>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using accessorytest::Device;
using KavrinGUIToolkit::CWarningDlg;
using kivui::ExpandAttributePannel;

namespace {

const QString kTask = QStringLiteral("T");

enum Kind { Lens, Stand, Shield };

// Positions in the task T of every test.
enum Position {
    Bare = 0,          // CAM-A without accessories
    Equipped = 1,      // CAM-A with all three
    KnownCamera = 2,   // KC-B21, a camera of the lens calculator
    NoAccessories = 3, // CAM-N, nothing in the catalogue
    Recorder = 4,      // CAM-A entered as a DVR
    Typeless = 5,      // CAM-A whose accessories have no type
    ZeroCount = 6,     // CAM-A with a stand stored with the count 0
    Missing = 9        // no device there
};

QList<Device> taskDevices()
{
    Device bare{QStringLiteral("CAM-A")};
    Device equipped{QStringLiteral("CAM-A")};
    equipped.stand = QStringLiteral("Wall Bracket");
    equipped.standCount = 2;
    equipped.shield = QStringLiteral("Housing");
    equipped.shieldCount = 1;
    equipped.lens = QStringLiteral("Lens 8mm");
    equipped.lensCount = 3;
    Device known{QStringLiteral("KC-B21")};
    Device none{QStringLiteral("CAM-N")};
    Device recorder{QStringLiteral("CAM-A"), QStringLiteral("DVR")};
    Device zero{QStringLiteral("CAM-A")};
    zero.stand = QStringLiteral("Pole Bracket");
    return {bare, equipped, known, none, recorder, bare, zero};
}

QString blockOf(Kind kind)
{
    switch (kind) {
    case Lens:
        return QStringLiteral("DeviceLens");
    case Stand:
        return QStringLiteral("DeviceStand");
    case Shield:
        break;
    }
    return QStringLiteral("DeviceShield");
}

// The accessory as the file holds it; an empty type when there is none.
QPair<QString, int> stored(Kind kind, int position)
{
    TaskDeviceFile file(kTask);
    QString type;
    int count = 0;
    bool found = false;
    switch (kind) {
    case Lens:
        found = file.lens(position, type, count);
        break;
    case Stand:
        found = file.stand(position, type, count);
        break;
    case Shield:
        found = file.shield(position, type, count);
        break;
    }
    return found ? qMakePair(type, count) : qMakePair(QString(), 0);
}

// Whether the entry at @p position has the accessory's element at all.
bool hasBlock(Kind kind, int position)
{
    QDomDocument doc;
    if (!doc.setContent(ProgramFolder::readAll(TaskDeviceFile::filePath(kTask))))
        return false;
    QDomElement device = doc.documentElement().firstChildElement(QStringLiteral("DeviceInfo"));
    for (int i = 0; i < position && !device.isNull(); ++i)
        device = device.nextSiblingElement(QStringLiteral("DeviceInfo"));
    return !device.firstChildElement(blockOf(kind)).isNull();
}

QByteArray fileBytes()
{
    return ProgramFolder::readAll(TaskDeviceFile::filePath(kTask));
}

QPushButton *button(const QWidget *parent, const char *name)
{
    return parent->findChild<QPushButton *>(QString::fromLatin1(name));
}

void clickAdd(const ExpandAttributePannel *tile)
{
    QTest::mouseClick(button(tile, "m_addButton"), Qt::LeftButton);
}

void clickEdit(const ExpandAttributePannel *tile)
{
    QTest::mouseClick(button(tile->attributeFrame(), "m_editButton"), Qt::LeftButton);
}

void clickClear(const ExpandAttributePannel *tile)
{
    QTest::mouseClick(button(tile->attributeFrame(), "m_clearButton"), Qt::LeftButton);
}

// What a tile shows: its line's text, or an empty text for the add button.
QString shown(const ExpandAttributePannel *tile)
{
    return tile->hasAttribute() ? tile->attributeFrame()->text() : QString();
}

QComboBox *types(const QWidget *dialog)
{
    return dialog->findChild<QComboBox *>(QStringLiteral("combType"));
}

QLineEdit *countField(const QWidget *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("edtCount"));
}

QTableView *lensTable(const QWidget *host)
{
    return host->findChild<QTableView *>(QStringLiteral("m_pCameraLen"));
}

// Clicks the accessory icon of a row of the main window's device list, with
// the cursor where the click lands (the list places its panels by it).
void clickAccessoryIcon(kiv::DeviceListWidget *list, int row)
{
    KavrinGUIToolkit::CTreeView *view = list->view();
    const QModelIndex index = list->model()->index(row, kiv::DeviceListModel::ConfigColumn);
    auto *delegate = qobject_cast<KavrinGUIToolkit::CPixmapDelegate *>(view->itemDelegate());
    QVERIFY(delegate);
    QPoint at;
    for (const auto &slot : delegate->IconSlots(view->visualRect(index), index)) {
        if (slot.role == KavrinGUIToolkit::ThirdIconRole)
            at = slot.rect.center();
    }
    QVERIFY2(!at.isNull(), "no accessory icon");
    QCursor::setPos(view->viewport()->mapToGlobal(at));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace

Q_DECLARE_METATYPE(Kind)

// The queued answer ran, and found its dialog (or, as expected, none).
#define VERIFY_ANSWERED(expected)                                                                  \
    do {                                                                                           \
        QTRY_VERIFY(m_answer && m_answer->fired);                                                  \
        QCOMPARE(m_answer->seen, expected);                                                        \
    } while (false)

class TestAccessoryPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void panelIsAChildWithThreeTiles();
    void showingWritesNothingAndShowsOnlyThisDevice_data();
    void showingWritesNothingAndShowsOnlyThisDevice();
    void addEditClearRoundTrip_data();
    void addEditClearRoundTrip();
    void lensOfACalculatorCameraComesFromTheCalculator();
    void unknownCameraAfterACalculatorOneGetsThePlainDialog();
    void noFittingTypes_data();
    void noFittingTypes();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void storedCountOfZeroIsRefusedOnEdit();
    void failedSaveIsToldAndTheTileShowsTheFile_data();
    void failedSaveIsToldAndTheTileShowsTheFile();
    void deviceNoLongerInTheFileIsTold();
    void accessoryRemovedMeanwhileIsToldOnEdit();
    void damagedDeviceFileIsNamedOnASecondLine();
    void fromTheDeviceListThroughARestart();

private:
    ExpandAttributePannel *tile(Kind kind) const;
    void showDevice(int position, int deviceClass = 0, const QString &model = QString());
    // Answers the next type dialog: its title is recorded, the type at
    // @p typeIndex (-1: as it is) and the count @p count (empty: as it is)
    // are set and confirmed.
    void answerTypeDialog(int typeIndex, const QString &count);

    std::unique_ptr<AppCatalogue> m_catalogue;
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<QWidget> m_window;
    kiv::ConfigPannel *m_panel = nullptr;
    std::shared_ptr<accessorytest::ModalAnswer> m_answer;
    QString m_dialogTitle;
    QString m_dialogClass;
};

void TestAccessoryPanel::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    m_catalogue = accessorytest::openFixtureCatalogue();
}

void TestAccessoryPanel::cleanupTestCase()
{
    m_catalogue.reset();
}

void TestAccessoryPanel::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    QVERIFY(m_folder->copyLensCatalogues());
    QVERIFY(accessorytest::writeTask(kTask, taskDevices()));
    {
        // Accessories stored without a type, as an older file may hold them.
        TaskDeviceFile file(kTask);
        QVERIFY(file.setStand(Typeless, QString(), 2));
        QVERIFY(file.setLens(Typeless, QString(), 1));
        QVERIFY(file.close());
    }
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
    // The main window's way: a child of the window, hidden until a row asks.
    m_window = std::make_unique<QWidget>();
    m_window->resize(1024, 768);
    m_panel = new kiv::ConfigPannel(m_window.get());
    m_panel->hide();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_answer.reset();
    m_dialogTitle.clear();
    m_dialogClass.clear();
}

void TestAccessoryPanel::cleanup()
{
    m_window.reset();
    m_panel = nullptr;
    KavrinGUIToolkit::CToolTip::HideTipImmediately();
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
    m_folder.reset();
}

ExpandAttributePannel *TestAccessoryPanel::tile(Kind kind) const
{
    switch (kind) {
    case Lens:
        return m_panel->lensPanel();
    case Stand:
        return m_panel->standPanel();
    case Shield:
        break;
    }
    return m_panel->shieldPanel();
}

void TestAccessoryPanel::showDevice(int position, int deviceClass, const QString &model)
{
    QString type = model;
    if (type.isEmpty() && position < taskDevices().size())
        type = taskDevices().at(position).type;
    m_panel->setDeviceClass(deviceClass);
    m_panel->showForDevice(kTask, type, position);
}

void TestAccessoryPanel::answerTypeDialog(int typeIndex, const QString &count)
{
    m_answer = accessorytest::whenModal<kiv::AccessoryTypeDialog>(
        this, [this, typeIndex, count](kiv::AccessoryTypeDialog *dialog) {
            m_dialogTitle = dialog->GetTitle();
            m_dialogClass = QString::fromLatin1(dialog->metaObject()->className());
            if (typeIndex >= 0)
                types(dialog)->setCurrentIndex(typeIndex);
            if (!count.isNull())
                countField(dialog)->setText(count);
            QTest::mouseClick(dialog->GetConfirmBtn(), Qt::LeftButton);
        });
}

void TestAccessoryPanel::panelIsAChildWithThreeTiles()
{
    QVERIFY(m_panel->isHidden());
    QCOMPARE(m_panel->size(), QSize(720, 170));
    QCOMPARE(m_panel->windowType(), Qt::Widget);
    QVERIFY(m_panel->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!m_panel->isWindow());
    QCOMPARE(m_panel->parentWidget(), m_window.get());
    QCOMPARE(m_panel->lensPanel()->title(), QStringLiteral("Camera lens"));
    QCOMPARE(m_panel->standPanel()->title(), QStringLiteral("Bracket"));
    QCOMPARE(m_panel->shieldPanel()->title(), QStringLiteral("Shield"));
    for (Kind kind : {Lens, Stand, Shield})
        QCOMPARE(tile(kind)->size(), QSize(164, 142));
    showDevice(Bare);
    QVERIFY(m_panel->lensPanel()->x() < m_panel->standPanel()->x());
    QVERIFY(m_panel->standPanel()->x() < m_panel->shieldPanel()->x());
    // The lens host is a window of its own, kept by the panel.
    QVERIFY(m_panel->lensHost());
    QVERIFY(!m_panel->lensHost()->parent());
}

void TestAccessoryPanel::showingWritesNothingAndShowsOnlyThisDevice_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("tiles"); // lens, stand, shield
    QTest::newRow("a device without accessories shows three add buttons")
        << int(Bare) << QStringList{QString(), QString(), QString()};
    QTest::newRow("a device with all three shows each")
        << int(Equipped)
        << QStringList{QStringLiteral("Lens 8mm X3"), QStringLiteral("Wall Bracket X2"),
                       QStringLiteral("Housing X1")};
    QTest::newRow("accessories stored without a type show add buttons")
        << int(Typeless) << QStringList{QString(), QString(), QString()};
    QTest::newRow("a stored count of 0 is shown as stored")
        << int(ZeroCount) << QStringList{QString(), QStringLiteral("Pole Bracket X0"), QString()};
    QTest::newRow("a position the file does not have shows add buttons")
        << int(Missing) << QStringList{QString(), QString(), QString()};
}

void TestAccessoryPanel::showingWritesNothingAndShowsOnlyThisDevice()
{
    QFETCH(int, position);
    QFETCH(QStringList, tiles);
    // Another device first, so that each tile has something to lose.
    showDevice(Equipped);
    const QByteArray before = fileBytes();
    const QDateTime modified = QFileInfo(TaskDeviceFile::filePath(kTask)).lastModified();

    showDevice(position, 0, QStringLiteral("CAM-A"));
    QVERIFY(m_panel->isVisible());
    QCOMPARE(m_panel->taskName(), kTask);
    QCOMPARE(m_panel->deviceIndex(), position);
    QCOMPARE((QStringList{shown(m_panel->lensPanel()), shown(m_panel->standPanel()),
                          shown(m_panel->shieldPanel())}),
             tiles);
    QCOMPARE(fileBytes(), before);
    QCOMPARE(QFileInfo(TaskDeviceFile::filePath(kTask)).lastModified(), modified);
    QVERIFY(CWarningDlg::History().isEmpty());
}

void TestAccessoryPanel::addEditClearRoundTrip_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("addTitle");
    QTest::addColumn<QString>("editTitle");
    QTest::addColumn<QString>("secondType");
    QTest::newRow("stand") << Stand << QStringLiteral("kiv::AddStandWidget")
                           << QStringLiteral("Select Stand") << QStringLiteral("Edit Stand")
                           << QStringLiteral("Wall Bracket");
    QTest::newRow("shield") << Shield << QStringLiteral("kiv::AddShieldWidget")
                            << QStringLiteral("Select Shield") << QStringLiteral("Edit Shield")
                            << QString();
    QTest::newRow("lens of a camera the calculator does not know")
        << Lens << QStringLiteral("kiv::AddLensWidget") << QStringLiteral("Select Lens")
        << QStringLiteral("Edit Lens") << QStringLiteral("Lens 4mm");
}

void TestAccessoryPanel::addEditClearRoundTrip()
{
    QFETCH(Kind, kind);
    QFETCH(QString, dialogClass);
    QFETCH(QString, addTitle);
    QFETCH(QString, editTitle);
    QFETCH(QString, secondType);
    showDevice(Bare);
    ExpandAttributePannel *t = tile(kind);

    // Add: the second type if there is one, 4 of it.
    answerTypeDialog(secondType.isEmpty() ? 0 : 1, QStringLiteral("4"));
    clickAdd(t);
    VERIFY_ANSWERED(true);
    QCOMPARE(m_dialogClass, dialogClass);
    QCOMPARE(m_dialogTitle, addTitle);
    const QString type = secondType.isEmpty() ? QStringLiteral("Housing") : secondType;
    QCOMPARE(stored(kind, Bare), qMakePair(type, 4));
    QCOMPARE(shown(t), type + QStringLiteral(" X4"));

    // Edit: the stored pair is preset; 9 of it now.
    m_answer = accessorytest::whenModal<kiv::AccessoryTypeDialog>(
        this, [this, type](kiv::AccessoryTypeDialog *dialog) {
            m_dialogTitle = dialog->GetTitle();
            QCOMPARE(types(dialog)->currentText(), type);
            QCOMPARE(countField(dialog)->text(), QStringLiteral("4"));
            countField(dialog)->setText(QStringLiteral("9"));
            QTest::mouseClick(dialog->GetConfirmBtn(), Qt::LeftButton);
        });
    clickEdit(t);
    VERIFY_ANSWERED(true);
    QCOMPARE(m_dialogTitle, editTitle);
    QCOMPARE(stored(kind, Bare), qMakePair(type, 9));
    QCOMPARE(shown(t), type + QStringLiteral(" X9"));

    // A restart finds it.
    {
        kiv::ConfigPannel again(m_window.get());
        again.showForDevice(kTask, QStringLiteral("CAM-A"), Bare);
        const ExpandAttributePannel *other = kind == Lens    ? again.lensPanel()
                                             : kind == Stand ? again.standPanel()
                                                             : again.shieldPanel();
        QCOMPARE(shown(other), type + QStringLiteral(" X9"));
    }

    // Clear: the element leaves the entry, no question asked.
    clickClear(t);
    QCOMPARE(shown(t), QString());
    QCOMPARE(stored(kind, Bare), qMakePair(QString(), 0));
    QVERIFY(!hasBlock(kind, Bare));
    QVERIFY(CWarningDlg::History().isEmpty());

    // Added again, it is created anew.
    answerTypeDialog(0, QStringLiteral("2"));
    clickAdd(t);
    VERIFY_ANSWERED(true);
    QCOMPARE(stored(kind, Bare).second, 2);
}

void TestAccessoryPanel::lensOfACalculatorCameraComesFromTheCalculator()
{
    showDevice(KnownCamera);
    QString chosen;
    m_answer =
        accessorytest::whenModal<kiv::PendrikWidget>(this, [&chosen](kiv::PendrikWidget *host) {
            QTableView *table = lensTable(host);
            table->setCurrentIndex(table->model()->index(0, 0));
            chosen = table->model()->index(0, 0).data().toString();
            host->findChild<QLineEdit *>(QStringLiteral("m_pEdtLensNumber"))
                ->setText(QStringLiteral("2"));
            QTest::mouseClick(host->GetConfirmBtn(), Qt::LeftButton);
        });
    clickAdd(m_panel->lensPanel());
    VERIFY_ANSWERED(true);
    QCOMPARE(m_panel->lensHost()->cameraModel(), QStringLiteral("KC-B21"));
    // The calculator's line is "model, maker, focal/...": the model is kept.
    QVERIFY(chosen.count(QLatin1Char(',')) >= 2);
    const QString model = chosen.section(QLatin1Char(','), 0, 0);
    QCOMPARE(stored(Lens, KnownCamera), qMakePair(model, 2));
    QCOMPARE(shown(m_panel->lensPanel()), model + QStringLiteral(" X2"));

    // Edit goes to the calculator again, which starts without a choice:
    // confirming then asks for a lens and stores nothing.
    m_answer = accessorytest::whenModal<kiv::PendrikWidget>(this, [](kiv::PendrikWidget *host) {
        QTest::mouseClick(host->GetConfirmBtn(), Qt::LeftButton);
    });
    clickEdit(m_panel->lensPanel());
    VERIFY_ANSWERED(true);
    QCOMPARE(accessorytest::shownMessages(),
             QStringList{QStringLiteral("Hint|Please select Lens")});
    QCOMPARE(stored(Lens, KnownCamera), qMakePair(model, 2));
}

void TestAccessoryPanel::unknownCameraAfterACalculatorOneGetsThePlainDialog()
{
    showDevice(KnownCamera);
    m_answer = accessorytest::whenModal<kiv::PendrikWidget>(this, [](kiv::PendrikWidget *host) {
        QTableView *table = lensTable(host);
        table->setCurrentIndex(table->model()->index(0, 0));
        QTest::mouseClick(host->GetConfirmBtn(), Qt::LeftButton);
    });
    clickAdd(m_panel->lensPanel());
    VERIFY_ANSWERED(true);

    // CAM-A is no camera of the calculator: the catalogue's lens list
    // serves it, and no lens of KC-B21 reaches its entry.
    showDevice(Bare);
    answerTypeDialog(0, QStringLiteral("1"));
    clickAdd(m_panel->lensPanel());
    VERIFY_ANSWERED(true);
    QCOMPARE(m_dialogClass, QStringLiteral("kiv::AddLensWidget"));
    QCOMPARE(stored(Lens, Bare), qMakePair(QStringLiteral("Lens 8mm"), 1));
}

void TestAccessoryPanel::noFittingTypes_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QString>("message");
    QTest::newRow("a DVR's stand")
        << Stand << int(Recorder) << 1 << QStringLiteral("Hint|No fit stand");
    QTest::newRow("an NVR's stand")
        << Stand << int(Recorder) << 3 << QStringLiteral("Hint|No fit stand");
    QTest::newRow("a CVR's stand")
        << Stand << int(Recorder) << 4 << QStringLiteral("Hint|No fit stand");
    QTest::newRow("a model without shields")
        << Shield << int(NoAccessories) << 0 << QStringLiteral("Hint|No fit shield");
    QTest::newRow("a model without lenses")
        << Lens << int(NoAccessories) << 0 << QStringLiteral("Hint|No fit Lens");
}

void TestAccessoryPanel::noFittingTypes()
{
    QFETCH(Kind, kind);
    QFETCH(int, position);
    QFETCH(int, deviceClass);
    QFETCH(QString, message);
    showDevice(position, deviceClass);
    const QByteArray before = fileBytes();
    answerTypeDialog(0, QStringLiteral("1"));
    clickAdd(tile(kind));
    VERIFY_ANSWERED(false);
    QCOMPARE(accessorytest::shownMessages(), QStringList{message});
    QCOMPARE(fileBytes(), before);
    QCOMPARE(shown(tile(kind)), QString());
}

void TestAccessoryPanel::cancelChangesNothing_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("position");
    QTest::newRow("stand") << Stand << int(Equipped);
    QTest::newRow("shield") << Shield << int(Equipped);
    QTest::newRow("lens in the plain dialog") << Lens << int(Equipped);
    QTest::newRow("lens in the calculator") << Lens << int(KnownCamera);
}

void TestAccessoryPanel::cancelChangesNothing()
{
    QFETCH(Kind, kind);
    QFETCH(int, position);
    showDevice(position);
    const QString before = shown(tile(kind));
    const QByteArray bytes = fileBytes();
    m_answer = accessorytest::whenModal<QDialog>(this, [](QDialog *dialog) {
        if (auto *typeDialog = qobject_cast<kiv::AccessoryTypeDialog *>(dialog))
            countField(typeDialog)->setText(QStringLiteral("7"));
        dialog->reject();
    });
    if (tile(kind)->hasAttribute())
        clickEdit(tile(kind));
    else
        clickAdd(tile(kind));
    VERIFY_ANSWERED(true);
    QCOMPARE(shown(tile(kind)), before);
    QCOMPARE(fileBytes(), bytes);
    QVERIFY(CWarningDlg::History().isEmpty());
}

void TestAccessoryPanel::storedCountOfZeroIsRefusedOnEdit()
{
    showDevice(ZeroCount);
    const QByteArray before = fileBytes();
    bool open = false;
    m_answer = accessorytest::whenModal<kiv::AccessoryTypeDialog>(
        this, [&open](kiv::AccessoryTypeDialog *dialog) {
            QCOMPARE(countField(dialog)->text(), QStringLiteral("0"));
            QTest::mouseClick(dialog->GetConfirmBtn(), Qt::LeftButton);
            open = dialog->isVisible();
            QCOMPARE(KavrinGUIToolkit::CToolTip::CurrentText(),
                     QStringLiteral("Number Range [1~1000]"));
        });
    clickEdit(m_panel->standPanel());
    VERIFY_ANSWERED(true);
    QVERIFY(open);
    QCOMPARE(fileBytes(), before);
}

void TestAccessoryPanel::failedSaveIsToldAndTheTileShowsTheFile_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("clear");
    QTest::newRow("an added stand") << Stand << false;
    QTest::newRow("an added shield") << Shield << false;
    QTest::newRow("an added lens") << Lens << false;
    QTest::newRow("a cleared stand") << Stand << true;
    QTest::newRow("a cleared shield") << Shield << true;
    QTest::newRow("a cleared lens") << Lens << true;
}

void TestAccessoryPanel::failedSaveIsToldAndTheTileShowsTheFile()
{
    QFETCH(Kind, kind);
    QFETCH(bool, clear);
    const int position = clear ? Equipped : Bare;
    showDevice(position);
    const QString before = shown(tile(kind));
    const QByteArray bytes = fileBytes();
    {
        // No task file fits in 64 bytes: every save fails.
        accessorytest::FileSizeLimit limit(64);
        QVERIFY(limit.isActive());
        if (clear) {
            clickClear(tile(kind));
        } else {
            answerTypeDialog(0, QStringLiteral("3"));
            clickAdd(tile(kind));
            VERIFY_ANSWERED(true);
        }
    }
    const QStringList messages = accessorytest::shownMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().startsWith(
                 QStringLiteral("Warn|The device file of task T could not be saved: ")),
             qPrintable(messages.first()));
    QCOMPARE(fileBytes(), bytes);
    QCOMPARE(shown(tile(kind)), before);
}

void TestAccessoryPanel::deviceNoLongerInTheFileIsTold()
{
    // The row was deleted meanwhile: the panel still names its position.
    showDevice(Missing, 0, QStringLiteral("CAM-A"));
    const QByteArray bytes = fileBytes();
    answerTypeDialog(0, QStringLiteral("3"));
    clickAdd(m_panel->standPanel());
    VERIFY_ANSWERED(true);
    // The file itself is fine: no reason of its own on a second line.
    QCOMPARE(accessorytest::shownMessages(), QStringList{QStringLiteral("Hint|Failed.")});
    QCOMPARE(fileBytes(), bytes);
    QCOMPARE(shown(m_panel->standPanel()), QString());
}

void TestAccessoryPanel::accessoryRemovedMeanwhileIsToldOnEdit()
{
    showDevice(Equipped);
    {
        TaskDeviceFile file(kTask);
        QVERIFY(file.removeShield(Equipped));
        QVERIFY(file.close());
    }
    answerTypeDialog(0, QStringLiteral("3"));
    clickEdit(m_panel->shieldPanel());
    VERIFY_ANSWERED(false);
    QCOMPARE(accessorytest::shownMessages(), QStringList{QStringLiteral("Hint|Failed.")});
    QCOMPARE(shown(m_panel->shieldPanel()), QString());
    QCOMPARE(stored(Shield, Equipped), qMakePair(QString(), 0));
}

void TestAccessoryPanel::damagedDeviceFileIsNamedOnASecondLine()
{
    showDevice(Bare);
    // The file is damaged while the panel shows the device.
    const QByteArray damaged = "<?xml version=\"1.0\"?><DeviceInfoList><Dev";
    QVERIFY(ProgramFolder::write(TaskDeviceFile::filePath(kTask), damaged));
    answerTypeDialog(0, QStringLiteral("3"));
    clickAdd(m_panel->standPanel());
    VERIFY_ANSWERED(true);
    const QString reason = failurereason::ofDeviceFileOpen(kTask);
    QVERIFY(!reason.isEmpty());
    QCOMPARE(accessorytest::shownMessages(),
             QStringList{QStringLiteral("Hint|Failed.\n") + reason});
    QCOMPARE(fileBytes(), damaged);
    QCOMPARE(shown(m_panel->standPanel()), QString());
}

void TestAccessoryPanel::fromTheDeviceListThroughARestart()
{
    {
        TaskListFile list;
        TaskInfo task;
        task.name = kTask;
        QVERIFY(list.addTask(task));
        QVERIFY(list.close());
    }
    QString lensModel;
    {
        kiv::Varnel window;
        window.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        kiv::ConfigPannel *panel = window.accessoryPanel();
        clickAccessoryIcon(window.deviceList(), KnownCamera);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->deviceIndex(), int(KnownCamera));
        QCOMPARE(panel->deviceType(), QStringLiteral("KC-B21"));
        // Beside the row, inside the main window.
        QVERIFY(!panel->isWindow());
        QVERIFY(window.rect().contains(panel->geometry()));

        m_answer = accessorytest::whenModal<kiv::AccessoryTypeDialog>(
            this, [](kiv::AccessoryTypeDialog *dialog) {
                countField(dialog)->setText(QStringLiteral("2"));
                QTest::mouseClick(dialog->GetConfirmBtn(), Qt::LeftButton);
            });
        clickAdd(panel->standPanel());
        VERIFY_ANSWERED(true);

        m_answer = accessorytest::whenModal<kiv::PendrikWidget>(
            this, [&lensModel](kiv::PendrikWidget *host) {
                QTableView *table = lensTable(host);
                table->setCurrentIndex(table->model()->index(0, 0));
                lensModel =
                    table->model()->index(0, 0).data().toString().section(QLatin1Char(','), 0, 0);
                QTest::mouseClick(host->GetConfirmBtn(), Qt::LeftButton);
            });
        clickAdd(panel->lensPanel());
        VERIFY_ANSWERED(true);
        QVERIFY(!lensModel.isEmpty());
        QVERIFY(CWarningDlg::History().isEmpty());
    }

    // The next start finds both.
    kiv::Varnel window;
    window.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clickAccessoryIcon(window.deviceList(), KnownCamera);
    kiv::ConfigPannel *panel = window.accessoryPanel();
    QVERIFY(panel->isVisible());
    QCOMPARE(shown(panel->standPanel()), QStringLiteral("Wall Bracket X2"));
    QCOMPARE(shown(panel->lensPanel()), lensModel + QStringLiteral(" X1"));
    QCOMPARE(shown(panel->shieldPanel()), QString());
}

QTEST_MAIN(TestAccessoryPanel)
#include "tst_accessorypanel.moc"
