#include <HeaderView.h>
#include <ItemDataRole.h>
#include <TableDelegate.h>
#include <TableView.h>
#include <TreeView.h>
#include <TreeViewWithRightPixmapDelegate.h>

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

using namespace KavrinGUIToolkit;

namespace {

// A device-list-like table: column 0 text, column 1 three icons, column 2 a
// delete icon, column 3 a ticked column with a header check box.
QStandardItemModel *makeModel(QObject *parent)
{
    auto *model = new QStandardItemModel(0, 4, parent);
    model->setHorizontalHeaderLabels({QStringLiteral("Type"), QStringLiteral("Config"),
                                      QStringLiteral("Delete"), QStringLiteral("Use")});
    model->setHeaderData(3, Qt::Horizontal, true, HeaderCheckBoxRole);
    model->setHeaderData(3, Qt::Horizontal, Qt::Checked, Qt::CheckStateRole);
    for (int row = 0; row < 3; ++row) {
        auto *type = new QStandardItem(QStringLiteral("KC-%1").arg(row));
        auto *config = new QStandardItem;
        config->setEditable(false);
        config->setData(
            QPixmap(QStringLiteral(":/kivui/complex/Images/System/Complex/bit-stream.png")),
            FirstIconRole);
        config->setData(QPixmap(QStringLiteral(":/kivui/complex/Images/System/Complex/record.png")),
                        SecondIconRole);
        // An image that cannot be loaded still gets its slot.
        config->setData(QPixmap(QStringLiteral(":/no/such/picture.png")), ThirdIconRole);
        auto *del = new QStandardItem;
        del->setEditable(false);
        del->setData(QPixmap(QStringLiteral(":/Torvel/Icon/Images/Public/Icon/Delete.png")),
                     SecondIconRole);
        auto *use = new QStandardItem;
        use->setCheckable(true);
        use->setCheckState(Qt::Checked);
        use->setEditable(false);
        model->appendRow({type, config, del, use});
    }
    return model;
}

struct TableFixture
{
    TableFixture()
    {
        view.setObjectName(QStringLiteral("view"));
        model = makeModel(&view);
        view.setModel(model);
        view.setItemDelegate(new CTableDelegate(&view));
        view.resize(600, 300);
        for (int c = 0; c < 4; ++c)
            view.setColumnWidth(c, 120);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

    /// The centre of @p role's icon slot in a cell, in viewport coordinates.
    QPoint iconCentre(int row, int column, CItemDataRole role) const
    {
        const QModelIndex index = model->index(row, column);
        const auto *delegate = qobject_cast<CPixmapDelegate *>(view.itemDelegateForIndex(index));
        for (const auto &slot : delegate->IconSlots(view.visualRect(index), index)) {
            if (slot.role == role)
                return slot.rect.center();
        }
        return QPoint(-1, -1);
    }

    CTableView view;
    QStandardItemModel *model = nullptr;
};

} // namespace

class TestToolkitViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void iconClickReportsItsRoleOnly_data();
    void iconClickReportsItsRoleOnly();
    void plainClickReportsTheIndexOnly();
    void pressOnOneIconReleasedOnAnotherIsNoClick();
    void clickedComesBeforeSignalClicked();
    void treeViewReportsIconsAtTheRight();

    void headerSectionTicksTheEnabledCellsOfItsColumn();
    void cellChangesRecountTheHeader_data();
    void cellChangesRecountTheHeader();
    void withoutAutoCheckboxTheHeaderOnlyReportsTheClick();
    void treeViewHeaderTicksItsColumnToo();

    void choiceEditorOffersTheChoicesAndStoresOne();
    void choiceEditorKeepsATextThatIsNoChoice();
    void lengthEditorLimitsTheText();
    void unchangedTextIsNoEdit();
};

void TestToolkitViews::initTestCase()
{
    qRegisterMetaType<CItemDataRole>();
}

void TestToolkitViews::iconClickReportsItsRoleOnly_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::newRow("the first of three icons is 212") << 1 << int(FirstIconRole);
    QTest::newRow("the second of three icons is 213") << 1 << int(SecondIconRole);
    QTest::newRow("an icon whose image did not load is still 214") << 1 << int(ThirdIconRole);
    QTest::newRow("a lone delete icon is 213") << 2 << int(SecondIconRole);
}

void TestToolkitViews::iconClickReportsItsRoleOnly()
{
    QFETCH(int, column);
    QFETCH(int, role);
    TableFixture f;
    QSignalSpy icon(&f.view,
                    qOverload<const QModelIndex &, CItemDataRole>(&CTableView::SignalClicked));
    QSignalSpy plain(&f.view, qOverload<const QModelIndex &>(&CTableView::SignalClicked));
    const QPoint at = f.iconCentre(1, column, CItemDataRole(role));
    QVERIFY(at.x() >= 0);
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(icon.count(), 1);
    QCOMPARE(icon.at(0).at(0).value<QModelIndex>(), f.model->index(1, column));
    QCOMPARE(int(icon.at(0).at(1).value<CItemDataRole>()), role);
    QCOMPARE(plain.count(), 0);
}

void TestToolkitViews::plainClickReportsTheIndexOnly()
{
    TableFixture f;
    QSignalSpy icon(&f.view,
                    qOverload<const QModelIndex &, CItemDataRole>(&CTableView::SignalClicked));
    QSignalSpy plain(&f.view, qOverload<const QModelIndex &>(&CTableView::SignalClicked));
    // Beside the icons of the configuration cell, and on a text cell.
    const QRect config = f.view.visualRect(f.model->index(2, 1));
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {},
                      QPoint(config.left() + 3, config.center().y()));
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {},
                      f.view.visualRect(f.model->index(0, 0)).center());
    QCOMPARE(icon.count(), 0);
    QCOMPARE(plain.count(), 2);
    QCOMPARE(plain.at(0).at(0).value<QModelIndex>(), f.model->index(2, 1));
    QCOMPARE(plain.at(1).at(0).value<QModelIndex>(), f.model->index(0, 0));
    // A right click is no click.
    QTest::mouseClick(f.view.viewport(), Qt::RightButton, {},
                      f.view.visualRect(f.model->index(0, 0)).center());
    QCOMPARE(plain.count(), 2);
}

void TestToolkitViews::pressOnOneIconReleasedOnAnotherIsNoClick()
{
    TableFixture f;
    QSignalSpy icon(&f.view,
                    qOverload<const QModelIndex &, CItemDataRole>(&CTableView::SignalClicked));
    QSignalSpy plain(&f.view, qOverload<const QModelIndex &>(&CTableView::SignalClicked));
    QTest::mousePress(f.view.viewport(), Qt::LeftButton, {}, f.iconCentre(0, 1, FirstIconRole));
    QTest::mouseRelease(f.view.viewport(), Qt::LeftButton, {}, f.iconCentre(0, 1, SecondIconRole));
    QCOMPARE(icon.count(), 0);
    QCOMPARE(plain.count(), 0);
}

void TestToolkitViews::clickedComesBeforeSignalClicked()
{
    TableFixture f;
    QStringList order;
    connect(&f.view, &QAbstractItemView::clicked, this,
            [&] { order << QStringLiteral("clicked"); });
    connect(&f.view, qOverload<const QModelIndex &, CItemDataRole>(&CTableView::SignalClicked),
            this, [&] { order << QStringLiteral("icon"); });
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, f.iconCentre(0, 2, SecondIconRole));
    QCOMPARE(order, QStringList({QStringLiteral("clicked"), QStringLiteral("icon")}));
}

void TestToolkitViews::treeViewReportsIconsAtTheRight()
{
    CTreeView view;
    auto *model = new QStandardItemModel(0, 2, &view);
    auto *name = new QStandardItem(QStringLiteral("Lobby"));
    auto *icons = new QStandardItem;
    icons->setData(QPixmap(QStringLiteral(":/Torvel/Icon/Images/Public/Icon/Edit.png")),
                   FirstIconRole);
    icons->setData(QPixmap(QStringLiteral(":/Torvel/Icon/Images/Public/Icon/Delete.png")),
                   SecondIconRole);
    model->appendRow({name, icons});
    view.setModel(model);
    auto *delegate = new CTreeViewWithRightPixmapDelegate(&view);
    view.setItemDelegate(delegate);
    view.setColumnWidth(0, 150);
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QModelIndex cell = model->index(0, 1);
    const QRect rect = view.visualRect(cell);
    const auto iconSlots = delegate->IconSlots(rect, cell);
    QCOMPARE(iconSlots.size(), 2);
    // The icons end at the cell's right edge, the delete icon last.
    QVERIFY(iconSlots.at(1).rect.right() <= rect.right());
    QVERIFY(iconSlots.at(1).rect.right() > rect.right() - 2 * CPixmapDelegate::IconSize().width());
    QVERIFY(iconSlots.at(0).rect.right() < iconSlots.at(1).rect.left());

    QSignalSpy icon(&view,
                    qOverload<const QModelIndex &, CItemDataRole>(&CTreeView::SignalClicked));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, iconSlots.at(0).rect.center());
    QCOMPARE(icon.count(), 1);
    QCOMPARE(int(icon.at(0).at(1).value<CItemDataRole>()), int(FirstIconRole));
}

void TestToolkitViews::headerSectionTicksTheEnabledCellsOfItsColumn()
{
    TableFixture f;
    f.model->item(1, 3)->setEnabled(false); // locked, like the source row of a copy
    CHeaderView *header = f.view.GetHeaderView();
    QVERIFY(header->HasCheckBox(3));
    QVERIFY(!header->HasCheckBox(0));
    const int x = header->sectionViewportPosition(3) + 10;

    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    QCOMPARE(header->CheckState(3), Qt::Unchecked);
    QCOMPARE(f.model->item(0, 3)->checkState(), Qt::Unchecked);
    QCOMPARE(f.model->item(1, 3)->checkState(), Qt::Checked);
    QCOMPARE(f.model->item(2, 3)->checkState(), Qt::Unchecked);

    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    QCOMPARE(header->CheckState(3), Qt::Checked);
    QCOMPARE(f.model->item(0, 3)->checkState(), Qt::Checked);
    QCOMPARE(f.model->item(2, 3)->checkState(), Qt::Checked);

    // A section without a check box ticks nothing.
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 10, header->height() / 2));
    QCOMPARE(header->CheckState(3), Qt::Checked);
}

void TestToolkitViews::cellChangesRecountTheHeader_data()
{
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<int>("header");
    QTest::newRow("all three ticked") << QList<int>{2, 2, 2} << int(Qt::Checked);
    QTest::newRow("one unticked makes it partly")
        << QList<int>{2, 0, 2} << int(Qt::PartiallyChecked);
    QTest::newRow("none ticked") << QList<int>{0, 0, 0} << int(Qt::Unchecked);
}

void TestToolkitViews::cellChangesRecountTheHeader()
{
    QFETCH(QList<int>, states);
    QFETCH(int, header);
    TableFixture f;
    for (int row = 0; row < 3; ++row)
        f.model->item(row, 3)->setCheckState(Qt::CheckState(states.at(row)));
    QCOMPARE(int(f.view.GetHeaderView()->CheckState(3)), header);
}

void TestToolkitViews::withoutAutoCheckboxTheHeaderOnlyReportsTheClick()
{
    TableFixture f;
    f.view.SetAutoChangeCheckbox(false);
    CHeaderView *header = f.view.GetHeaderView();
    QSignalSpy clicked(header, &QHeaderView::sectionClicked);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 10, header->height() / 2));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 3);
    QCOMPARE(header->CheckState(3), Qt::Checked);
    QCOMPARE(f.model->item(0, 3)->checkState(), Qt::Checked);
    // Nor does it recount: the model keeps its header as it sets it.
    f.model->item(0, 3)->setCheckState(Qt::Unchecked);
    QCOMPARE(header->CheckState(3), Qt::Checked);
}

void TestToolkitViews::treeViewHeaderTicksItsColumnToo()
{
    CTreeView view;
    QStandardItemModel *model = makeModel(&view);
    view.setModel(model);
    view.resize(600, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    CHeaderView *header = view.GetHeaderView();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 10, header->height() / 2));
    QCOMPARE(header->CheckState(3), Qt::Unchecked);
    for (int row = 0; row < model->rowCount(); ++row)
        QCOMPARE(model->item(row, 3)->checkState(), Qt::Unchecked);
}

void TestToolkitViews::choiceEditorOffersTheChoicesAndStoresOne()
{
    TableFixture f;
    QStandardItem *cell = f.model->item(0, 0);
    cell->setText(QStringLiteral("25"));
    cell->setData(QStringList{QStringLiteral("25"), QStringLiteral("12.5"), QStringLiteral("6")},
                  ComboBoxItemsRole);
    QSignalSpy changed(f.model, &QStandardItemModel::itemChanged);
    f.view.edit(cell->index());
    auto *combo = f.view.findChild<QComboBox *>(QStringLiteral("CPixmapDelegateComboEditor"));
    QVERIFY(combo);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->currentText(), QStringLiteral("25"));
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    QCOMPARE(cell->text(), QStringLiteral("12.5"));
    QCOMPARE(changed.count(), 1);
    QTRY_VERIFY(!f.view.findChild<QComboBox *>(QStringLiteral("CPixmapDelegateComboEditor")));
}

void TestToolkitViews::choiceEditorKeepsATextThatIsNoChoice()
{
    TableFixture f;
    QStandardItem *cell = f.model->item(0, 0);
    cell->setText(QStringLiteral("D1"));
    cell->setData(QStringList{QStringLiteral("CIF"), QStringLiteral("4CIF")}, ComboBoxItemsRole);
    f.view.edit(cell->index());
    auto *combo = f.view.findChild<QComboBox *>(QStringLiteral("CPixmapDelegateComboEditor"));
    QVERIFY(combo);
    QCOMPARE(combo->currentIndex(), -1);
    f.view.itemDelegate()->setModelData(combo, f.model, cell->index());
    QCOMPARE(cell->text(), QStringLiteral("D1"));
}

void TestToolkitViews::lengthEditorLimitsTheText()
{
    TableFixture f;
    QStandardItem *cell = f.model->item(0, 0);
    cell->setText(QStringLiteral("1"));
    cell->setData(4, EditMaxLengthRole);
    f.view.edit(cell->index());
    auto *edit = f.view.findChild<QLineEdit *>(QStringLiteral("CPixmapDelegateLineEditor"));
    QVERIFY(edit);
    QCOMPARE(edit->maxLength(), 4);
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("123456"));
    QCOMPARE(edit->text(), QStringLiteral("1234"));
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_COMPARE(cell->text(), QStringLiteral("1234"));
}

void TestToolkitViews::unchangedTextIsNoEdit()
{
    // Models of the program store every write at once, so a write of the
    // same text would be an edit nobody made.
    class CountingModel : public QStandardItemModel
    {
    public:
        using QStandardItemModel::QStandardItemModel;
        bool setData(const QModelIndex &index, const QVariant &value, int role) override
        {
            ++writes;
            return QStandardItemModel::setData(index, value, role);
        }
        int writes = 0;
    };
    CTableView view;
    CountingModel model(1, 1);
    auto *cell = new QStandardItem(QStringLiteral("Lobby"));
    cell->setData(32, EditMaxLengthRole);
    model.setItem(0, 0, cell);
    view.setModel(&model);
    view.setItemDelegate(new CTableDelegate(&view));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    model.writes = 0;
    view.edit(cell->index());
    auto *edit = view.findChild<QLineEdit *>(QStringLiteral("CPixmapDelegateLineEditor"));
    QVERIFY(edit);
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_VERIFY(!view.findChild<QLineEdit *>(QStringLiteral("CPixmapDelegateLineEditor")));
    QCOMPARE(model.writes, 0);
}

QTEST_MAIN(TestToolkitViews)
#include "tst_toolkitviews.moc"
