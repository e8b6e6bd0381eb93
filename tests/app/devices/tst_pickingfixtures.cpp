// The parameter sheet, the filter trees and the device filter over a small
// catalogue built for their edge cases (tests/data/catalogue/picking.sql
// with tests/data/filterconfig/picking.xml).

#include <AddDeviceWidget.h>
#include <DeviceParamWidget.h>
#include <ParamModel.h>

#include "../core/CatalogueFixture.h"
#include "PickingSupport.h"

#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextTable>
#include <QTreeView>
#include <QtTest>

using kiv::AddDeviceWidget;
using kiv::ParamModel;

namespace {

QStringList shownTypes(const AddDeviceWidget &dialog)
{
    const QAbstractItemModel *model =
        dialog.findChild<QTreeView *>(QStringLiteral("devTreeView"))->model();
    QStringList types;
    for (int r = 0; r < model->rowCount(); ++r)
        types << model->index(r, 0).data().toString();
    return types;
}

QStandardItem *valueItem(ParamModel *model, const QString &group, const QString &value)
{
    for (int h = 0; h < model->rowCount(); ++h) {
        for (int g = 0; g < model->item(h)->rowCount(); ++g) {
            QStandardItem *groupItem = model->item(h)->child(g);
            if (groupItem->text() != group)
                continue;
            for (int v = 0; v < groupItem->rowCount(); ++v) {
                if (groupItem->child(v)->text() == value)
                    return groupItem->child(v);
            }
        }
    }
    return nullptr;
}

QStringList childTexts(const QStandardItem *parent)
{
    QStringList texts;
    for (int r = 0; r < parent->rowCount(); ++r)
        texts << parent->child(r)->text();
    return texts;
}

} // namespace

class TestPickingFixtures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void hideListHidesHeadingsByNameAndTheRestByCode();
    void groupWithEveryValueHiddenKeepsItsModeItem();
    void rangeValuesOfEveryShape();
    void sheetShowsMarkupAsText();
    void filterSelections_data();
    void filterSelections();
    void dvrNamedTwiceIsListedOnceAndPassesTheFilter();
    void nvrsAmongTheDvrsShowOnlyAfterAFilterRun();
    void groupsBeyondTheWorkingListsTakeNoPart();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestPickingFixtures::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    QVERIFY(m_folder->copyFromBuild({"ParamCode.xml"}));
    QVERIFY(m_folder->copyFixture(QStringLiteral("filterconfig/picking.xml"),
                                  QStringLiteral("FilterConfig.xml")));
    QVERIFY(CatalogueFixture::build(m_folder->file(QStringLiteral("Task_EN.db")),
                                    {QStringLiteral("picking.sql")}));
    QVERIFY(kiv::TaskDataBase::GetInstance()->isOpen());
    QCOMPARE(kiv::TaskDataBase::GetInstance()->dbPath(),
             m_folder->file(QStringLiteral("Task_EN.db")));
}

void TestPickingFixtures::hideListHidesHeadingsByNameAndTheRestByCode()
{
    ParamModel model;
    model.loadParams(0);
    QStringList headings;
    for (int r = 0; r < model.rowCount(); ++r)
        headings << model.item(r)->text();
    QCOMPARE(headings, (QStringList{QStringLiteral("Ordering"), QStringLiteral("Image"),
                                    QStringLiteral("Video"), QStringLiteral("A<b>B</b> & C")}));
    // A group is hidden by its code, not its name.
    QCOMPARE(
        childTexts(model.item(1)),
        (QStringList{QStringLiteral("Sensor"), QStringLiteral("Zoom"), QStringLiteral("Ranges")}));
}

void TestPickingFixtures::groupWithEveryValueHiddenKeepsItsModeItem()
{
    ParamModel model;
    model.loadParams(0);
    const QStandardItem *zoom = model.item(1)->child(1);
    QCOMPARE(zoom->text(), QStringLiteral("Zoom"));
    QCOMPARE(childTexts(zoom), QStringList{QStringLiteral("Any One")});
}

void TestPickingFixtures::rangeValuesOfEveryShape()
{
    ParamModel model;
    model.loadParams(0);
    QCOMPARE(
        childTexts(model.item(1)->child(2)),
        (QStringList{QStringLiteral("Any One"), QStringLiteral("mm~8mm"), QStringLiteral("4"),
                     QStringLiteral("1~2~3"), QStringLiteral("4mm~8mm"), QStringLiteral("Auto")}));

    kiv::DeviceParamWidget sheet;
    QVERIFY(sheet.showDeviceParams(0, QStringLiteral("CAM-A")));
}

void TestPickingFixtures::sheetShowsMarkupAsText()
{
    const QString type = QStringLiteral("CAM<b>1</b> & 2");
    kiv::DeviceParamWidget sheet;
    QVERIFY(sheet.showDeviceParams(0, type));
    QTextDocument *document = sheet.findChild<QTextEdit *>(QStringLiteral("textEdit"))->document();
    QCOMPARE(document->firstBlock().text(), QStringLiteral("Device Type: ") + type);
    QString all = document->toPlainText();
    QVERIFY2(all.contains(QStringLiteral("A<b>B</b> & C")), qPrintable(all));
    QVERIFY(all.contains(QStringLiteral("<i>group</i>")));
    QVERIFY(all.contains(QStringLiteral("<u>v</u>&lt;;")));
    // Nothing of the model's name turned bold or into another element.
    for (QTextBlock::iterator it = document->firstBlock().begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.text().contains(QLatin1String("CAM")))
            QVERIFY(fragment.charFormat().fontWeight() != QFont::Bold);
    }
}

void TestPickingFixtures::filterSelections_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<bool>("satisfyAll");
    QTest::addColumn<QStringList>("expected");
    const QString h264 = QStringLiteral("H.264");
    const QString h265 = QStringLiteral("H.265");
    QTest::newRow("a model naming a code twice is listed once")
        << QStringList{h264} << false
        << QStringList{QStringLiteral("CAM-A"), QStringLiteral("CAM-B"), QStringLiteral("CAM-D")};
    QTest::newRow("either of two values")
        << QStringList{h264, h265} << false
        << QStringList{QStringLiteral("CAM-A"), QStringLiteral("CAM-B"), QStringLiteral("CAM-D")};
    QTest::newRow("both values: two rows of one code are not two codes")
        << QStringList{h264, h265} << true << QStringList{QStringLiteral("CAM-A")};
    QTest::newRow("a value no model carries empties the list")
        << QStringList{QStringLiteral("1 CMOS")} << false << QStringList{};
    QTest::newRow("a range value")
        << QStringList{QStringLiteral("4mm~8mm")} << false << QStringList{QStringLiteral("CAM-A")};
}

void TestPickingFixtures::filterSelections()
{
    QFETCH(QStringList, values);
    QFETCH(bool, satisfyAll);
    QFETCH(QStringList, expected);
    AddDeviceWidget dialog(QStringLiteral("Site"));
    ParamModel *model = dialog.paramModelOfTab(AddDeviceWidget::IpcTab);
    if (satisfyAll) {
        QStandardItem *all =
            valueItem(model, QStringLiteral("Compression"), QStringLiteral("Whether to satisfy"));
        QVERIFY(all);
        all->setCheckState(Qt::Checked);
    }
    for (const QString &value : std::as_const(values)) {
        QStandardItem *item = valueItem(model, QString(), value);
        for (int h = 0; !item && h < model->rowCount(); ++h) {
            for (int g = 0; !item && g < model->item(h)->rowCount(); ++g)
                item = valueItem(model, model->item(h)->child(g)->text(), value);
        }
        QVERIFY2(item, qPrintable(value));
        item->setCheckState(Qt::Checked);
    }
    QCOMPARE(shownTypes(dialog), expected);
}

void TestPickingFixtures::dvrNamedTwiceIsListedOnceAndPassesTheFilter()
{
    AddDeviceWidget dialog(QStringLiteral("Site"));
    dialog.findChild<QTabWidget *>(QStringLiteral("pararmTabWidget"))
        ->setCurrentIndex(AddDeviceWidget::DvrTab);
    QCOMPARE(shownTypes(dialog), (QStringList{QStringLiteral("DVR-A"), QStringLiteral("DVR-B")}));
    QStandardItem *four = valueItem(dialog.paramModelOfTab(AddDeviceWidget::DvrTab),
                                    QStringLiteral("Channels"), QStringLiteral("4ch"));
    QVERIFY(four);
    four->setCheckState(Qt::Checked);
    QCOMPARE(shownTypes(dialog), (QStringList{QStringLiteral("DVR-A"), QStringLiteral("DVR-B")}));
}

void TestPickingFixtures::nvrsAmongTheDvrsShowOnlyAfterAFilterRun()
{
    AddDeviceWidget dialog(QStringLiteral("Site"));
    dialog.findChild<QTabWidget *>(QStringLiteral("pararmTabWidget"))
        ->setCurrentIndex(AddDeviceWidget::DvrTab);
    QStandardItem *eight = valueItem(dialog.paramModelOfTab(AddDeviceWidget::DvrTab),
                                     QStringLiteral("Channels"), QStringLiteral("8ch"));
    QVERIFY(eight);
    eight->setCheckState(Qt::Checked);
    QCOMPARE(shownTypes(dialog), QStringList{QStringLiteral("DVR-N")});
    eight->setCheckState(Qt::Unchecked);
    QCOMPARE(shownTypes(dialog), (QStringList{QStringLiteral("DVR-A"), QStringLiteral("DVR-B"),
                                              QStringLiteral("DVR-N")}));
    // Reset lists the class as it opened.
    dialog.findChild<QPushButton *>(QStringLiteral("btnReset"))->click();
    QCOMPARE(shownTypes(dialog), (QStringList{QStringLiteral("DVR-A"), QStringLiteral("DVR-B")}));
}

void TestPickingFixtures::groupsBeyondTheWorkingListsTakeNoPart()
{
    AddDeviceWidget dialog(QStringLiteral("Site"));
    dialog.findChild<QTabWidget *>(QStringLiteral("pararmTabWidget"))
        ->setCurrentIndex(AddDeviceWidget::DomeTab);
    ParamModel *model = dialog.paramModelOfTab(AddDeviceWidget::DomeTab);
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(shownTypes(dialog), (QStringList{QStringLiteral("DOME-W"), QStringLiteral("DOME-X"),
                                              QStringLiteral("DOME-Y")}));
    // Tick the value of every one of the 270 groups; the last tick runs the
    // filter.
    QList<QStandardItem *> values;
    for (int h = 0; h < model->rowCount(); ++h) {
        for (int g = 0; g < model->item(h)->rowCount(); ++g)
            values << model->item(h)->child(g)->child(1);
    }
    QCOMPARE(values.size(), 270);
    model->blockSignals(true);
    for (int i = 0; i < values.size() - 1; ++i)
        values.at(i)->setCheckState(Qt::Checked);
    model->blockSignals(false);
    values.last()->setCheckState(Qt::Checked);
    // Groups 1 to 250 take part: DOME-W lacks group 1. Group 251 and the
    // dome list take none: DOME-Y and DOME-Z pass.
    QCOMPARE(shownTypes(dialog), (QStringList{QStringLiteral("DOME-X"), QStringLiteral("DOME-Y"),
                                              QStringLiteral("DOME-Z")}));
}

QTEST_MAIN(TestPickingFixtures)
#include "tst_pickingfixtures.moc"
