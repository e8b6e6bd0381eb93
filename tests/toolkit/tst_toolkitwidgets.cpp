#include <BaseDialog.h>
#include <TableWidget.h>
#include <ToolTip.h>
#include <Validators.h>
#include <WarningDlg.h>
#include <Widgets.h>

#include "TipPlace.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace KavrinGUIToolkit;

class TestToolkitWidgets : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void intValidator_data();
    void intValidator();
    void intValidatorInALineEditRefusesOutOfRange();
    void regExpValidator_data();
    void regExpValidator();

    void responderAnswersWithoutShowing_data();
    void responderAnswersWithoutShowing();
    void realQuestionConfirmedByItsButton();
    void realQuestionCancelledByCloseButton();

    void toolTipShowsAndHides();
    void toolTipStandsBesideItsField_data();
    void toolTipStandsBesideItsField();
    void toolTipLeavesTheWindowsInputsInSight_data();
    void toolTipLeavesTheWindowsInputsInSight();
    void toolTipAtAPointOfNoFieldStandsThere();
    void baseDialogTitleAndCloseButton();
    void closeButtonShowsACrossAndSaysClose();
    void tableWidgetRows();
    void comboBoxAddItem();
};

void TestToolkitWidgets::cleanup()
{
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
    CToolTip::HideTipImmediately();
}

void TestToolkitWidgets::intValidator_data()
{
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");

    const int inv = QValidator::Invalid, mid = QValidator::Intermediate,
              ok = QValidator::Acceptable;
    QTest::newRow("0 in a 1 to 1000 field is refused") << 1 << 1000 << QStringLiteral("0") << inv;
    QTest::newRow("5000 in a 1 to 1000 field is refused")
        << 1 << 1000 << QStringLiteral("5000") << inv;
    QTest::newRow("1000 in a 1 to 1000 field stands") << 1 << 1000 << QStringLiteral("1000") << ok;
    QTest::newRow("1 in a 1 to 1000 field stands") << 1 << 1000 << QStringLiteral("1") << ok;
    QTest::newRow("a leading zero is refused") << 1 << 1000 << QStringLiteral("05") << inv;
    QTest::newRow("letters are refused") << 1 << 1000 << QStringLiteral("1a") << inv;
    QTest::newRow("a minus sign in a positive field is refused")
        << 1 << 1000 << QStringLiteral("-1") << inv;
    QTest::newRow("empty text may still be typed") << 1 << 1000 << QString() << mid;
    QTest::newRow("3 may still grow into a 32 to 16384 field")
        << 32 << 16384 << QStringLiteral("3") << mid;
    QTest::newRow("16385 is beyond a 32 to 16384 field")
        << 32 << 16384 << QStringLiteral("16385") << inv;
    QTest::newRow("99999 fits a 1 to 99999 field") << 1 << 99999 << QStringLiteral("99999") << ok;
    QTest::newRow("0 fits a 0 to 100 field") << 0 << 100 << QStringLiteral("0") << ok;
    QTest::newRow("101 is beyond a 0 to 100 field") << 0 << 100 << QStringLiteral("101") << inv;
    QTest::newRow("a lone minus may start a negative number")
        << -50 << 50 << QStringLiteral("-") << mid;
    QTest::newRow("-51 is below a -50 to 50 field") << -50 << 50 << QStringLiteral("-51") << inv;
    QTest::newRow("-5 is inside a -50 to 50 field") << -50 << 50 << QStringLiteral("-5") << ok;
    QTest::newRow("an eleven-digit number is refused")
        << 1 << 1000 << QStringLiteral("12345678901") << inv;
}

void TestToolkitWidgets::intValidator()
{
    QFETCH(int, bottom);
    QFETCH(int, top);
    QFETCH(QString, text);
    QFETCH(int, state);

    CIntValidator v(bottom, top);
    int pos = 0;
    QCOMPARE(int(v.validate(text, pos)), state);
    QCOMPARE(v.IsAcceptable(text), state == QValidator::Acceptable);
}

void TestToolkitWidgets::intValidatorInALineEditRefusesOutOfRange()
{
    CLineEdit edit;
    edit.setValidator(new CIntValidator(1, 1000, &edit));
    edit.show();
    QTest::keyClicks(&edit, QStringLiteral("5000"));
    QCOMPARE(edit.text(), QStringLiteral("500"));
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("0"));
    QCOMPARE(edit.text(), QString());
}

void TestToolkitWidgets::regExpValidator_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    QTest::newRow("32 characters stand")
        << QString(32, QLatin1Char('a')) << int(QValidator::Acceptable);
    QTest::newRow("33 characters are refused")
        << QString(33, QLatin1Char('a')) << int(QValidator::Invalid);
    QTest::newRow("a slash in a remark stands")
        << QStringLiteral("east/west") << int(QValidator::Acceptable);
    QTest::newRow("Chinese text stands")
        << QStringLiteral("营业大厅") << int(QValidator::Acceptable);
    QTest::newRow("a tab is refused") << QStringLiteral("a\tb") << int(QValidator::Invalid);
    QTest::newRow("a new line is refused") << QStringLiteral("a\nb") << int(QValidator::Invalid);
}

void TestToolkitWidgets::regExpValidator()
{
    QFETCH(QString, text);
    QFETCH(int, state);
    CRegExpValidator v(32);
    int pos = 0;
    QCOMPARE(int(v.validate(text, pos)), state);
}

void TestToolkitWidgets::responderAnswersWithoutShowing_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("expected");
    QTest::newRow("confirm gives 1") << 1 << 1;
    QTest::newRow("cancel gives 0") << 0 << 0;
    QTest::newRow("any other answer is no confirmation") << 7 << 0;
}

void TestToolkitWidgets::responderAnswersWithoutShowing()
{
    QFETCH(int, answer);
    QFETCH(int, expected);
    QString asked;
    CWarningDlg::SetResponder([&](const CWarningDlg::Shown &m) {
        asked = m.title + QLatin1Char('|') + m.text;
        return answer;
    });
    QCOMPARE(CWarningDlg::CheckMessageInfo(QStringLiteral("Hint"), QStringLiteral("Sure?")),
             expected);
    QCOMPARE(asked, QStringLiteral("Hint|Sure?"));
    CWarningDlg::ShowMessageInfo(QStringLiteral("Info"), QStringLiteral("Done."));
    const QList<CWarningDlg::Shown> h = CWarningDlg::History();
    QCOMPARE(h.size(), 2);
    QVERIFY(h.at(0).question);
    QVERIFY(!h.at(1).question);
    QCOMPARE(h.at(1).text, QStringLiteral("Done."));
}

void TestToolkitWidgets::realQuestionConfirmedByItsButton()
{
    QTimer::singleShot(0, this, [] {
        auto *dlg = qobject_cast<CWarningDlg *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        QCOMPARE(dlg->GetTitle(), QStringLiteral("Hint"));
        QCOMPARE(dlg->GetMessage(), QStringLiteral("Delete it?"));
        auto *ok = dlg->findChild<QPushButton *>(QStringLiteral("CWarningDlgOkBtn"));
        QVERIFY(ok);
        ok->click();
    });
    QCOMPARE(CWarningDlg::CheckMessageInfo(QStringLiteral("Hint"), QStringLiteral("Delete it?")),
             1);
}

void TestToolkitWidgets::realQuestionCancelledByCloseButton()
{
    QTimer::singleShot(0, this, [] {
        auto *dlg = qobject_cast<CWarningDlg *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        dlg->GetCloseBtn()->click();
    });
    QCOMPARE(CWarningDlg::CheckMessageInfo(QStringLiteral("Hint"), QStringLiteral("Delete it?")),
             0);
}

void TestToolkitWidgets::toolTipShowsAndHides()
{
    QFont f;
    f.setPointSize(10);
    CToolTip::SetFont(f);
    CToolTip::ShowText(QPoint(100, 100), QStringLiteral("Range 1 to 1000"), nullptr);
    QVERIFY(CToolTip::IsShowing());
    QCOMPARE(CToolTip::CurrentText(), QStringLiteral("Range 1 to 1000"));
    QCOMPARE(CToolTip::LastPosition(), QPoint(100, 100));
    QCOMPARE(CToolTip::Font().pointSize(), 10);
    CToolTip::HideTipImmediately();
    QVERIFY(!CToolTip::IsShowing());
    QCOMPARE(CToolTip::CurrentText(), QString());
    CToolTip::ShowText(QPoint(1, 1), QString(), nullptr);
    QVERIFY(!CToolTip::IsShowing());
}

void TestToolkitWidgets::toolTipStandsBesideItsField_data()
{
    // On the tests' 1280 x 1024 screen, a field 120 x 23 whose top-left
    // corner is the tip's point, as a refused value shows it.
    QTest::addColumn<QPoint>("corner");
    QTest::addColumn<bool>("clear"); // there is room beside the field
    QTest::newRow("in the middle of the screen the tip stands above the field")
        << QPoint(500, 400) << true;
    QTest::newRow("at the right edge the tip moves left, still above the field")
        << QPoint(1180, 400) << true;
    QTest::newRow("at the bottom edge the tip stands above the field") << QPoint(500, 1001) << true;
    QTest::newRow("at the top edge the tip stands left of the field") << QPoint(500, 0) << true;
    QTest::newRow("in the top-right corner the tip stands left of the field")
        << QPoint(1160, 0) << true;
    QTest::newRow("in the top-left corner the tip stays on the screen") << QPoint(0, 0) << false;
}

void TestToolkitWidgets::toolTipStandsBesideItsField()
{
    QFETCH(QPoint, corner);
    QFETCH(bool, clear);
    // Without a window frame, so the field may touch the screen's edges.
    QLineEdit field;
    field.setWindowFlags(Qt::FramelessWindowHint);
    field.setGeometry(QRect(corner, QSize(120, 23)));
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    const QPoint point = field.mapToGlobal(QPoint(0, 0));
    QCOMPARE(point, corner);
    CToolTip::ShowText(point, QStringLiteral("Number Range [1~1000]"), nullptr);
    QVERIFY(CToolTip::IsShowing());
    QCOMPARE(CToolTip::LastPosition(), point);
    const QWidget *tip = nullptr;
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("CToolTip") && w->isVisible())
            tip = w;
    }
    QVERIFY(tip);
    const QRect shown = tip->frameGeometry();
    const QRect screen = field.screen()->availableGeometry();
    QCOMPARE(screen, QRect(0, 0, 1280, 1024));
    QVERIFY2(screen.contains(shown), qPrintable(QStringLiteral("%1 %2 %3 x %4")
                                                    .arg(shown.x())
                                                    .arg(shown.y())
                                                    .arg(shown.width())
                                                    .arg(shown.height())));
    // The corner leaves no place above or left of the field: being on the
    // screen is all there is to ask.
    if (!clear)
        return;
    // Next to the point, within three pixels, and clear of the field.
    QVERIFY(shown.adjusted(-3, -3, 3, 3).contains(point));
    QVERIFY(!shown.intersects(QRect(point, field.size())));
}

namespace {

enum class TipForm { FieldUnderAField, FieldAtTheRightEdge, TableCell };

// A small form of the kind the program's dialogs are, with one field whose
// value is refused. @p field gets the refused field's global rectangle and
// @p cells the other cells of a table, and the tip is shown for it as a
// refusal does: at its top-left corner, with no widget.
std::unique_ptr<QWidget> showRefusal(TipForm kind, QRect &field, QVector<QRect> &cells)
{
    auto form = std::make_unique<QWidget>();
    auto *grid = new QGridLayout(form.get());
    QWidget *refused = nullptr;
    QPoint corner;
    switch (kind) {
    case TipForm::FieldUnderAField: {
        // The count under the model, the confirm button in the corner.
        grid->addWidget(new QLabel(QStringLiteral("Model:")), 0, 0);
        grid->addWidget(new QComboBox, 0, 1);
        grid->addWidget(new QLabel(QStringLiteral("Number:")), 1, 0);
        refused = new QLineEdit;
        grid->addWidget(refused, 1, 1);
        grid->setRowStretch(2, 1);
        grid->addWidget(new QPushButton(QStringLiteral("Confirm")), 3, 1, Qt::AlignRight);
        form->setGeometry(200, 200, 400, 250);
        break;
    }
    case TipForm::FieldAtTheRightEdge: {
        // A short bit-rate field at the right of a row of fields.
        for (int column = 0; column < 3; ++column)
            grid->addWidget(new QLineEdit, 0, column);
        refused = new QLineEdit;
        refused->setFixedWidth(50);
        grid->addWidget(refused, 0, 3);
        grid->setRowStretch(1, 1);
        form->setGeometry(200, 200, 420, 120);
        break;
    }
    case TipForm::TableCell: {
        // The last column of a table of streams.
        auto *table = new QTableWidget(4, 3);
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 3; ++column)
                table->setItem(row, column, new QTableWidgetItem(QStringLiteral("600")));
        }
        grid->addWidget(table, 0, 0);
        form->setGeometry(200, 200, 420, 240);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return form;
        const QRect cell = table->visualRect(table->model()->index(1, 2));
        field = tipplace::onScreen(table->viewport(), cell);
        corner = field.topLeft();
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 3; ++column) {
                if (row != 1 || column != 2)
                    cells << tipplace::onScreen(
                        table->viewport(), table->visualRect(table->model()->index(row, column)));
            }
        }
        break;
    }
    }
    if (refused) {
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return form;
        field = tipplace::onScreen(refused);
        corner = field.topLeft();
    }
    CToolTip::ShowText(corner, QStringLiteral("The Bit rate is not valid(range 0 or 32k-16384k)"),
                       nullptr);
    return form;
}

} // namespace

Q_DECLARE_METATYPE(TipForm)

void TestToolkitWidgets::toolTipLeavesTheWindowsInputsInSight_data()
{
    QTest::addColumn<TipForm>("kind");
    QTest::newRow("a count under a model box: the tip covers neither") << TipForm::FieldUnderAField;
    QTest::newRow("a short field at the right edge: the tip stays inside the form")
        << TipForm::FieldAtTheRightEdge;
    QTest::newRow("a cell of a table: the tip covers no other cell") << TipForm::TableCell;
}

void TestToolkitWidgets::toolTipLeavesTheWindowsInputsInSight()
{
    QFETCH(TipForm, kind);
    QRect field;
    QVector<QRect> cells;
    const std::unique_ptr<QWidget> form = showRefusal(kind, field, cells);
    QVERIFY(CToolTip::IsShowing());
    QCOMPARE(CToolTip::LastPosition(), field.topLeft());
    const QString fault = tipplace::misplaced(field, form.get(), cells);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestToolkitWidgets::toolTipAtAPointOfNoFieldStandsThere()
{
    // A tip its caller places: over a label, above the field it warns of.
    QWidget form;
    auto *grid = new QGridLayout(&form);
    grid->addWidget(new QLabel(QStringLiteral("Recommended focal length")), 0, 0);
    auto *focus = new QLineEdit;
    grid->addWidget(focus, 1, 0);
    form.setGeometry(200, 200, 300, 120);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QPoint point = focus->mapToGlobal(QPoint(23, -27));
    CToolTip::ShowText(point, QStringLiteral("Focal distance should larger than 4mm."), nullptr);
    QVERIFY(CToolTip::IsShowing());
    QCOMPARE(tipplace::shownTip()->frameGeometry().topLeft(), point);
}

void TestToolkitWidgets::baseDialogTitleAndCloseButton()
{
    CBaseDialog dlg;
    dlg.SetTitle(QStringLiteral("About"));
    QCOMPARE(dlg.GetTitle(), QStringLiteral("About"));
    QVERIFY(dlg.GetSetUpUiWidget());
    QVERIFY(dlg.windowFlags() & Qt::FramelessWindowHint);
    dlg.show();
    dlg.SetCloseBtnVisible(false);
    QVERIFY(!dlg.GetCloseBtn()->isVisible());
    dlg.SetCloseBtnVisible(true);
    QVERIFY(dlg.GetCloseBtn()->isVisible());
    QTest::mouseClick(dlg.GetCloseBtn(), Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QVERIFY(!dlg.isVisible());
}

void TestToolkitWidgets::closeButtonShowsACrossAndSaysClose()
{
    CBaseDialog dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QPushButton *close = dlg.GetCloseBtn();
    // Its text says what it does, for whoever shows or reads it instead of
    // the picture...
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QCOMPARE(close->toolTip(), QStringLiteral("Close"));
    // ...while it looks like a button with a cross on it.
    QPushButton cross(QStringLiteral("\u00D7"), dlg.GetTitleWidget());
    cross.setFixedSize(close->size());
    cross.setFocusPolicy(Qt::NoFocus);
    QCOMPARE(close->grab().toImage(), cross.grab().toImage());
}

void TestToolkitWidgets::tableWidgetRows()
{
    CTableWidget table;
    table.SetColumnCount(2);
    QCOMPARE(table.AddBottomLevelItem(), 0);
    QCOMPARE(table.AddBottomLevelItem(), 1);
    table.SetText(1, 1, QStringLiteral("L-0412, Orbis"));
    table.SetText(5, 0, QStringLiteral("ignored"));
    QCOMPARE(table.GetText(1, 1), QStringLiteral("L-0412, Orbis"));
    QVERIFY(!table.currentIndex().isValid());
    table.setCurrentIndex(table.model()->index(1, 0));
    QCOMPARE(table.currentIndex().row(), 1);
    table.Clear();
    QCOMPARE(table.RowCount(), 0);
    QCOMPARE(table.model()->columnCount(), 2);
}

void TestToolkitWidgets::comboBoxAddItem()
{
    CComboBox box;
    box.AddItem(QStringLiteral("KC-B21"), QStringLiteral("bullet"), 7);
    QCOMPARE(box.count(), 1);
    QCOMPARE(box.itemData(0).toInt(), 7);
    QCOMPARE(box.itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("bullet"));
}

QTEST_MAIN(TestToolkitWidgets)
#include "tst_toolkitwidgets.moc"
