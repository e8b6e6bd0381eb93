// The parameter filter trees of the three device classes over the demo
// catalogue and its filter configuration.

#include <ParamModel.h>

#include "PickingSupport.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using kiv::ParamModel;

namespace {

QStringList childTexts(const QStandardItem *parent)
{
    QStringList texts;
    for (int r = 0; r < parent->rowCount(); ++r)
        texts << parent->child(r)->text();
    return texts;
}

QStringList headingTexts(const ParamModel &model)
{
    QStringList texts;
    for (int r = 0; r < model.rowCount(); ++r)
        texts << model.item(r)->text();
    return texts;
}

const QStandardItem *group(const ParamModel &model, const QString &heading, const QString &name)
{
    for (int h = 0; h < model.rowCount(); ++h) {
        const QStandardItem *headingItem = model.item(h);
        if (headingItem->text() != heading)
            continue;
        for (int g = 0; g < headingItem->rowCount(); ++g) {
            if (headingItem->child(g)->text() == name)
                return headingItem->child(g);
        }
    }
    return nullptr;
}

} // namespace

class TestParamModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void headingsOfEachClass_data();
    void headingsOfEachClass();
    void levelsCarryTheirCodesAndModes();
    void groupsOfTheCheckListOfferWhetherToSatisfy_data();
    void groupsOfTheCheckListOfferWhetherToSatisfy();
    void hiddenGroupsAreLeftOut();
    void rangeValuesOfTheCatalogueReadWithTheirUnits();
    void untickingLeavesAnyOneTicked();
    void modelPassesTheTester();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestParamModel::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    picking::useDemoFolder(*m_folder, 0);
}

void TestParamModel::headingsOfEachClass_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QStringList>("headings");
    // "Ordering Information" is hidden by name for every class, "RAID" for
    // the DVRs.
    QTest::newRow("network cameras")
        << 0
        << QStringList{QStringLiteral("Camera"), QStringLiteral("Lens"), QStringLiteral("Video"),
                       QStringLiteral("Network"), QStringLiteral("Environment")};
    QTest::newRow("DVRs") << 1
                          << QStringList{QStringLiteral("Inputs"), QStringLiteral("Recording"),
                                         QStringLiteral("Storage"), QStringLiteral("Interfaces")};
    QTest::newRow("speed domes") << 2
                                 << QStringList{
                                        QStringLiteral("Camera"), QStringLiteral("Pan and Tilt"),
                                        QStringLiteral("Video"), QStringLiteral("Environment")};
}

void TestParamModel::headingsOfEachClass()
{
    QFETCH(int, deviceClass);
    QFETCH(QStringList, headings);
    ParamModel model;
    model.loadParams(deviceClass);
    QCOMPARE(model.columnCount(), 1);
    QCOMPARE(headingTexts(model), headings);
}

void TestParamModel::levelsCarryTheirCodesAndModes()
{
    ParamModel model;
    model.loadParams(0);
    const QStandardItem *camera = model.item(0);
    QCOMPARE(camera->data(ParamModel::CodeRole).toString(), QStringLiteral("020000"));
    QVERIFY(!camera->isCheckable());
    QVERIFY(!camera->isEditable());
    QCOMPARE(childTexts(camera),
             (QStringList{QStringLiteral("Form Factor"), QStringLiteral("Image Sensor"),
                          QStringLiteral("Minimum Illumination"), QStringLiteral("IR Range"),
                          QStringLiteral("Day/Night")}));

    const QStandardItem *formFactor = camera->child(0);
    QVERIFY(!formFactor->isCheckable());
    QCOMPARE(formFactor->data(ParamModel::SatisfyRole).toInt(), 0);
    QCOMPARE(formFactor->data(ParamModel::AnyOneRole).toInt(), 1);
    QCOMPARE(childTexts(formFactor),
             (QStringList{QStringLiteral("Any One"), QStringLiteral("Bullet"),
                          QStringLiteral("Dome"), QStringLiteral("Box")}));

    const QStandardItem *anyOne = formFactor->child(0);
    QVERIFY(!anyOne->isEnabled());
    QCOMPARE(anyOne->checkState(), Qt::Checked);
    QVERIFY(anyOne->data(ParamModel::CodeRole).isNull());
    QCOMPARE(anyOne->data(ParamModel::AnyOneRole).toInt(), 1);
    QCOMPARE(anyOne->data(ParamModel::SatisfyRole).toInt(), 0);

    const QStandardItem *bullet = formFactor->child(1);
    QCOMPARE(bullet->data(ParamModel::CodeRole).toString(), QStringLiteral("020101"));
    QVERIFY(bullet->isCheckable());
    QVERIFY(bullet->isEnabled());
    QCOMPARE(bullet->checkState(), Qt::Unchecked);
    QCOMPARE(bullet->rowCount(), 0);
}

void TestParamModel::groupsOfTheCheckListOfferWhetherToSatisfy_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("satisfy");
    QTest::newRow("camera compression is in the check list")
        << 0 << QStringLiteral("Video") << QStringLiteral("Video Compression") << true;
    QTest::newRow("camera protocols are in the check list")
        << 0 << QStringLiteral("Network") << QStringLiteral("Protocols") << true;
    QTest::newRow("camera resolution is an Any One group")
        << 0 << QStringLiteral("Video") << QStringLiteral("Max Resolution") << false;
    QTest::newRow("DVR video output is in the check list")
        << 1 << QStringLiteral("Interfaces") << QStringLiteral("Video Output") << true;
    QTest::newRow("a code of another class's list does not count")
        << 1 << QStringLiteral("Storage") << QStringLiteral("HDD Bays") << false;
    QTest::newRow("dome image enhancement is in the check list")
        << 2 << QStringLiteral("Video") << QStringLiteral("Image Enhancement") << true;
}

void TestParamModel::groupsOfTheCheckListOfferWhetherToSatisfy()
{
    QFETCH(int, deviceClass);
    QFETCH(QString, heading);
    QFETCH(QString, group);
    QFETCH(bool, satisfy);
    ParamModel model;
    model.loadParams(deviceClass);
    const QStandardItem *item = ::group(model, heading, group);
    QVERIFY(item);
    QCOMPARE(item->data(ParamModel::SatisfyRole).toInt(), satisfy ? 1 : 0);
    QCOMPARE(item->data(ParamModel::AnyOneRole).toInt(), satisfy ? 0 : 1);
    const QStandardItem *mode = item->child(0);
    QCOMPARE(mode->text(),
             satisfy ? QStringLiteral("Whether to satisfy") : QStringLiteral("Any One"));
    QCOMPARE(mode->isEnabled(), satisfy);
    QCOMPARE(mode->isCheckable(), satisfy);
    QCOMPARE(mode->checkState(), satisfy ? Qt::Unchecked : Qt::Checked);
    QCOMPARE(mode->data(ParamModel::SatisfyRole).toInt(), satisfy ? 1 : 0);
}

void TestParamModel::hiddenGroupsAreLeftOut()
{
    ParamModel cameras;
    cameras.loadParams(0);
    // 041500 (Video Modes) is hidden by its code; its heading stays.
    QVERIFY(!group(cameras, QStringLiteral("Video"), QStringLiteral("Video Modes")));
    QVERIFY(group(cameras, QStringLiteral("Video"), QStringLiteral("Wide Dynamic Range")));
    ParamModel dvrs;
    dvrs.loadParams(1);
    QVERIFY(!group(dvrs, QStringLiteral("Recording"), QStringLiteral("Recording Frame Rate")));
    QVERIFY(group(dvrs, QStringLiteral("Recording"), QStringLiteral("Video Compression")));
}

void TestParamModel::rangeValuesOfTheCatalogueReadWithTheirUnits()
{
    ParamModel model;
    model.loadParams(0);
    const QStandardItem *irRange =
        group(model, QStringLiteral("Camera"), QStringLiteral("IR Range"));
    QVERIFY(irRange);
    QCOMPARE(childTexts(irRange),
             (QStringList{QStringLiteral("Any One"), QStringLiteral("0m~30m"),
                          QStringLiteral("0m~50m"), QStringLiteral("0m~80m")}));
    const QStandardItem *focal =
        group(model, QStringLiteral("Lens"), QStringLiteral("Focal Length"));
    QVERIFY(focal);
    QCOMPARE(childTexts(focal), (QStringList{QStringLiteral("Any One"), QStringLiteral("2.8mm"),
                                             QStringLiteral("4mm"), QStringLiteral("2.8mm~12mm"),
                                             QStringLiteral("CS Mount, lens not included")}));
}

void TestParamModel::untickingLeavesAnyOneTicked()
{
    ParamModel model;
    model.loadParams(0);
    QStandardItem *compression = const_cast<QStandardItem *>(
        group(model, QStringLiteral("Video"), QStringLiteral("Video Compression")));
    QStandardItem *formFactor = const_cast<QStandardItem *>(
        group(model, QStringLiteral("Camera"), QStringLiteral("Form Factor")));
    compression->child(0)->setCheckState(Qt::Checked);
    compression->child(2)->setCheckState(Qt::Checked);
    formFactor->child(1)->setCheckState(Qt::Checked);

    QSignalSpy changed(&model, &QStandardItemModel::itemChanged);
    model.setChildrenCheckState();
    // Three ticks were taken back, each with its own signal.
    QCOMPARE(changed.count(), 3);
    QCOMPARE(compression->child(0)->checkState(), Qt::Unchecked);
    QCOMPARE(compression->child(2)->checkState(), Qt::Unchecked);
    QCOMPARE(formFactor->child(1)->checkState(), Qt::Unchecked);
    QCOMPARE(formFactor->child(0)->checkState(), Qt::Checked);
    for (int h = 0; h < model.rowCount(); ++h) {
        for (int g = 0; g < model.item(h)->rowCount(); ++g) {
            const QStandardItem *groupItem = model.item(h)->child(g);
            for (int v = 0; v < groupItem->rowCount(); ++v) {
                const QStandardItem *value = groupItem->child(v);
                QCOMPARE(value->checkState(), value->data(ParamModel::AnyOneRole).toInt() == 1
                                                  ? Qt::Checked
                                                  : Qt::Unchecked);
            }
        }
    }
}

void TestParamModel::modelPassesTheTester()
{
    ParamModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.loadParams(2);
    QVERIFY(model.rowCount() > 0);
}

QTEST_MAIN(TestParamModel)
#include "tst_parammodel.moc"
