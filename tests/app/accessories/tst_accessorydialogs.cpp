// The lens, shield and stand type dialogs: the catalogue's types of a
// model, the count and its range, the preset of a stored accessory.
#include <AddLensWidget.h>
#include <AddShieldWidget.h>
#include <AddStandWidget.h>

#include "AccessoryTestSupport.h"
#include "TipPlace.h"

#include <ToolTip.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using KavrinGUIToolkit::CToolTip;

namespace {

enum Kind { Lens, Shield, Stand };

std::unique_ptr<kiv::AccessoryTypeDialog> makeDialog(Kind kind, const QString &model,
                                                     int deviceClass = 0)
{
    switch (kind) {
    case Lens:
        return std::make_unique<kiv::AddLensWidget>(model);
    case Shield:
        return std::make_unique<kiv::AddShieldWidget>(model);
    case Stand:
        break;
    }
    return std::make_unique<kiv::AddStandWidget>(model, deviceClass);
}

QComboBox *types(const QWidget *dialog)
{
    return dialog->findChild<QComboBox *>(QStringLiteral("combType"));
}

QLineEdit *count(const QWidget *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("edtCount"));
}

QStringList listed(const QWidget *dialog)
{
    QStringList out;
    for (int i = 0; i < types(dialog)->count(); ++i)
        out << types(dialog)->itemText(i);
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestAccessoryDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void typesOfTheModel_data();
    void typesOfTheModel();
    void eachDialogHasItsTitleAndSize_data();
    void eachDialogHasItsTitleAndSize();
    void countOnConfirm_data();
    void countOnConfirm();
    void confirmHandsBackTheFirstTypeAndOne();
    void presetCountFollowsItsType();
    void withoutPresetEveryTypeStartsAtOne();
    void storedTypeTheCatalogueNoLongerListsStaysSelected();

private:
    std::unique_ptr<AppCatalogue> m_catalogue;
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestAccessoryDialogs::initTestCase()
{
    m_catalogue = accessorytest::openFixtureCatalogue();
}

void TestAccessoryDialogs::cleanupTestCase()
{
    m_catalogue.reset();
}

void TestAccessoryDialogs::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    CToolTip::HideTipImmediately();
}

void TestAccessoryDialogs::cleanup()
{
    CToolTip::HideTipImmediately();
    m_folder.reset();
}

void TestAccessoryDialogs::typesOfTheModel_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QStringList>("expected");
    const QStringList none;
    QTest::newRow("a camera's lenses in catalogue order, a repeated name twice")
        << Lens << QStringLiteral("CAM-A") << 0
        << QStringList{QStringLiteral("Lens 8mm"), QStringLiteral("Lens 4mm"),
                       QStringLiteral("Lens 4mm")};
    QTest::newRow("a camera's shield")
        << Shield << QStringLiteral("CAM-A") << 0 << QStringList{QStringLiteral("Housing")};
    QTest::newRow("a network camera's stands (class 0)")
        << Stand << QStringLiteral("CAM-A") << 0
        << QStringList{QStringLiteral("Pole Bracket"), QStringLiteral("Wall Bracket")};
    QTest::newRow("a speed dome's stands come from the dome tables (class 2)")
        << Stand << QStringLiteral("CAM-A") << 2 << QStringList{QStringLiteral("Dome Pendant")};
    QTest::newRow("a DVR (class 1) has no stand list")
        << Stand << QStringLiteral("CAM-A") << 1 << none;
    QTest::newRow("an NVR (class 3) has no stand list")
        << Stand << QStringLiteral("CAM-A") << 3 << none;
    QTest::newRow("a CVR (class 4) has no stand list")
        << Stand << QStringLiteral("CAM-A") << 4 << none;
    QTest::newRow("a model without lenses") << Lens << QStringLiteral("CAM-N") << 0 << none;
    QTest::newRow("a model without shields") << Shield << QStringLiteral("CAM-N") << 0 << none;
    QTest::newRow("a model the catalogue lacks") << Stand << QStringLiteral("NO-SUCH") << 0 << none;
}

void TestAccessoryDialogs::typesOfTheModel()
{
    QFETCH(Kind, kind);
    QFETCH(QString, model);
    QFETCH(int, deviceClass);
    QFETCH(QStringList, expected);
    const auto dialog = makeDialog(kind, model, deviceClass);
    QCOMPARE(listed(dialog.get()), expected);
    QCOMPARE(dialog->hasTypes(), !expected.isEmpty());
    QCOMPARE(count(dialog.get())->text(), QStringLiteral("1"));
    QCOMPARE(types(dialog.get())->currentIndex(), expected.isEmpty() ? -1 : 0);
}

void TestAccessoryDialogs::eachDialogHasItsTitleAndSize_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("lens") << Lens << QStringLiteral("Select Lens");
    QTest::newRow("shield") << Shield << QStringLiteral("Select Shield");
    QTest::newRow("stand") << Stand << QStringLiteral("Select Stand");
}

void TestAccessoryDialogs::eachDialogHasItsTitleAndSize()
{
    QFETCH(Kind, kind);
    QFETCH(QString, title);
    const auto dialog = makeDialog(kind, QStringLiteral("CAM-A"));
    dialog->show();
    QCOMPARE(dialog->GetTitle(), title);
    QCOMPARE(dialog->size(), QSize(400, 250));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(dialog->GetCloseBtn()->isVisible());
    QVERIFY(types(dialog.get())->isVisible());
    QVERIFY(count(dialog.get())->isVisible());
}

void TestAccessoryDialogs::countOnConfirm_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("an empty count is refused") << QString() << false;
    QTest::newRow("0 is refused") << QStringLiteral("0") << false;
    QTest::newRow("1001 is refused") << QStringLiteral("1001") << false;
    QTest::newRow("5000 is refused") << QStringLiteral("5000") << false;
    QTest::newRow("1 is taken") << QStringLiteral("1") << true;
    QTest::newRow("1000 is taken") << QStringLiteral("1000") << true;
}

void TestAccessoryDialogs::countOnConfirm()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    // Text set directly, as a stored count reaches the field: the validator
    // only keeps typing within the range.
    for (Kind kind : {Lens, Shield, Stand}) {
        const auto dialog = makeDialog(kind, QStringLiteral("CAM-A"));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        count(dialog.get())->setText(text);
        QTest::mouseClick(dialog->GetConfirmBtn(), Qt::LeftButton);
        QCOMPARE(dialog->result(), accepted ? int(QDialog::Accepted) : 0);
        QCOMPARE(dialog->isVisible(), !accepted);
        if (accepted) {
            QVERIFY(!CToolTip::IsShowing());
        } else {
            QCOMPARE(CToolTip::CurrentText(), QStringLiteral("Number Range [1~1000]"));
            QCOMPARE(CToolTip::LastPosition(), count(dialog.get())->mapToGlobal(QPoint(0, 0)));
            // Beside the count, over neither it nor the model box.
            const QString fault =
                tipplace::misplaced(tipplace::onScreen(count(dialog.get())), dialog.get());
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            CToolTip::HideTipImmediately();
        }
    }
}

void TestAccessoryDialogs::confirmHandsBackTheFirstTypeAndOne()
{
    kiv::AddStandWidget dialog(QStringLiteral("CAM-A"), 0);
    const auto answer =
        accessorytest::whenModal<kiv::AddStandWidget>(this, [](kiv::AddStandWidget *d) {
            QTest::mouseClick(d->GetConfirmBtn(), Qt::LeftButton);
        });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(answer->seen);
    QString type;
    int number = -1;
    dialog.getValues(type, number);
    QCOMPARE(type, QStringLiteral("Pole Bracket"));
    QCOMPARE(number, 1);
}

void TestAccessoryDialogs::presetCountFollowsItsType()
{
    kiv::AddStandWidget dialog(QStringLiteral("CAM-A"), 0);
    dialog.setValues(QStringLiteral("Wall Bracket"), 7);
    QCOMPARE(types(&dialog)->currentText(), QStringLiteral("Wall Bracket"));
    QCOMPARE(count(&dialog)->text(), QStringLiteral("7"));
    types(&dialog)->setCurrentText(QStringLiteral("Pole Bracket"));
    QCOMPARE(count(&dialog)->text(), QStringLiteral("1"));
    types(&dialog)->setCurrentText(QStringLiteral("Wall Bracket"));
    QCOMPARE(count(&dialog)->text(), QStringLiteral("7"));

    QString type;
    int number = 0;
    dialog.getValues(type, number);
    QCOMPARE(type, QStringLiteral("Wall Bracket"));
    QCOMPARE(number, 7);
}

void TestAccessoryDialogs::withoutPresetEveryTypeStartsAtOne()
{
    kiv::AddLensWidget dialog(QStringLiteral("CAM-A"));
    count(&dialog)->setText(QStringLiteral("12"));
    types(&dialog)->setCurrentIndex(1);
    QCOMPARE(count(&dialog)->text(), QStringLiteral("1"));
    count(&dialog)->setText(QStringLiteral("12"));
    types(&dialog)->setCurrentIndex(0);
    QCOMPARE(count(&dialog)->text(), QStringLiteral("1"));
}

void TestAccessoryDialogs::storedTypeTheCatalogueNoLongerListsStaysSelected()
{
    kiv::AddShieldWidget dialog(QStringLiteral("CAM-A"));
    dialog.setValues(QStringLiteral("Old Housing"), 3);
    QCOMPARE(types(&dialog)->currentText(), QStringLiteral("Old Housing"));
    QCOMPARE(count(&dialog)->text(), QStringLiteral("3"));
    // The catalogue's types stay on offer beside it.
    QVERIFY(listed(&dialog).contains(QStringLiteral("Housing")));

    const auto answer =
        accessorytest::whenModal<kiv::AddShieldWidget>(this, [](kiv::AddShieldWidget *d) {
            QTest::mouseClick(d->GetConfirmBtn(), Qt::LeftButton);
        });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(answer->seen);
    QString type;
    int number = 0;
    dialog.getValues(type, number);
    QCOMPARE(type, QStringLiteral("Old Housing"));
    QCOMPARE(number, 3);
}

QTEST_MAIN(TestAccessoryDialogs)
#include "tst_accessorydialogs.moc"
