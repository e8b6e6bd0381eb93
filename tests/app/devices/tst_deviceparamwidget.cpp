// The parameter sheet of a device type over the demo catalogue: its rows,
// value texts and look, and no sheet for a type the catalogue lacks.

#include <DeviceParamWidget.h>

#include "PickingSupport.h"

#include <Widgets.h>

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QtTest>

namespace {

struct SheetRow
{
    QString first;
    QString second;
    bool heading = false;
};

QString cellText(const QTextTableCell &cell)
{
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

QTextTable *sheetTable(QTextDocument *document)
{
    const QList<QTextFrame *> frames = document->rootFrame()->childFrames();
    for (QTextFrame *frame : frames) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            return table;
    }
    return nullptr;
}

QList<SheetRow> sheetRows(QTextTable *table)
{
    QList<SheetRow> rows;
    for (int r = 0; r < table->rows(); ++r) {
        SheetRow row;
        const QTextTableCell first = table->cellAt(r, 0);
        row.heading = first.columnSpan() == 2;
        row.first = cellText(first);
        if (!row.heading)
            row.second = cellText(table->cellAt(r, 1));
        rows << row;
    }
    return rows;
}

using Pairs = QList<QPair<QString, QString>>;

} // namespace

class TestDeviceParamWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void valueTexts_data();
    void valueTexts();
    void sheetOfEachClass_data();
    void sheetOfEachClass();
    void headingRowsAreGreyAndGroupRowsWhite();
    void aTypeTheCatalogueLacksShowsNoSheet_data();
    void aTypeTheCatalogueLacksShowsNoSheet();
    void showModalRunsTheFilledSheet();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestDeviceParamWidget::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    picking::useDemoFolder(*m_folder, 0);
}

void TestDeviceParamWidget::valueTexts_data()
{
    QTest::addColumn<QVector<ParamItem>>("items");
    QTest::addColumn<QString>("expected");

    auto item = [](const char *text, int kind, const char *unit, const char *upper) {
        ParamItem i;
        i.text = QString::fromUtf8(text);
        i.kind = kind;
        i.unit = QString::fromUtf8(unit);
        i.upperUnit = QString::fromUtf8(upper);
        return i;
    };
    QTest::newRow("a range puts each unit after its bound")
        << QVector<ParamItem>{item("2.8~12", 3, "mm", "mm")} << QStringLiteral("2.8mm~12mm;");
    QTest::newRow("a range takes the second unit after the high bound")
        << QVector<ParamItem>{item("10~50", 3, "m", "km")} << QStringLiteral("10m~50km;");
    QTest::newRow("two plain values without unit")
        << QVector<ParamItem>{item("720P", 1, "", ""), item("1080P", 1, "", "")}
        << QStringLiteral("720P;1080P;");
    QTest::newRow("a plain value is followed by its unit")
        << QVector<ParamItem>{item("0.01", 1, "Lux", "")} << QStringLiteral("0.01Lux;");
    QTest::newRow("a range with more than one ~ is shown as it is")
        << QVector<ParamItem>{item("1~2~3", 3, "mm", "mm")} << QStringLiteral("1~2~3;");
    QTest::newRow("a range without ~ is shown without units")
        << QVector<ParamItem>{item("12", 3, "mm", "mm")} << QStringLiteral("12;");
    QTest::newRow("an empty bound keeps its unit")
        << QVector<ParamItem>{item("~8", 3, "mm", "mm")} << QStringLiteral("mm~8mm;");
    QTest::newRow("a group without values is empty") << QVector<ParamItem>{} << QString();
}

void TestDeviceParamWidget::valueTexts()
{
    QFETCH(QVector<ParamItem>, items);
    QFETCH(QString, expected);
    QCOMPARE(kiv::DeviceParamWidget::valueText(items), expected);
}

void TestDeviceParamWidget::sheetOfEachClass_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QString>("deviceType");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<int>("rows");
    QTest::addColumn<Pairs>("someRows");

    // Headings in code order, groups under each in text order; every row
    // worked out from the model's rows of the demo catalogue.
    QTest::newRow("a network camera")
        << 0 << QStringLiteral("KC-B21")
        << QStringList{QStringLiteral("Ordering Information"),
                       QStringLiteral("Camera"),
                       QStringLiteral("Lens"),
                       QStringLiteral("Video"),
                       QStringLiteral("Network"),
                       QStringLiteral("Environment")}
        << 6 + 17
        << Pairs{{QStringLiteral("Supported Stands"),
                  QStringLiteral("Wall Mount Bracket KA-W10;Pole Mount Adapter KA-P10;"
                                 "Junction Box KA-J10;")},
                 {QStringLiteral("IR Range"), QStringLiteral("0m~30m;")},
                 {QStringLiteral("Minimum Illumination"), QStringLiteral("0.01Lux;")},
                 {QStringLiteral("Focal Length"), QStringLiteral("4mm;")},
                 {QStringLiteral("Video Compression"), QStringLiteral("H.264;H.265;")},
                 {QStringLiteral("Power Supply"), QStringLiteral("12 VDC;PoE (802.3af);")},
                 {QStringLiteral("Operating Temperature"),
                  QString::fromUtf8("-30\u00B0C~60\u00B0C;")}};
    QTest::newRow("a DVR")
        << 1 << QStringLiteral("KD-04")
        << QStringList{QStringLiteral("Ordering Information"), QStringLiteral("Inputs"),
                       QStringLiteral("Recording"), QStringLiteral("Storage"),
                       QStringLiteral("Interfaces")}
        << 5 + 11
        << Pairs{{QStringLiteral("Device Type"), QStringLiteral("DVR;")},
                 {QStringLiteral("Analog Video Inputs"), QStringLiteral("4ch;")},
                 {QStringLiteral("Recording Resolution"), QStringLiteral("WD1;4CIF;CIF;QCIF;")},
                 {QStringLiteral("Recording Frame Rate"),
                  QStringLiteral("1/16fps;1/8fps;1/4fps;1/2fps;1fps;6fps;12fps;25fps;30fps;")},
                 {QStringLiteral("Max Capacity per HDD"), QStringLiteral("4TB;")},
                 {QStringLiteral("Video Output"), QStringLiteral("VGA;CVBS;")}};
    QTest::newRow("a speed dome")
        << 2 << QStringLiteral("KS-P220")
        << QStringList{QStringLiteral("Ordering Information"), QStringLiteral("Camera"),
                       QStringLiteral("Pan and Tilt"), QStringLiteral("Video"),
                       QStringLiteral("Environment")}
        << 5 + 15
        << Pairs{{QStringLiteral("Optical Zoom"), QStringLiteral("20x;")},
                 {QStringLiteral("Focal Length"), QStringLiteral("4.8mm~96mm;")},
                 {QStringLiteral("Pan Range"), QStringLiteral("360, endless;")},
                 {QStringLiteral("Pan Speed"), QString::fromUtf8("0.1\u00B0/s~160\u00B0/s;")},
                 {QStringLiteral("Image Enhancement"), QStringLiteral("Defog;")}};
}

void TestDeviceParamWidget::sheetOfEachClass()
{
    QFETCH(int, deviceClass);
    QFETCH(QString, deviceType);
    QFETCH(QStringList, headings);
    QFETCH(int, rows);
    QFETCH(Pairs, someRows);

    kiv::DeviceParamWidget sheet;
    QVERIFY(sheet.showDeviceParams(deviceClass, deviceType));
    auto *edit = sheet.findChild<KavrinGUIToolkit::CTextEdit *>(QStringLiteral("textEdit"));
    QVERIFY(edit);
    QVERIFY(edit->isReadOnly());
    QCOMPARE(sheet.GetTitle(), QStringLiteral("Parameter list"));
    QCOMPARE(sheet.size(), QSize(720, 600));
    QCOMPARE(edit->document()->firstBlock().text(), QStringLiteral("Device Type: ") + deviceType);

    QTextTable *table = sheetTable(edit->document());
    QVERIFY(table);
    QCOMPARE(table->columns(), 2);
    const QList<SheetRow> shown = sheetRows(table);
    QCOMPARE(shown.size(), rows);
    QStringList shownHeadings;
    QMap<QString, QString> groups;
    QString lastGroup;
    for (const SheetRow &row : shown) {
        if (row.heading) {
            shownHeadings << row.first;
            lastGroup.clear();
            continue;
        }
        // Groups under a heading come in text order.
        QVERIFY2(lastGroup < row.first, qPrintable(row.first));
        lastGroup = row.first;
        groups.insert(row.first, row.second);
    }
    QCOMPARE(shownHeadings, headings);
    for (const auto &pair : someRows)
        QCOMPARE(groups.value(pair.first), pair.second);
}

void TestDeviceParamWidget::headingRowsAreGreyAndGroupRowsWhite()
{
    kiv::DeviceParamWidget sheet;
    QVERIFY(sheet.showDeviceParams(0, QStringLiteral("KC-D21")));
    auto *edit = sheet.findChild<KavrinGUIToolkit::CTextEdit *>(QStringLiteral("textEdit"));
    QTextTable *table = sheetTable(edit->document());
    QVERIFY(table);
    QCOMPARE(table->format().columnWidthConstraints().value(0),
             QTextLength(QTextLength::FixedLength, 300));
    QCOMPARE(table->cellAt(0, 0).format().background().color(), QColor(210, 210, 210));
    QCOMPARE(table->cellAt(1, 0).format().background().color(), QColor(255, 255, 255));
    QCOMPARE(table->cellAt(1, 1).format().background().color(), QColor(255, 255, 255));
}

void TestDeviceParamWidget::aTypeTheCatalogueLacksShowsNoSheet_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QString>("deviceType");
    QTest::newRow("a model of no catalogue") << 0 << QStringLiteral("KC-Z99");
    QTest::newRow("a camera asked for as a DVR") << 1 << QStringLiteral("KC-B21");
    QTest::newRow("an empty type") << 0 << QString();
    QTest::newRow("a class the catalogue does not know") << 7 << QStringLiteral("KC-B21");
}

void TestDeviceParamWidget::aTypeTheCatalogueLacksShowsNoSheet()
{
    QFETCH(int, deviceClass);
    QFETCH(QString, deviceType);
    kiv::DeviceParamWidget sheet;
    QVERIFY(!sheet.showDeviceParams(deviceClass, deviceType));
    auto *edit = sheet.findChild<KavrinGUIToolkit::CTextEdit *>(QStringLiteral("textEdit"));
    QVERIFY(edit->document()->isEmpty());
    // No dialog is run for it either.
    QVERIFY(!kiv::DeviceParamWidget::showModal(deviceClass, deviceType));
}

void TestDeviceParamWidget::showModalRunsTheFilledSheet()
{
    QObject context;
    int shown = 0;
    QString firstLine;
    whenModal<kiv::DeviceParamWidget>(&context, [&](kiv::DeviceParamWidget *sheet) {
        ++shown;
        auto *edit = sheet->findChild<KavrinGUIToolkit::CTextEdit *>(QStringLiteral("textEdit"));
        firstLine = edit->document()->firstBlock().text();
        sheet->close();
    });
    QVERIFY(kiv::DeviceParamWidget::showModal(2, QStringLiteral("KS-P430")));
    QCOMPARE(shown, 1);
    QCOMPARE(firstLine, QStringLiteral("Device Type: KS-P430"));
}

QTEST_MAIN(TestDeviceParamWidget)
#include "tst_deviceparamwidget.moc"
