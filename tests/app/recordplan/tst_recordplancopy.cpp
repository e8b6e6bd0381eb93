#include <RecordPlanCopyModel.h>
#include <RecordPlanCopyWidget.h>

#include "RecordPlanFixture.h"

#include <HeaderView.h>
#include <ItemDataRole.h>
#include <TreeView.h>
#include <WarningDlg.h>

#include <QAbstractItemModelTester>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using KavrinGUIToolkit::CWarningDlg;
using kiv::RecordPlanCopyModel;
using kiv::RecordPlanCopyWidget;
using namespace recordplan;

namespace {

const QString kTask = QStringLiteral("Lobby");
const QString kDefaultPlan(24, u'1');
const QString kSourcePlan = QStringLiteral("000000221111111111222000");

QVector<int> checkedRowsOf(const RecordPlanCopyModel &model)
{
    QVector<int> rows;
    model.checkedRows(rows);
    return rows;
}

KavrinGUIToolkit::CTreeView *viewOf(RecordPlanCopyWidget &dialog)
{
    return dialog.findChild<KavrinGUIToolkit::CTreeView *>(QStringLiteral("treeView"));
}

// A click on the tick box of a row, as the planner ticks it.
void clickTick(RecordPlanCopyWidget &dialog, int row)
{
    KavrinGUIToolkit::CTreeView *view = viewOf(dialog);
    const QRect cell = view->visualRect(view->model()->index(row, 0));
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = cell;
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box =
        view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, box.center());
}

void clickHeaderTick(RecordPlanCopyWidget &dialog)
{
    KavrinGUIToolkit::CHeaderView *header = viewOf(dialog)->GetHeaderView();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 8, header->height() / 2));
}

} // namespace

class TestRecordPlanCopy : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsEveryDeviceWithTheSourceLocked();
    void headerTickTicksEveryTargetButNeverTheSource();
    void aTickedRowIsATarget();
    void dialogFrame();
    void copying_data();
    void copying();
    void copyingToDevicesThatAreGoneSaysSo();
    void aFailedWriteIsToldAndTheDialogStays();
    void aFileThatCannotBeReadListsNothing();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestRecordPlanCopy::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
    addDevices(kTask, 6);
    setStored(kTask, 0, kSourcePlan, QStringLiteral("40"));
}

void TestRecordPlanCopy::cleanup()
{
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
    m_folder.reset();
}

void TestRecordPlanCopy::listsEveryDeviceWithTheSourceLocked()
{
    RecordPlanCopyModel model;
    QAbstractItemModelTester tester(&model);
    QCOMPARE(model.sourceIndex(), -1);
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.headerData(0, Qt::Horizontal, KavrinGUIToolkit::HeaderCheckBoxRole).toBool(),
             true);
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Index"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Device Type"));
    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Remark"));
    for (int column = 0; column < 4; ++column)
        QCOMPARE(model.headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignLeft | Qt::AlignVCenter));

    QVERIFY(model.loadDevices(kTask, 2));
    QCOMPARE(model.sourceIndex(), 2);
    QCOMPARE(model.rowCount(), 6);
    for (int row = 0; row < 6; ++row) {
        const QStandardItem *tick = model.item(row, 0);
        QVERIFY(tick->isCheckable());
        QVERIFY(!tick->isEditable());
        QCOMPARE(tick->isEnabled(), row != 2);
        QCOMPARE(tick->checkState(), row == 2 ? Qt::Checked : Qt::Unchecked);
        QCOMPARE(model.item(row, 1)->text(), QString::number(row + 1));
        QCOMPARE(model.item(row, 2)->text(), QStringLiteral("Type-%1").arg(row + 1));
        QCOMPARE(model.item(row, 3)->text(), QStringLiteral("Room %1").arg(row + 1));
        for (int column = 1; column < 4; ++column)
            QVERIFY(!model.item(row, column)->isEditable());
    }
    QCOMPARE(checkedRowsOf(model), QVector<int>{2});
}

void TestRecordPlanCopy::headerTickTicksEveryTargetButNeverTheSource()
{
    RecordPlanCopyWidget dialog(kTask, 1);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    RecordPlanCopyModel *model = dialog.model();

    clickHeaderTick(dialog);
    QCOMPARE(checkedRowsOf(*model), (QVector<int>{0, 1, 2, 3, 4, 5}));
    QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(), int(Qt::Checked));

    clickHeaderTick(dialog);
    QCOMPARE(checkedRowsOf(*model), QVector<int>{1});
    QVERIFY(!model->item(1, 0)->isEnabled());
    QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(), int(Qt::Unchecked));

    // A click on the locked source row changes nothing.
    clickTick(dialog, 1);
    QCOMPARE(checkedRowsOf(*model), QVector<int>{1});
}

void TestRecordPlanCopy::aTickedRowIsATarget()
{
    RecordPlanCopyWidget dialog(kTask, 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    clickTick(dialog, 3);
    clickTick(dialog, 5);
    QCOMPARE(checkedRowsOf(*dialog.model()), (QVector<int>{0, 3, 5}));
    // Some but not all targets: the header shows it.
    QCOMPARE(dialog.model()->headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(),
             int(Qt::PartiallyChecked));
    clickTick(dialog, 3);
    QCOMPARE(checkedRowsOf(*dialog.model()), (QVector<int>{0, 5}));
}

void TestRecordPlanCopy::dialogFrame()
{
    RecordPlanCopyWidget dialog(kTask, 0);
    QCOMPARE(dialog.size(), QSize(480, 400));
    QVERIFY(dialog.GetCloseBtn()->isVisibleTo(&dialog));
    // The title bar shows the form's title (the English catalogue's "Copy
    // Record Plan"; the bare source text here, with no catalogue loaded).
    QCOMPARE(dialog.GetSetUpUiWidget()->windowTitle(), QStringLiteral("RecordPlanCopyWidget"));
    QCOMPARE(dialog.GetTitle(), dialog.GetSetUpUiWidget()->windowTitle());
    QCOMPARE(viewOf(dialog)->model(), dialog.model());
    QVERIFY(dialog.devicesLoaded());
}

void TestRecordPlanCopy::copying_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QVector<int>>("ticked");
    QTest::addColumn<QString>("sourcePlan"); // "-": no element
    QTest::addColumn<QString>("sourceFren"); // "-": no element
    QTest::addColumn<QVector<int>>("copiedTo");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("ticking devices 3 and 5 while editing device 1 writes to those two only")
        << 0 << QVector<int>{2, 4} << kSourcePlan << QStringLiteral("40") << QVector<int>{2, 4}
        << QStringList();
    QTest::newRow("the header tick copies to every other device")
        << 3 << QVector<int>{-1} << kSourcePlan << QStringLiteral("40")
        << QVector<int>{0, 1, 2, 4, 5} << QStringList();
    QTest::newRow("nothing ticked writes nothing and accepts")
        << 0 << QVector<int>() << kSourcePlan << QStringLiteral("40") << QVector<int>()
        << QStringList();
    QTest::newRow("a source without a frequency copies its plan only")
        << 0 << QVector<int>{1} << kSourcePlan << QStringLiteral("-") << QVector<int>{1}
        << QStringList{QStringLiteral("Info|Device 1 has no stored event frequency; the other "
                                      "devices keep theirs.")};
    QTest::newRow("a source without a plan copies its frequency only")
        << 0 << QVector<int>{1} << QStringLiteral("-") << QStringLiteral("40") << QVector<int>{1}
        << QStringList{QStringLiteral("Info|Device 1 has no stored record plan; the other "
                                      "devices keep theirs.")};
    QTest::newRow("a malformed plan is copied as it is stored")
        << 5 << QVector<int>{0} << QStringLiteral("12x") << QStringLiteral("35") << QVector<int>{0}
        << QStringList();
}

void TestRecordPlanCopy::copying()
{
    QFETCH(int, source);
    QFETCH(QVector<int>, ticked);
    QFETCH(QString, sourcePlan);
    QFETCH(QString, sourceFren);
    QFETCH(QVector<int>, copiedTo);
    QFETCH(QStringList, messages);
    // Targets start with a plan and frequency of their own.
    for (int device = 0; device < 6; ++device)
        setStored(kTask, device, kDefaultPlan, QStringLiteral("100"));
    {
        // The source's values, or no element at all.
        const QString path = devicePath(*m_folder, kTask);
        if (sourcePlan != QLatin1String("-") && sourceFren != QLatin1String("-")) {
            setStored(kTask, source, sourcePlan, sourceFren);
        } else {
            setStored(kTask, source, sourcePlan, sourceFren);
            QByteArray bytes = ProgramFolder::readAll(path);
            const QByteArray tag = sourcePlan == QLatin1String("-") ? "RecordPlan" : "EventFren";
            const QByteArray element = "<" + tag + ">-</" + tag + ">";
            QVERIFY(bytes.count(element) == 1);
            bytes.replace(element, QByteArray());
            QVERIFY(ProgramFolder::write(path, bytes));
        }
    }
    const QString plan = sourcePlan == QLatin1String("-") ? kDefaultPlan : sourcePlan;
    const QString fren = sourceFren == QLatin1String("-") ? QStringLiteral("100") : sourceFren;

    RecordPlanCopyWidget dialog(kTask, source);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (int row : ticked) {
        if (row < 0)
            clickHeaderTick(dialog);
        else
            clickTick(dialog, row);
    }
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(shownMessages(), messages);
    for (int device = 0; device < 6; ++device) {
        if (device == source)
            continue;
        const bool target = copiedTo.contains(device);
        QCOMPARE(storedPlan(kTask, device), target ? plan : kDefaultPlan);
        QCOMPARE(storedFren(kTask, device), target ? fren : QStringLiteral("100"));
    }
}

void TestRecordPlanCopy::copyingToDevicesThatAreGoneSaysSo()
{
    RecordPlanCopyWidget dialog(kTask, 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    clickTick(dialog, 1);
    clickTick(dialog, 4);
    clickTick(dialog, 5);
    {
        // The last two devices are deleted behind the dialog's back.
        TaskDeviceFile file(kTask);
        QVERIFY(file.removeDevice(5));
        QVERIFY(file.removeDevice(4));
    }
    QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(shownMessages(),
             QStringList{QStringLiteral("Warn|The record plan could not be copied to device 5, 6: "
                                        "it is no longer in the task.")});
    QCOMPARE(storedPlan(kTask, 1), kSourcePlan);
}

void TestRecordPlanCopy::aFailedWriteIsToldAndTheDialogStays()
{
    const QString path = devicePath(*m_folder, kTask);
    const QByteArray before = ProgramFolder::readAll(path);
    RecordPlanCopyWidget dialog(kTask, 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    clickTick(dialog, 2);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    {
        FileSizeLimit full;
        QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
    }
    QCOMPARE(accepted.count(), 0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(ProgramFolder::readAll(path), before);
    const QStringList messages = shownMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(
        messages.at(0).startsWith(QStringLiteral("Warn|The record plan could not be copied: ")),
        qPrintable(messages.at(0)));
    // Confirming again, with room on the disk, copies.
    QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(storedPlan(kTask, 2), kSourcePlan);
    QCOMPARE(storedFren(kTask, 2), QStringLiteral("40"));
}

void TestRecordPlanCopy::aFileThatCannotBeReadListsNothing()
{
    const QString path = devicePath(*m_folder, kTask);
    QVERIFY(ProgramFolder::write(path, "<DeviceInfoList>"));
    RecordPlanCopyWidget dialog(kTask, 0);
    QVERIFY(!dialog.devicesLoaded());
    QCOMPARE(dialog.model()->rowCount(), 0);
    QCOMPARE(ProgramFolder::readAll(path), QByteArray("<DeviceInfoList>"));
}

QTEST_MAIN(TestRecordPlanCopy)
#include "tst_recordplancopy.moc"
