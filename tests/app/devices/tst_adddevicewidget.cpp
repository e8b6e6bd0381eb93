// The add-device dialog over the demo catalogue: the class tabs and their
// filter trees, the device filter, the keyword, reset, the bit-rate fields,
// the checks on confirmation and the entry it hands back.

#include <AddDeviceWidget.h>
#include <DeviceParamWidget.h>
#include <ParamModel.h>

#include "PickingSupport.h"
#include "TipPlace.h"

#include <TaskDeviceFile.h>
#include <ToolTip.h>
#include <WarningDlg.h>

#include <QComboBox>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeView>
#include <QtTest>

using KavrinGUIToolkit::CToolTip;
using kiv::AddDeviceWidget;
using kiv::ParamModel;

namespace {

const QString kTask = QStringLiteral("Site");

/// A tick in a filter tree: heading, group and value texts ("" for the
/// group's mode item).
struct Tick
{
    QString heading;
    QString group;
    QString value;
};
using Ticks = QList<Tick>;

QStandardItem *treeItem(ParamModel *model, const Tick &tick)
{
    for (int h = 0; h < model->rowCount(); ++h) {
        QStandardItem *heading = model->item(h);
        if (heading->text() != tick.heading)
            continue;
        for (int g = 0; g < heading->rowCount(); ++g) {
            QStandardItem *group = heading->child(g);
            if (group->text() != tick.group)
                continue;
            if (tick.value.isEmpty())
                return group->child(0);
            for (int v = 1; v < group->rowCount(); ++v) {
                if (group->child(v)->text() == tick.value)
                    return group->child(v);
            }
        }
    }
    return nullptr;
}

template <typename T> T *child(const QObject &parent, const char *name)
{
    return parent.findChild<T *>(QLatin1String(name));
}

QStringList shownTypes(const AddDeviceWidget &dialog)
{
    const QAbstractItemModel *model = child<QTreeView>(dialog, "devTreeView")->model();
    QStringList types;
    for (int r = 0; r < model->rowCount(); ++r)
        types << model->index(r, 0).data().toString();
    return types;
}

QModelIndex shownIndex(const AddDeviceWidget &dialog, const QString &type)
{
    const QAbstractItemModel *model = child<QTreeView>(dialog, "devTreeView")->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        if (model->index(r, 0).data().toString() == type)
            return model->index(r, 0);
    }
    return {};
}

/// Clicks a type in the device-type list as the planner would.
bool chooseType(const AddDeviceWidget &dialog, const QString &type)
{
    auto *view = child<QTreeView>(dialog, "devTreeView");
    const QModelIndex index = shownIndex(dialog, type);
    if (!index.isValid())
        return false;
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    return true;
}

void tick(AddDeviceWidget &dialog, int tab, const Tick &t, Qt::CheckState state = Qt::Checked)
{
    QStandardItem *item = treeItem(dialog.paramModelOfTab(tab), t);
    QVERIFY2(item, qPrintable(t.heading + QLatin1Char('/') + t.group + QLatin1Char('/') + t.value));
    item->setCheckState(state);
}

bool writeTask(int devices)
{
    TaskDeviceFile file(kTask);
    for (int left = devices; left > 0; left -= 500) {
        DeviceInfo device;
        device.deviceType = QStringLiteral("KC-B21");
        device.mainType = QStringLiteral("IPC");
        device.count = qMin(left, 500);
        if (!file.addDevice(device))
            return false;
    }
    return file.close();
}

const QStringList kCameras{QStringLiteral("KC-B21"), QStringLiteral("KC-B21Z"),
                           QStringLiteral("KC-B41"), QStringLiteral("KC-D21"),
                           QStringLiteral("KC-D41"), QStringLiteral("KC-F81")};
const QStringList kDvrs{QStringLiteral("KD-04"), QStringLiteral("KD-08"), QStringLiteral("KD-16"),
                        QStringLiteral("KH-08"), QStringLiteral("KH-16")};

QStringList g_debugLines;
QtMessageHandler g_previousHandler = nullptr;

void keepDebugLines(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg && message.startsWith(QLatin1String("qeb select code is: "))) {
        g_debugLines << message;
        return;
    }
    if (type != QtDebugMsg && g_previousHandler)
        g_previousHandler(type, context, message);
}

} // namespace

Q_DECLARE_METATYPE(Ticks)

class TestAddDeviceWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnTheCameraTab();
    void tabsListTheirClass_data();
    void tabsListTheirClass();
    void aTabNotInFrontIsBuiltWhenFirstChosen_data();
    void aTabNotInFrontIsBuiltWhenFirstChosen();
    void filterSelectsModels_data();
    void filterSelectsModels();
    void untickingEverythingListsTheClassInOrder();
    void eachTickRunsTheFilterOnce();
    void aClickOnACheckBoxFilters();
    void clickFilterTogglesValuesOnly();
    void keywordNarrowsTheListAndSurvivesFilterRuns();
    void keywordIsPlainText_data();
    void keywordIsPlainText();
    void resetUnticksAndListsTheClass();
    void tabChangeUnticksTheNewTabOnly();
    void customizeShowsTheCustomField();
    void confirmChecks_data();
    void confirmChecks();
    void entryOfEachTab_data();
    void entryOfEachTab();
    void customFieldOfAnotherTabStaysInForceOnTheDvrTab();
    void chosenTypeSurvivesAFilterRun();
    void confirmButtonRunsTheChecks();
    void doubleClickShowsTheSheetOfTheTabsClass();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestAddDeviceWidget::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    picking::useDemoFolder(*m_folder, 0);
    // The codes the filter looks up are traced in a category that is off
    // unless asked for.
    QLoggingCategory::setFilterRules(QStringLiteral("varnel.catalogue.debug=true"));
    g_previousHandler = qInstallMessageHandler(keepDebugLines);
}

void TestAddDeviceWidget::init()
{
    QFile::remove(TaskDeviceFile::filePath(kTask));
    CToolTip::HideTipImmediately();
    g_debugLines.clear();
    KavrinGUIToolkit::CWarningDlg::SetResponder([](const auto &) { return 1; });
}

void TestAddDeviceWidget::cleanup()
{
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    KavrinGUIToolkit::CWarningDlg::ClearHistory();
}

void TestAddDeviceWidget::opensOnTheCameraTab()
{
    AddDeviceWidget dialog(kTask);
    dialog.show();
    QCOMPARE(dialog.GetTitle(), QStringLiteral("Add Device"));
    QCOMPARE(dialog.size(), QSize(800, 600));
    auto *tabs = child<QTabWidget>(dialog, "pararmTabWidget");
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QStringLiteral("IPC"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Dome"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("DVR"));
    QCOMPARE(shownTypes(dialog), kCameras);

    QCOMPARE(child<QLineEdit>(dialog, "edtDevCount")->text(), QStringLiteral("1"));
    QVERIFY(!child<QLineEdit>(dialog, "edtDevType")->isEnabled());
    for (const char *name : {"combMainStream", "combSubStream"}) {
        auto *combo = child<QComboBox>(dialog, name);
        QCOMPARE(combo->count(), 12);
        QCOMPARE(combo->currentText(), QStringLiteral("1024"));
        QCOMPARE(combo->itemText(0), QStringLiteral("16384"));
        QCOMPARE(combo->itemText(10), QStringLiteral("0"));
        QCOMPARE(combo->itemText(11), QStringLiteral("Customize"));
    }
    QVERIFY(child<QLineEdit>(dialog, "edtMainStream")->isHidden());
    QVERIFY(child<QLineEdit>(dialog, "edtSubStream")->isHidden());
    QVERIFY(!child<QWidget>(dialog, "streamWidget")->isHidden());

    // Each tab's tree holds its class's tree.
    QCOMPARE(child<QTreeView>(dialog, "pIPCTreeView")->model(), dialog.paramModelOfTab(0));
    QCOMPARE(child<QTreeView>(dialog, "pDomeTreeView")->model(), dialog.paramModelOfTab(1));
    QCOMPARE(child<QTreeView>(dialog, "pDVRTreeView")->model(), dialog.paramModelOfTab(2));
    QCOMPARE(dialog.paramModelOfTab(1)->item(1)->text(), QStringLiteral("Pan and Tilt"));
    QCOMPARE(dialog.paramModelOfTab(2)->item(0)->text(), QStringLiteral("Inputs"));
}

void TestAddDeviceWidget::tabsListTheirClass_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<bool>("streams");
    QTest::newRow("the dome tab lists the speed domes")
        << 1
        << QStringList{QStringLiteral("KS-P220"), QStringLiteral("KS-P230"),
                       QStringLiteral("KS-P430")}
        << true;
    QTest::newRow("the DVR tab lists DVRs and hybrid NVRs without bit rates")
        << 2 << kDvrs << false;
    QTest::newRow("back on the camera tab") << 0 << kCameras << true;
}

void TestAddDeviceWidget::tabsListTheirClass()
{
    QFETCH(int, tab);
    QFETCH(QStringList, types);
    QFETCH(bool, streams);
    AddDeviceWidget dialog(kTask);
    auto *tabs = child<QTabWidget>(dialog, "pararmTabWidget");
    tabs->setCurrentIndex(2);
    tabs->setCurrentIndex(tab);
    QCOMPARE(shownTypes(dialog), types);
    QCOMPARE(child<QWidget>(dialog, "streamWidget")->isHidden(), !streams);
}

void TestAddDeviceWidget::aTabNotInFrontIsBuiltWhenFirstChosen_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("groups");
    // The catalogue's headings and groups in code order, less what the
    // filter configuration hides (ordering, the raw video modes, RAID, the
    // recording frame rates).
    QTest::newRow("the speed-dome tree")
        << 1 << QStringLiteral("pDomeTreeView")
        << QStringList{QStringLiteral("Camera"), QStringLiteral("Pan and Tilt"),
                       QStringLiteral("Video"), QStringLiteral("Environment")}
        << QStringLiteral("Video")
        << QStringList{QStringLiteral("Video Compression"), QStringLiteral("Image Enhancement")};
    QTest::newRow("the DVR tree") << 2 << QStringLiteral("pDVRTreeView")
                                  << QStringList{QStringLiteral("Inputs"),
                                                 QStringLiteral("Recording"),
                                                 QStringLiteral("Storage"),
                                                 QStringLiteral("Interfaces")}
                                  << QStringLiteral("Recording")
                                  << QStringList{QStringLiteral("Video Compression"),
                                                 QStringLiteral("Recording Resolution")};
}

void TestAddDeviceWidget::aTabNotInFrontIsBuiltWhenFirstChosen()
{
    QFETCH(int, tab);
    QFETCH(QString, view);
    QFETCH(QStringList, headings);
    QFETCH(QString, heading);
    QFETCH(QStringList, groups);
    AddDeviceWidget dialog(kTask);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *tree = dialog.findChild<QTreeView *>(view);
    QVERIFY(tree);
    const QAbstractItemModel *model = tree->model();
    QCOMPARE(model->rowCount(), 0);

    // Chosen with a click on its tab.
    auto *tabs = child<QTabWidget>(dialog, "pararmTabWidget");
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tab).center());
    QCOMPARE(tabs->currentIndex(), tab);
    QCOMPARE(tree->model(), model);
    QStringList shown;
    int at = -1;
    for (int r = 0; r < model->rowCount(); ++r) {
        shown << model->index(r, 0).data().toString();
        if (shown.last() == heading)
            at = r;
    }
    QCOMPARE(shown, headings);
    QVERIFY(at >= 0);
    const QModelIndex headingIndex = model->index(at, 0);
    QStringList shownGroups;
    for (int g = 0; g < model->rowCount(headingIndex); ++g)
        shownGroups << model->index(g, 0, headingIndex).data().toString();
    QCOMPARE(shownGroups, groups);
    // On screen, with its values unticked under each group.
    tree->expand(headingIndex);
    QTRY_VERIFY(!tree->visualRect(model->index(0, 0, headingIndex)).isEmpty());
    const QModelIndex firstGroup = model->index(0, 0, headingIndex);
    QVERIFY(model->rowCount(firstGroup) > 1);
    QCOMPARE(model->index(1, 0, firstGroup).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    // Choosing the tab again builds nothing twice.
    tabs->setCurrentIndex(0);
    tabs->setCurrentIndex(tab);
    QCOMPARE(model->rowCount(), headings.size());
}

void TestAddDeviceWidget::filterSelectsModels_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<Ticks>("ticks");
    QTest::addColumn<QStringList>("expected");

    const QString camera = QStringLiteral("Camera");
    const QString formFactor = QStringLiteral("Form Factor");
    const QString network = QStringLiteral("Network");
    const QString protocols = QStringLiteral("Protocols");
    const Tick bullet{camera, formFactor, QStringLiteral("Bullet")};
    const Tick box{camera, formFactor, QStringLiteral("Box")};
    const Tick https{network, protocols, QStringLiteral("HTTPS")};
    const Tick tcp{network, protocols, QStringLiteral("TCP/IP")};
    const Tick protocolsAll{network, protocols, QString()};
    const Tick topResolution{QStringLiteral("Video"), QStringLiteral("Max Resolution"),
                             QStringLiteral("2560x1920")};
    const Tick fullHd{QStringLiteral("Video"), QStringLiteral("Max Resolution"),
                      QStringLiteral("1920x1080")};

    QTest::newRow("one value lists the models carrying it")
        << 0 << Ticks{bullet}
        << QStringList{QStringLiteral("KC-B21"), QStringLiteral("KC-B21Z"),
                       QStringLiteral("KC-B41")};
    QTest::newRow("two values of an Any One group list the models having either")
        << 0 << Ticks{bullet, box}
        << QStringList{QStringLiteral("KC-B21"), QStringLiteral("KC-B21Z"),
                       QStringLiteral("KC-B41"), QStringLiteral("KC-F81")};
    QTest::newRow("two values with Whether to satisfy unticked list the models having either")
        << 0 << Ticks{https, tcp} << kCameras;
    QTest::newRow("two values with Whether to satisfy ticked list the models having both")
        << 0 << Ticks{https, tcp, protocolsAll}
        << QStringList{QStringLiteral("KC-B21Z"), QStringLiteral("KC-B41"),
                       QStringLiteral("KC-D41"), QStringLiteral("KC-F81")};
    QTest::newRow("ticks in two groups list the models passing both")
        << 0 << Ticks{bullet, https}
        << QStringList{QStringLiteral("KC-B21Z"), QStringLiteral("KC-B41")};
    QTest::newRow("ticks under two headings list the models passing both")
        << 0 << Ticks{bullet, topResolution} << QStringList{QStringLiteral("KC-B41")};
    QTest::newRow("Whether to satisfy alone leaves the list to the other ticks")
        << 0 << Ticks{bullet, protocolsAll}
        << QStringList{QStringLiteral("KC-B21"), QStringLiteral("KC-B21Z"),
                       QStringLiteral("KC-B41")};
    QTest::newRow("groups no model passes together empty the list")
        << 0 << Ticks{box, fullHd} << QStringList{};
    QTest::newRow("a DVR value lists only the DVRs of the class list")
        << 2
        << Ticks{{QStringLiteral("Inputs"), QStringLiteral("Network Video Inputs"),
                  QStringLiteral("8ch")}}
        << QStringList{QStringLiteral("KH-16")};
    QTest::newRow("DVR outputs asked for together")
        << 2
        << Ticks{{QStringLiteral("Interfaces"), QStringLiteral("Video Output"),
                  QStringLiteral("HDMI")},
                 {QStringLiteral("Interfaces"), QStringLiteral("Video Output"),
                  QStringLiteral("CVBS")},
                 {QStringLiteral("Interfaces"), QStringLiteral("Video Output"), QString()}}
        << QStringList{QStringLiteral("KD-16")};
    QTest::newRow("DVR outputs asked for as either")
        << 2
        << Ticks{{QStringLiteral("Interfaces"), QStringLiteral("Video Output"),
                  QStringLiteral("HDMI")},
                 {QStringLiteral("Interfaces"), QStringLiteral("Video Output"),
                  QStringLiteral("CVBS")}}
        << kDvrs;
    QTest::newRow("a speed-dome value")
        << 1
        << Ticks{{QStringLiteral("Camera"), QStringLiteral("Optical Zoom"), QStringLiteral("30x")}}
        << QStringList{QStringLiteral("KS-P230"), QStringLiteral("KS-P430")};
}

void TestAddDeviceWidget::filterSelectsModels()
{
    QFETCH(int, tab);
    QFETCH(Ticks, ticks);
    QFETCH(QStringList, expected);
    AddDeviceWidget dialog(kTask);
    child<QTabWidget>(dialog, "pararmTabWidget")->setCurrentIndex(tab);
    for (const Tick &t : std::as_const(ticks)) {
        tick(dialog, tab, t);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(shownTypes(dialog), expected);
}

void TestAddDeviceWidget::untickingEverythingListsTheClassInOrder()
{
    AddDeviceWidget dialog(kTask);
    child<QTabWidget>(dialog, "pararmTabWidget")->setCurrentIndex(2);
    const Tick hdmi{QStringLiteral("Interfaces"), QStringLiteral("Video Output"),
                    QStringLiteral("HDMI")};
    tick(dialog, 2, hdmi);
    QCOMPARE(shownTypes(dialog).size(), 4);
    tick(dialog, 2, hdmi, Qt::Unchecked);
    QCOMPARE(shownTypes(dialog), kDvrs);
}

void TestAddDeviceWidget::eachTickRunsTheFilterOnce()
{
    AddDeviceWidget dialog(kTask);
    const Tick bullet{QStringLiteral("Camera"), QStringLiteral("Form Factor"),
                      QStringLiteral("Bullet")};
    tick(dialog, 0, bullet);
    // One line per ticked item of the run: the value and the Any One items.
    QCOMPARE(g_debugLines.count(QStringLiteral("qeb select code is: 020101")), 1);
    // Reset and tab changes leave each tree connected once.
    child<QPushButton>(dialog, "btnReset")->click();
    child<QTabWidget>(dialog, "pararmTabWidget")->setCurrentIndex(1);
    child<QTabWidget>(dialog, "pararmTabWidget")->setCurrentIndex(0);
    g_debugLines.clear();
    tick(dialog, 0, bullet);
    QCOMPARE(g_debugLines.count(QStringLiteral("qeb select code is: 020101")), 1);
}

void TestAddDeviceWidget::aClickOnACheckBoxFilters()
{
    AddDeviceWidget dialog(kTask);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *tree = child<QTreeView>(dialog, "pIPCTreeView");
    tree->expandAll();
    QStandardItem *box =
        treeItem(dialog.paramModelOfTab(0),
                 {QStringLiteral("Camera"), QStringLiteral("Form Factor"), QStringLiteral("Box")});
    QVERIFY(box);
    const QModelIndex index = box->index();
    tree->scrollTo(index);
    QStyleOptionViewItem option;
    option.initFrom(tree);
    option.rect = tree->visualRect(index);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = box->text();
    const QRect indicator =
        tree->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, tree);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, indicator.center());
    QCOMPARE(box->checkState(), Qt::Checked);
    QCOMPARE(shownTypes(dialog), QStringList{QStringLiteral("KC-F81")});
}

void TestAddDeviceWidget::clickFilterTogglesValuesOnly()
{
    AddDeviceWidget dialog(kTask);
    ParamModel *model = dialog.paramModelOfTab(0);
    QStandardItem *box = treeItem(
        model, {QStringLiteral("Camera"), QStringLiteral("Form Factor"), QStringLiteral("Box")});
    QStandardItem *anyOne =
        treeItem(model, {QStringLiteral("Camera"), QStringLiteral("Form Factor"), QString()});
    dialog.clickFilter(box->index());
    QCOMPARE(box->checkState(), Qt::Checked);
    QCOMPARE(shownTypes(dialog), QStringList{QStringLiteral("KC-F81")});
    // The disabled Any One item, a heading and another tab's item stay as
    // they are.
    dialog.clickFilter(anyOne->index());
    QCOMPARE(anyOne->checkState(), Qt::Checked);
    dialog.clickFilter(model->item(0)->index());
    QCOMPARE(model->item(0)->data(Qt::CheckStateRole), QVariant());
    dialog.clickFilter(dialog.paramModelOfTab(1)->item(0)->child(0)->child(1)->index());
    QCOMPARE(dialog.paramModelOfTab(1)->item(0)->child(0)->child(1)->checkState(), Qt::Unchecked);
    dialog.clickFilter(box->index());
    QCOMPARE(box->checkState(), Qt::Unchecked);
    QCOMPARE(shownTypes(dialog), kCameras);
}

void TestAddDeviceWidget::keywordNarrowsTheListAndSurvivesFilterRuns()
{
    AddDeviceWidget dialog(kTask);
    auto *keyword = child<QLineEdit>(dialog, "edtKeyword");
    QTest::keyClicks(keyword, QStringLiteral("B2"));
    QCOMPARE(shownTypes(dialog),
             (QStringList{QStringLiteral("KC-B21"), QStringLiteral("KC-B21Z")}));
    tick(dialog, 0,
         {QStringLiteral("Lens"), QStringLiteral("Lens Type"),
          QStringLiteral("Motorised Varifocal")});
    QCOMPARE(shownTypes(dialog), QStringList{QStringLiteral("KC-B21Z")});
    // Case counts.
    keyword->setText(QStringLiteral("b2"));
    QCOMPARE(shownTypes(dialog), QStringList{});
    keyword->clear();
    QCOMPARE(shownTypes(dialog),
             (QStringList{QStringLiteral("KC-B21Z"), QStringLiteral("KC-B41")}));
}

void TestAddDeviceWidget::keywordIsPlainText_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("a dot is a dot") << QStringLiteral("KC.B") << QStringList{};
    QTest::newRow("an open bracket finds nothing and breaks nothing")
        << QStringLiteral("KC-B21(") << QStringList{};
    QTest::newRow("a dash and digits")
        << QStringLiteral("-F8") << QStringList{QStringLiteral("KC-F81")};
}

void TestAddDeviceWidget::keywordIsPlainText()
{
    QFETCH(QString, keyword);
    QFETCH(QStringList, expected);
    AddDeviceWidget dialog(kTask);
    child<QLineEdit>(dialog, "edtKeyword")->setText(keyword);
    QCOMPARE(shownTypes(dialog), expected);
}

void TestAddDeviceWidget::resetUnticksAndListsTheClass()
{
    AddDeviceWidget dialog(kTask);
    const Tick bullet{QStringLiteral("Camera"), QStringLiteral("Form Factor"),
                      QStringLiteral("Bullet")};
    const Tick protocolsAll{QStringLiteral("Network"), QStringLiteral("Protocols"), QString()};
    tick(dialog, 0, bullet);
    tick(dialog, 0, protocolsAll);
    child<QLineEdit>(dialog, "edtKeyword")->setText(QStringLiteral("B4"));
    QCOMPARE(shownTypes(dialog), QStringList{QStringLiteral("KC-B41")});

    child<QPushButton>(dialog, "btnReset")->click();
    QVERIFY(child<QLineEdit>(dialog, "edtKeyword")->text().isEmpty());
    QCOMPARE(treeItem(dialog.paramModelOfTab(0), bullet)->checkState(), Qt::Unchecked);
    QCOMPARE(treeItem(dialog.paramModelOfTab(0), protocolsAll)->checkState(), Qt::Unchecked);
    QCOMPARE(treeItem(dialog.paramModelOfTab(0), {bullet.heading, bullet.group, QString()})
                 ->checkState(),
             Qt::Checked);
    QCOMPARE(shownTypes(dialog), kCameras);
}

void TestAddDeviceWidget::tabChangeUnticksTheNewTabOnly()
{
    AddDeviceWidget dialog(kTask);
    auto *tabs = child<QTabWidget>(dialog, "pararmTabWidget");
    const Tick bullet{QStringLiteral("Camera"), QStringLiteral("Form Factor"),
                      QStringLiteral("Bullet")};
    tick(dialog, 0, bullet);
    child<QLineEdit>(dialog, "edtKeyword")->setText(QStringLiteral("K"));
    tabs->setCurrentIndex(1);
    QVERIFY(child<QLineEdit>(dialog, "edtKeyword")->text().isEmpty());
    // The camera tree keeps its tick while another tab is shown ...
    QCOMPARE(treeItem(dialog.paramModelOfTab(0), bullet)->checkState(), Qt::Checked);
    tabs->setCurrentIndex(0);
    // ... and starts afresh when it is shown again.
    QCOMPARE(treeItem(dialog.paramModelOfTab(0), bullet)->checkState(), Qt::Unchecked);
    QCOMPARE(shownTypes(dialog), kCameras);
}

void TestAddDeviceWidget::customizeShowsTheCustomField()
{
    AddDeviceWidget dialog(kTask);
    dialog.show();
    auto *main = child<QComboBox>(dialog, "combMainStream");
    auto *sub = child<QComboBox>(dialog, "combSubStream");
    main->setCurrentText(QStringLiteral("Customize"));
    QVERIFY(!child<QLineEdit>(dialog, "edtMainStream")->isHidden());
    QVERIFY(child<QLineEdit>(dialog, "edtSubStream")->isHidden());
    sub->setCurrentIndex(sub->count() - 1);
    QVERIFY(!child<QLineEdit>(dialog, "edtSubStream")->isHidden());
    main->setCurrentText(QStringLiteral("512"));
    QVERIFY(child<QLineEdit>(dialog, "edtMainStream")->isHidden());
}

void TestAddDeviceWidget::confirmChecks_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("mainCustom");
    QTest::addColumn<QString>("subCustom");
    QTest::addColumn<int>("inTask");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("field");

    const QString type = QStringLiteral("KC-B21");
    const QString none;
    const QString bitRate = QStringLiteral("The Bit rate is not valid(range 0 or 32k-16384k)");
    const QString range = QStringLiteral("Device Count Ranges [1~1024]");
    const QString task = QStringLiteral("The device number of task ranges[1~1024]");

    QTest::newRow("a chosen type and count 1 are accepted")
        << type << QStringLiteral("1") << none << none << 0 << none << none;
    QTest::newRow("no device type is refused")
        << QString() << QStringLiteral("1") << none << none << 0
        << QStringLiteral("The device type is not valid") << QStringLiteral("edtDevType");
    QTest::newRow("an empty count is refused")
        << type << QString() << none << none << 0
        << QStringLiteral("The device number cannot be empty") << QStringLiteral("edtDevCount");
    QTest::newRow("a count of 0 is refused") << type << QStringLiteral("0") << none << none << 0
                                             << range << QStringLiteral("edtDevCount");
    QTest::newRow("1025 is refused by the count range, not the task total")
        << type << QStringLiteral("1025") << none << none << 0 << range
        << QStringLiteral("edtDevCount");
    QTest::newRow("a count that is not a number is refused")
        << type << QStringLiteral("1e3") << none << none << 0 << range
        << QStringLiteral("edtDevCount");
    QTest::newRow("a count too long for a number is refused")
        << type << QStringLiteral("99999999999999999999") << none << none << 0 << range
        << QStringLiteral("edtDevCount");
    QTest::newRow("1024 in an empty task is accepted")
        << type << QStringLiteral("1024") << none << none << 0 << none << none;
    QTest::newRow("a task of 1000 devices takes 24 more")
        << type << QStringLiteral("24") << none << none << 1000 << none << none;
    QTest::newRow("a task of 1000 devices refuses 25")
        << type << QStringLiteral("25") << none << none << 1000 << task
        << QStringLiteral("edtDevCount");
    QTest::newRow("custom main bit rate 31 is refused")
        << type << QStringLiteral("1") << QStringLiteral("31") << none << 0 << bitRate
        << QStringLiteral("edtMainStream");
    QTest::newRow("custom main bit rate 32 is accepted")
        << type << QStringLiteral("1") << QStringLiteral("32") << none << 0 << none << none;
    QTest::newRow("custom main bit rate 16384 is accepted")
        << type << QStringLiteral("1") << QStringLiteral("16384") << none << 0 << none << none;
    QTest::newRow("custom main bit rate 16385 is refused")
        << type << QStringLiteral("1") << QStringLiteral("16385") << none << 0 << bitRate
        << QStringLiteral("edtMainStream");
    QTest::newRow("a custom bit rate too long for a number is refused, not taken as 0")
        << type << QStringLiteral("1") << QStringLiteral("99999999999999999999") << none << 0
        << bitRate << QStringLiteral("edtMainStream");
    QTest::newRow("an empty custom field counts as 0")
        << type << QStringLiteral("1") << QStringLiteral("") << none << 0 << none << none;
    QTest::newRow("custom sub bit rate 1 is refused at its own field")
        << type << QStringLiteral("1") << none << QStringLiteral("1") << 0 << bitRate
        << QStringLiteral("edtSubStream");
    QTest::newRow("bit rates are checked before the type")
        << QString() << QString() << QStringLiteral("20") << none << 0 << bitRate
        << QStringLiteral("edtMainStream");
}

void TestAddDeviceWidget::confirmChecks()
{
    QFETCH(QString, type);
    QFETCH(QString, count);
    QFETCH(QString, mainCustom);
    QFETCH(QString, subCustom);
    QFETCH(int, inTask);
    QFETCH(QString, hint);
    QFETCH(QString, field);

    if (inTask > 0)
        QVERIFY(writeTask(inTask));
    AddDeviceWidget dialog(kTask);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (!type.isEmpty())
        QVERIFY(chooseType(dialog, type));
    // Set as a stored value or a preset would: past the validator.
    child<QLineEdit>(dialog, "edtDevCount")->setText(count);
    if (!mainCustom.isNull()) {
        child<QComboBox>(dialog, "combMainStream")->setCurrentText(QStringLiteral("Customize"));
        child<QLineEdit>(dialog, "edtMainStream")->setText(mainCustom);
    }
    if (!subCustom.isNull()) {
        child<QComboBox>(dialog, "combSubStream")->setCurrentText(QStringLiteral("Customize"));
        child<QLineEdit>(dialog, "edtSubStream")->setText(subCustom);
    }

    QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
    if (hint.isEmpty()) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!CToolTip::IsShowing());
        DeviceInfo info;
        dialog.getDeviceInfo(info);
        QCOMPARE(info.count, count.toInt());
        QCOMPARE(info.mainStream, mainCustom.isNull() ? 1024 : mainCustom.toInt());
        return;
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(CToolTip::CurrentText(), hint);
    auto *at = dialog.findChild<QWidget *>(field);
    QVERIFY(at);
    QCOMPARE(CToolTip::LastPosition(), at->mapToGlobal(QPoint(0, 0)));
    // Beside the field, inside the dialog, over no other field.
    const QString fault = tipplace::misplaced(tipplace::onScreen(at), &dialog);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    // A refused confirmation leaves the task as it was.
    qint64 total = 0;
    TaskDeviceFile file(kTask);
    QVERIFY(file.totalCount(total));
    QCOMPARE(total, qint64(inTask));
}

void TestAddDeviceWidget::entryOfEachTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("mainType");
    QTest::addColumn<bool>("changeRates");
    QTest::addColumn<int>("mainStream");
    QTest::addColumn<int>("subStream");
    QTest::newRow("a camera with the default bit rates")
        << 0 << QStringLiteral("KC-D21") << QStringLiteral("IPC") << false << 1024 << 1024;
    QTest::newRow("a camera with chosen bit rates")
        << 0 << QStringLiteral("KC-D21") << QStringLiteral("IPC") << true << 2048 << 512;
    QTest::newRow("a speed dome") << 1 << QStringLiteral("KS-P430") << QStringLiteral("Dome")
                                  << true << 2048 << 512;
    QTest::newRow("a DVR takes the bit rates of the hidden rows")
        << 2 << QStringLiteral("KH-08") << QStringLiteral("DVR") << false << 1024 << 1024;
}

void TestAddDeviceWidget::entryOfEachTab()
{
    QFETCH(int, tab);
    QFETCH(QString, type);
    QFETCH(QString, mainType);
    QFETCH(bool, changeRates);
    QFETCH(int, mainStream);
    QFETCH(int, subStream);

    AddDeviceWidget dialog(kTask);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<QTabWidget>(dialog, "pararmTabWidget")->setCurrentIndex(tab);
    if (changeRates) {
        child<QComboBox>(dialog, "combMainStream")->setCurrentText(QStringLiteral("2048"));
        child<QComboBox>(dialog, "combSubStream")->setCurrentText(QStringLiteral("512"));
    }
    QVERIFY(chooseType(dialog, type));
    QCOMPARE(child<QLineEdit>(dialog, "edtDevType")->text(), type);
    QCOMPARE(child<QLineEdit>(dialog, "edtDevType")->toolTip(), type);
    QTest::keyClicks(child<QLineEdit>(dialog, "edtRemark"), QStringLiteral("Gate 2"));
    auto *count = child<QLineEdit>(dialog, "edtDevCount");
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("3"));

    QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    DeviceInfo info;
    dialog.getDeviceInfo(info);
    QCOMPARE(info.deviceType, type);
    QCOMPARE(info.remark, QStringLiteral("Gate 2"));
    QCOMPARE(info.mainType, mainType);
    QCOMPARE(info.count, 3);
    QCOMPARE(info.mainStream, mainStream);
    QCOMPARE(info.subStream, subStream);
}

void TestAddDeviceWidget::customFieldOfAnotherTabStaysInForceOnTheDvrTab()
{
    AddDeviceWidget dialog(kTask);
    dialog.show();
    child<QComboBox>(dialog, "combMainStream")->setCurrentText(QStringLiteral("Customize"));
    child<QLineEdit>(dialog, "edtMainStream")->setText(QStringLiteral("20"));
    child<QTabWidget>(dialog, "pararmTabWidget")->setCurrentIndex(2);
    QVERIFY(chooseType(dialog, QStringLiteral("KD-08")));
    QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
    QCOMPARE(CToolTip::CurrentText(),
             QStringLiteral("The Bit rate is not valid(range 0 or 32k-16384k)"));
    child<QLineEdit>(dialog, "edtMainStream")->setText(QStringLiteral("640"));
    QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    DeviceInfo info;
    dialog.getDeviceInfo(info);
    QCOMPARE(info.mainType, QStringLiteral("DVR"));
    QCOMPARE(info.mainStream, 640);
    QCOMPARE(info.subStream, 1024);
}

void TestAddDeviceWidget::chosenTypeSurvivesAFilterRun()
{
    AddDeviceWidget dialog(kTask);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(chooseType(dialog, QStringLiteral("KC-D21")));
    tick(dialog, 0,
         {QStringLiteral("Camera"), QStringLiteral("Form Factor"), QStringLiteral("Bullet")});
    QVERIFY(!shownTypes(dialog).contains(QStringLiteral("KC-D21")));
    QCOMPARE(child<QLineEdit>(dialog, "edtDevType")->text(), QStringLiteral("KC-D21"));
    QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    DeviceInfo info;
    dialog.getDeviceInfo(info);
    QCOMPARE(info.deviceType, QStringLiteral("KC-D21"));
}

void TestAddDeviceWidget::confirmButtonRunsTheChecks()
{
    AddDeviceWidget dialog(kTask);
    dialog.show();
    // The button reaches the dialog's checks by the slot's signature text;
    // the same call names a signal Qt 6 no longer has and is refused.
    using KavrinGUIToolkit::CBaseDialogWithBottom;
    QVERIFY(CBaseDialogWithBottom::ReConnect(dialog.GetConfirmBtn(), "clicked()", &dialog,
                                             "onConfirm()"));
    QVERIFY(!CBaseDialogWithBottom::ReConnect(child<QComboBox>(dialog, "combMainStream"),
                                              "currentIndexChanged(QString)", &dialog,
                                              "mainStreamChanged(QString)"));
    // The refused call left the combo box's own connection in place.
    child<QComboBox>(dialog, "combMainStream")->setCurrentText(QStringLiteral("Customize"));
    QVERIFY(!child<QLineEdit>(dialog, "edtMainStream")->isHidden());
    // Nothing chosen: the click is a refusal, not the base dialog's accept.
    child<QComboBox>(dialog, "combMainStream")->setCurrentText(QStringLiteral("64"));
    QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(CToolTip::CurrentText(), QStringLiteral("The device type is not valid"));
}

void TestAddDeviceWidget::doubleClickShowsTheSheetOfTheTabsClass()
{
    AddDeviceWidget dialog(kTask);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<QTabWidget>(dialog, "pararmTabWidget")->setCurrentIndex(1);
    auto *view = child<QTreeView>(dialog, "devTreeView");
    const QModelIndex index = shownIndex(dialog, QStringLiteral("KS-P230"));
    QVERIFY(index.isValid());
    int shown = 0;
    QString firstLine;
    int rows = 0;
    whenModal<kiv::DeviceParamWidget>(&dialog, [&](kiv::DeviceParamWidget *sheet) {
        ++shown;
        auto *edit = sheet->findChild<QTextEdit *>(QStringLiteral("textEdit"));
        firstLine = edit->document()->firstBlock().text();
        rows = edit->document()->blockCount();
        sheet->close();
    });
    // A double click is a click, then the double-click event.
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QTRY_COMPARE(shown, 1);
    QCOMPARE(firstLine, QStringLiteral("Device Type: KS-P230"));
    // The speed dome's sheet, not a camera's of the same name.
    QVERIFY(rows > 20);
}

QTEST_MAIN(TestAddDeviceWidget)
#include "tst_adddevicewidget.moc"
