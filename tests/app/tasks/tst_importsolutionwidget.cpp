// The import-solution dialog over the demo catalogue: industries, scenes to
// tick, device counts to edit, Finish with its limit, Previous and Cancel,
// and the scene group map it hands on.

#include <DeviceModel.h>
#include <DeviceParamWidget.h>
#include <ImportSolutionWidget.h>
#include <SceneModel.h>

#include "PickingSupport.h"

#include <ItemDataRole.h>
#include <ToolTip.h>
#include <WarningDlg.h>

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeView>
#include <QtTest>

using KavrinGUIToolkit::CToolTip;
using KavrinGUIToolkit::CWarningDlg;
using kiv::ImportSolutionWidget;

namespace {

const QString kHd = QStringLiteral("HD Network Solution");
const QString kHybrid = QStringLiteral("Hybrid Upgrade Solution");

template <typename T> T *child(const QObject &parent, const char *name)
{
    return parent.findChild<T *>(QLatin1String(name));
}

QTreeView *scenes(const ImportSolutionWidget &dialog)
{
    return child<QTreeView>(dialog, "treeScene");
}

QTreeView *devices(const ImportSolutionWidget &dialog)
{
    return child<QTreeView>(dialog, "treeDeviceType");
}

QStringList sceneRows(const ImportSolutionWidget &dialog, QList<bool> *ticked = nullptr)
{
    auto *model = qobject_cast<kiv::SceneModel *>(scenes(dialog)->model());
    QStringList names;
    for (int r = 0; r < model->rowCount(); ++r) {
        names << model->sceneName(r);
        if (ticked)
            *ticked << model->isChecked(r);
    }
    return names;
}

/// The device table as "type=count" texts.
QStringList deviceRows(const ImportSolutionWidget &dialog)
{
    const QAbstractItemModel *model = devices(dialog)->model();
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        rows << model->index(r, 0).data().toString() + QLatin1Char('=') +
                    model->index(r, 1).data().toString();
    }
    return rows;
}

void clickRow(QTreeView *view, int row, int column = 0)
{
    const QModelIndex index = view->model()->index(row, column);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

/// Where a planner clicks to tick or untick a scene: the centre of the row's
/// check box, as the view's delegate lays it out.
QPoint checkBoxCentre(QTreeView *view, int row)
{
    struct OptionOf : QStyledItemDelegate
    {
        using QStyledItemDelegate::initStyleOption;
    };
    const QModelIndex index = view->model()->index(row, 0);
    QStyleOptionViewItem option;
    option.initFrom(view->viewport());
    option.rect = view->visualRect(index);
    option.widget = view;
    OptionOf().initStyleOption(&option, index);
    return view->style()
        ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view)
        .center();
}

/// A double click is a click, then the double-click event.
void doubleClick(QTreeView *view, const QModelIndex &index)
{
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

/// Commits @p text into a count cell as the table's editor does.
void setCount(const ImportSolutionWidget &dialog, int row, const QString &text)
{
    QAbstractItemModel *model = devices(dialog)->model();
    QVERIFY(model->setData(model->index(row, 1), text, Qt::EditRole));
}

/// Edits a count cell from the keyboard: the cell made current without a
/// click, F2, the text, Enter.
void typeCount(const ImportSolutionWidget &dialog, int row, const QString &text)
{
    QTreeView *view = devices(dialog);
    const QModelIndex index = view->model()->index(row, 1);
    view->setCurrentIndex(index);
    QTest::keyClick(view, Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(view->indexWidget(index));
    QVERIFY(editor);
    editor->selectAll();
    if (text.isEmpty())
        QTest::keyClick(editor, Qt::Key_Delete);
    else
        QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Enter);
    // The editor hands its text over on the next turn of the event loop.
    QTRY_VERIFY(!view->indexWidget(index));
}

QString sceneMapText(const SceneGroupMap &map)
{
    QStringList parts;
    for (auto scene = map.cbegin(); scene != map.cend(); ++scene) {
        QStringList devices;
        for (auto device = scene->cbegin(); device != scene->cend(); ++device)
            devices << device.key() + QLatin1Char('=') + QString::number(device.value());
        parts << scene.key() + QLatin1Char(':') + devices.join(QLatin1Char(','));
    }
    return parts.join(QLatin1String("; "));
}

} // namespace

class TestImportSolutionWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithTheFirstIndustryAndItsFirstScene();
    void clickingASceneShowsItsDevices();
    void tickingASceneShowsItsDevicesUnderTheHighlight();
    void industryChangeTicksItsScenesAndKeepsEdits();
    void countEdits_data();
    void countEdits();
    void keyboardEditLandsInTheSceneShown();
    void refusedCountRevertsToTheCellsLastValidCount();
    void finishLimit_data();
    void finishLimit();
    void finishWithNoSceneTickedGivesAnEmptyMap();
    void sceneGroupMapHoldsTheTickedScenesWithTheirEdits();
    void previousCancelAndClose_data();
    void previousCancelAndClose();
    void deviceKind_data();
    void deviceKind();
    void doubleClickOnATypeShowsItsSheet();
    void doubleClickOnACountShowsNoSheet();
    void aTypeWithoutIndustriesFinishesEmpty();
    void modelsPassTheTester();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestImportSolutionWidget::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    picking::useDemoFolder(*m_folder, 0);
}

void TestImportSolutionWidget::init()
{
    CToolTip::HideTipImmediately();
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
}

void TestImportSolutionWidget::cleanup()
{
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
}

void TestImportSolutionWidget::opensWithTheFirstIndustryAndItsFirstScene()
{
    ImportSolutionWidget dialog(kHd);
    dialog.show();
    QCOMPARE(dialog.GetTitle(), QStringLiteral("New Task"));
    QCOMPARE(dialog.size(), QSize(600, 450));
    auto *industries = child<QComboBox>(dialog, "combIndustry");
    QCOMPARE(industries->count(), 3);
    QCOMPARE(industries->itemText(0), QStringLiteral("Education"));
    QCOMPARE(industries->itemText(1), QStringLiteral("Railways"));
    QCOMPARE(industries->itemText(2), QStringLiteral("Retail"));

    QList<bool> ticked;
    QCOMPARE(sceneRows(dialog, &ticked),
             (QStringList{QStringLiteral("Campus Entrance"), QStringLiteral("Classroom"),
                          QStringLiteral("Playground")}));
    QCOMPARE(ticked, (QList<bool>{true, true, true}));
    QCOMPARE(scenes(dialog)->currentIndex().row(), 0);
    QCOMPARE(deviceRows(dialog),
             (QStringList{QStringLiteral("KC-B41=4"), QStringLiteral("KS-P230=1")}));

    const QAbstractItemModel *table = devices(dialog)->model();
    QCOMPARE(table->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Device Type"));
    QCOMPARE(table->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Device Count"));
    QCOMPARE(scenes(dialog)->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Scene"));
    QVERIFY(!(table->flags(table->index(0, 0)) & Qt::ItemIsEditable));
    QVERIFY(table->flags(table->index(0, 1)) & Qt::ItemIsEditable);
    QCOMPARE(table->index(0, 1).data(KavrinGUIToolkit::EditMaxLengthRole).toInt(), 4);
    QCOMPARE(devices(dialog)->columnWidth(0), 300);
}

void TestImportSolutionWidget::clickingASceneShowsItsDevices()
{
    ImportSolutionWidget dialog(kHd);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    clickRow(scenes(dialog), 2);
    QCOMPARE(deviceRows(dialog),
             (QStringList{QStringLiteral("KC-B21Z=4"), QStringLiteral("KS-P220=2")}));
    clickRow(scenes(dialog), 1);
    QCOMPARE(deviceRows(dialog),
             (QStringList{QStringLiteral("KC-D21=2"), QStringLiteral("KC-D41=1")}));
}

void TestImportSolutionWidget::tickingASceneShowsItsDevicesUnderTheHighlight()
{
    ImportSolutionWidget dialog(kHd);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTreeView *sceneView = scenes(dialog);
    QTest::mouseClick(sceneView->viewport(), Qt::LeftButton, {}, checkBoxCentre(sceneView, 1));
    QList<bool> ticked;
    sceneRows(dialog, &ticked);
    QCOMPARE(ticked, (QList<bool>{true, false, true}));
    QCOMPARE(deviceRows(dialog),
             (QStringList{QStringLiteral("KC-D21=2"), QStringLiteral("KC-D41=1")}));
    QCOMPARE(sceneView->currentIndex().row(), 1);
    const QModelIndexList highlighted = sceneView->selectionModel()->selectedRows();
    QCOMPARE(highlighted.size(), 1);
    QCOMPARE(highlighted.first().row(), 1);

    // Ticked again, the scene keeps the highlight and its devices.
    QTest::mouseClick(sceneView->viewport(), Qt::LeftButton, {}, checkBoxCentre(sceneView, 1));
    QVERIFY(qobject_cast<kiv::SceneModel *>(sceneView->model())->isChecked(1));
    QCOMPARE(sceneView->currentIndex().row(), 1);
    QCOMPARE(deviceRows(dialog),
             (QStringList{QStringLiteral("KC-D21=2"), QStringLiteral("KC-D41=1")}));
}

void TestImportSolutionWidget::industryChangeTicksItsScenesAndKeepsEdits()
{
    ImportSolutionWidget dialog(kHd);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    setCount(dialog, 0, QStringLiteral("9"));
    qobject_cast<kiv::SceneModel *>(scenes(dialog)->model())->item(1)->setCheckState(Qt::Unchecked);

    auto *industries = child<QComboBox>(dialog, "combIndustry");
    industries->setCurrentIndex(2);
    QList<bool> ticked;
    // Scenes of another industry come in name order, all ticked.
    QCOMPARE(sceneRows(dialog, &ticked),
             (QStringList{QStringLiteral("Checkout Counter"), QStringLiteral("Store Entrance"),
                          QStringLiteral("Warehouse")}));
    QCOMPARE(ticked, (QList<bool>{true, true, true}));
    QCOMPARE(scenes(dialog)->currentIndex().row(), 0);
    QCOMPARE(deviceRows(dialog),
             (QStringList{QStringLiteral("KC-D21=4"), QStringLiteral("KC-F81=1")}));
    // An edit after the change is kept too.
    setCount(dialog, 1, QStringLiteral("3"));

    industries->setCurrentIndex(0);
    ticked.clear();
    sceneRows(dialog, &ticked);
    QCOMPARE(ticked, (QList<bool>{true, true, true}));
    QCOMPARE(deviceRows(dialog),
             (QStringList{QStringLiteral("KC-B41=9"), QStringLiteral("KS-P230=1")}));
    industries->setCurrentIndex(2);
    QCOMPARE(deviceRows(dialog),
             (QStringList{QStringLiteral("KC-D21=4"), QStringLiteral("KC-F81=3")}));
}

void TestImportSolutionWidget::countEdits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("warned");
    QTest::newRow("a count in range stays")
        << QStringLiteral("7") << QStringLiteral("7") << 7 << false;
    QTest::newRow("0 is a count") << QStringLiteral("0") << QStringLiteral("0") << 0 << false;
    QTest::newRow("1024 is the most")
        << QStringLiteral("1024") << QStringLiteral("1024") << 1024 << false;
    QTest::newRow("1025 is refused with a warning")
        << QStringLiteral("1025") << QStringLiteral("4") << 4 << true;
    QTest::newRow("letters are put back silently")
        << QStringLiteral("ab") << QStringLiteral("4") << 4 << false;
    QTest::newRow("an empty count is put back silently")
        << QString() << QStringLiteral("4") << 4 << false;
    QTest::newRow("a sign is no digit")
        << QStringLiteral("-1") << QStringLiteral("4") << 4 << false;
}

void TestImportSolutionWidget::countEdits()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    QFETCH(bool, warned);

    ImportSolutionWidget dialog(kHd);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    clickRow(devices(dialog), 0, 1);
    typeCount(dialog, 0, typed);
    QCOMPARE(devices(dialog)->model()->index(0, 1).data().toString(), shown);

    const QList<CWarningDlg::Shown> messages = CWarningDlg::History();
    QCOMPARE(messages.size(), warned ? 1 : 0);
    if (warned) {
        QCOMPARE(messages.first().title, QStringLiteral("Warn"));
        QCOMPARE(messages.first().text, QStringLiteral("Device Count Ranges [0~1024]"));
    }
    SceneGroupMap map;
    dialog.getSceneGroupMap(map);
    QCOMPARE(map.value(QStringLiteral("Campus Entrance")).value(QStringLiteral("KC-B41")), stored);
}

void TestImportSolutionWidget::keyboardEditLandsInTheSceneShown()
{
    ImportSolutionWidget dialog(kHd);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The arrow key moves the highlight to the second scene and shows its
    // devices: a count typed then belongs to that scene, not the first.
    QTreeView *sceneView = scenes(dialog);
    sceneView->setFocus();
    QTest::keyClick(sceneView, Qt::Key_Down);
    QCOMPARE(sceneView->currentIndex().row(), 1);
    QCOMPARE(deviceRows(dialog),
             (QStringList{QStringLiteral("KC-D21=2"), QStringLiteral("KC-D41=1")}));

    typeCount(dialog, 1, QStringLiteral("5"));
    SceneGroupMap map;
    dialog.getSceneGroupMap(map);
    QCOMPARE(map.value(QStringLiteral("Classroom")),
             (QMap<QString, int>{{QStringLiteral("KC-D21"), 2}, {QStringLiteral("KC-D41"), 5}}));
    QCOMPARE(map.value(QStringLiteral("Campus Entrance")),
             (QMap<QString, int>{{QStringLiteral("KC-B41"), 4}, {QStringLiteral("KS-P230"), 1}}));
}

void TestImportSolutionWidget::refusedCountRevertsToTheCellsLastValidCount()
{
    ImportSolutionWidget dialog(kHd);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The cell last clicked holds a device type ...
    clickRow(devices(dialog), 0, 0);
    // ... and the count is reached by keyboard.
    typeCount(dialog, 0, QStringLiteral("abc"));
    QCOMPARE(devices(dialog)->model()->index(0, 1).data().toString(), QStringLiteral("4"));

    typeCount(dialog, 1, QStringLiteral("12"));
    clickRow(devices(dialog), 0, 0);
    typeCount(dialog, 1, QStringLiteral("2000"));
    QCOMPARE(devices(dialog)->model()->index(1, 1).data().toString(), QStringLiteral("12"));
    SceneGroupMap map;
    dialog.getSceneGroupMap(map);
    QCOMPARE(map.value(QStringLiteral("Campus Entrance")),
             (QMap<QString, int>{{QStringLiteral("KC-B41"), 4}, {QStringLiteral("KS-P230"), 12}}));
}

void TestImportSolutionWidget::finishLimit_data()
{
    QTest::addColumn<QString>("firstCount");
    QTest::addColumn<bool>("untickPlayground");
    QTest::addColumn<bool>("accepted");
    // The other ticked devices of Education add up to 1 + 3 + 6 = 10.
    QTest::newRow("ticked scenes of 1024 devices are accepted")
        << QStringLiteral("1014") << false << true;
    QTest::newRow("1025 devices are refused") << QStringLiteral("1015") << false << false;
    QTest::newRow("an unticked scene does not count") << QStringLiteral("1020") << true << true;
}

void TestImportSolutionWidget::finishLimit()
{
    QFETCH(QString, firstCount);
    QFETCH(bool, untickPlayground);
    QFETCH(bool, accepted);

    ImportSolutionWidget dialog(kHd);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    setCount(dialog, 0, firstCount);
    if (untickPlayground) {
        qobject_cast<kiv::SceneModel *>(scenes(dialog)->model())
            ->item(2)
            ->setCheckState(Qt::Unchecked);
    }
    QTest::mouseClick(child<QPushButton>(dialog, "btnFinish"), Qt::LeftButton);
    if (accepted) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!CToolTip::IsShowing());
        return;
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(CToolTip::CurrentText(), QStringLiteral("The device number of task ranges[1~1024]"));
    QCOMPARE(CToolTip::LastPosition(),
             child<QWidget>(dialog, "combIndustry")->mapToGlobal(QPoint(0, 0)));
}

void TestImportSolutionWidget::finishWithNoSceneTickedGivesAnEmptyMap()
{
    ImportSolutionWidget dialog(kHd);
    dialog.show();
    auto *model = qobject_cast<kiv::SceneModel *>(scenes(dialog)->model());
    for (int r = 0; r < model->rowCount(); ++r)
        model->item(r)->setCheckState(Qt::Unchecked);
    QTest::mouseClick(child<QPushButton>(dialog, "btnFinish"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    SceneGroupMap map;
    dialog.getSceneGroupMap(map);
    QVERIFY(map.isEmpty());
}

void TestImportSolutionWidget::sceneGroupMapHoldsTheTickedScenesWithTheirEdits()
{
    ImportSolutionWidget dialog(kHybrid);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *industries = child<QComboBox>(dialog, "combIndustry");
    QCOMPARE(industries->itemText(1), QStringLiteral("Finance"));
    industries->setCurrentIndex(1);
    QCOMPARE(sceneRows(dialog),
             (QStringList{QStringLiteral("ATM Area"), QStringLiteral("Bank Lobby"),
                          QStringLiteral("Vault")}));
    clickRow(scenes(dialog), 2);
    setCount(dialog, 0, QStringLiteral("0"));
    qobject_cast<kiv::SceneModel *>(scenes(dialog)->model())->item(1)->setCheckState(Qt::Unchecked);
    QTest::mouseClick(child<QPushButton>(dialog, "btnFinish"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    SceneGroupMap map{{QStringLiteral("held before"), {}}};
    dialog.getSceneGroupMap(map);
    QCOMPARE(sceneMapText(map), QStringLiteral("ATM Area:KC-D41=4,KD-08=1; "
                                               "Vault:KC-F81=0,KD-04=1; held before:"));
}

void TestImportSolutionWidget::previousCancelAndClose_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("previous");
    QTest::newRow("Previous") << QStringLiteral("btnPrevious") << true;
    QTest::newRow("Cancel") << QStringLiteral("btnCancel") << false;
    QTest::newRow("the close button") << QStringLiteral("CBaseDialogCloseBtn") << false;
}

void TestImportSolutionWidget::previousCancelAndClose()
{
    QFETCH(QString, button);
    QFETCH(bool, previous);
    ImportSolutionWidget dialog(kHd);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *b = dialog.findChild<QPushButton *>(button);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.isPrevious(), previous);
}

void TestImportSolutionWidget::deviceKind_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("kind");
    QTest::newRow("a DVR") << QStringLiteral("KD-08") << 1;
    QTest::newRow("a hybrid NVR counts as a DVR") << QStringLiteral("KH-16") << 1;
    QTest::newRow("a network camera") << QStringLiteral("KC-B21Z") << 0;
    QTest::newRow("a speed dome") << QStringLiteral("KS-P430") << 2;
    QTest::newRow("a type of no list is a network camera") << QStringLiteral("KX-1") << 0;
}

void TestImportSolutionWidget::deviceKind()
{
    QFETCH(QString, type);
    QFETCH(int, kind);
    ImportSolutionWidget dialog(kHd);
    QCOMPARE(dialog.deviceKind(type), kind);
}

void TestImportSolutionWidget::doubleClickOnATypeShowsItsSheet()
{
    ImportSolutionWidget dialog(kHd);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    int shown = 0;
    QString firstLine;
    whenModal<kiv::DeviceParamWidget>(&dialog, [&](kiv::DeviceParamWidget *sheet) {
        ++shown;
        firstLine = sheet->findChild<QTextEdit *>(QStringLiteral("textEdit"))
                        ->document()
                        ->firstBlock()
                        .text();
        sheet->close();
    });
    QTreeView *view = devices(dialog);
    doubleClick(view, view->model()->index(1, 0));
    QTRY_COMPARE(shown, 1);
    QCOMPARE(firstLine, QStringLiteral("Device Type: KS-P230"));
}

void TestImportSolutionWidget::doubleClickOnACountShowsNoSheet()
{
    ImportSolutionWidget dialog(kHd);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    int shown = 0;
    whenModal<kiv::DeviceParamWidget>(&dialog, [&shown](kiv::DeviceParamWidget *sheet) {
        ++shown;
        sheet->close();
    });
    QTreeView *view = devices(dialog);
    doubleClick(view, view->model()->index(1, 1));
    // A sheet would have been run inside the double click.
    QCOMPARE(shown, 0);
}

void TestImportSolutionWidget::aTypeWithoutIndustriesFinishesEmpty()
{
    ImportSolutionWidget dialog(QStringLiteral("Custum Solution"));
    dialog.show();
    QCOMPARE(child<QComboBox>(dialog, "combIndustry")->count(), 0);
    QCOMPARE(scenes(dialog)->model()->rowCount(), 0);
    QCOMPARE(devices(dialog)->model()->rowCount(), 0);
    QTest::mouseClick(child<QPushButton>(dialog, "btnFinish"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    SceneGroupMap map;
    dialog.getSceneGroupMap(map);
    QVERIFY(map.isEmpty());
}

void TestImportSolutionWidget::modelsPassTheTester()
{
    kiv::SceneModel sceneModel;
    QAbstractItemModelTester sceneTester(&sceneModel,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    sceneModel.setScenes({QStringLiteral("B"), QStringLiteral("A")});
    QCOMPARE(sceneModel.sceneName(0), QStringLiteral("B"));
    QVERIFY(sceneModel.isChecked(1));
    QVERIFY(!sceneModel.isChecked(2));
    QVERIFY(sceneModel.sceneName(5).isEmpty());

    kiv::DeviceModel deviceModel;
    QAbstractItemModelTester deviceTester(&deviceModel,
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    deviceModel.setDevices({{QStringLiteral("KC-B21"), 2}, {QStringLiteral("KC-A1"), 0}});
    QCOMPARE(deviceModel.item(0, 0)->text(), QStringLiteral("KC-A1"));
    // A count too long for a number is out of range, not 0. The model
    // reports it; the dialog owning it tells the planner.
    QSignalSpy refused(&deviceModel, &kiv::DeviceModel::countRefused);
    deviceModel.setData(deviceModel.index(0, 1), QStringLiteral("99999999999"));
    QCOMPARE(deviceModel.index(0, 1).data().toString(), QStringLiteral("0"));
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused.at(0).at(0).toString(), QStringLiteral("Device Count Ranges [0~1024]"));
    QVERIFY(CWarningDlg::History().isEmpty());
    deviceModel.reset();
    QCOMPARE(deviceModel.rowCount(), 0);
    QCOMPARE(deviceModel.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Device Count"));
}

QTEST_MAIN(TestImportSolutionWidget)
#include "tst_importsolutionwidget.moc"
