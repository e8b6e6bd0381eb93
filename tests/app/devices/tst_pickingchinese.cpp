// With the Chinese interface and catalogue, the picking dialogs show Chinese
// texts: their own texts through the translations, the catalogue's through
// Task.db, and the class names an entry stores as the rest of the program
// reads them.

#include <AddDeviceWidget.h>
#include <DeviceParamWidget.h>
#include <ImportSolutionWidget.h>
#include <ParamModel.h>

#include "PickingSupport.h"

#include <ClassNames.h>
#include <TaskDeviceFile.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeView>
#include <QtTest>

using kiv::AddDeviceWidget;
using picking::hasHan;

class TestPickingChinese : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void addDeviceDialogIsChinese();
    void filterTreesAreChinese();
    void entryStoresTheChineseClassName_data();
    void entryStoresTheChineseClassName();
    void parameterSheetIsChinese();
    void importDialogIsChinese();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestPickingChinese::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    picking::useDemoFolder(*m_folder, 1);
    QVERIFY(kiv::TaskDataBase::GetInstance()->dbPath().endsWith(QLatin1String("/Task.db")));
}

void TestPickingChinese::addDeviceDialogIsChinese()
{
    AddDeviceWidget dialog(QStringLiteral("Site"));
    QVERIFY2(hasHan(dialog.GetTitle()), qPrintable(dialog.GetTitle()));
    auto *tabs = dialog.findChild<QTabWidget *>(QStringLiteral("pararmTabWidget"));
    for (int tab = 0; tab < tabs->count(); ++tab)
        QVERIFY2(hasHan(tabs->tabText(tab)), qPrintable(tabs->tabText(tab)));
    const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (!label->text().isEmpty())
            QVERIFY2(hasHan(label->text()), qPrintable(label->text()));
    }
    for (const char *name : {"btnReset"}) {
        const QString text = dialog.findChild<QPushButton *>(QLatin1String(name))->text();
        QVERIFY2(hasHan(text), qPrintable(text));
    }
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("combMainStream"));
    QVERIFY(hasHan(combo->itemText(combo->count() - 1)));
    // The Customize entry still opens the custom field.
    combo->setCurrentIndex(combo->count() - 1);
    QVERIFY(!dialog.findChild<QLineEdit *>(QStringLiteral("edtMainStream"))->isHidden());
}

void TestPickingChinese::filterTreesAreChinese()
{
    AddDeviceWidget dialog(QStringLiteral("Site"));
    for (int tab = 0; tab < 3; ++tab) {
        const kiv::ParamModel *model = dialog.paramModelOfTab(tab);
        QVERIFY(model->rowCount() > 0);
        for (int h = 0; h < model->rowCount(); ++h) {
            const QStandardItem *heading = model->item(h);
            QVERIFY2(hasHan(heading->text()), qPrintable(heading->text()));
            // The heading hidden in both languages stays hidden.
            QVERIFY(heading->text() != QString::fromUtf8("\u8BA2\u8D2D\u4FE1\u606F"));
            for (int g = 0; g < heading->rowCount(); ++g) {
                const QStandardItem *group = heading->child(g);
                QVERIFY2(hasHan(group->text()), qPrintable(group->text()));
                QVERIFY2(hasHan(group->child(0)->text()), qPrintable(group->child(0)->text()));
            }
        }
    }
}

void TestPickingChinese::entryStoresTheChineseClassName_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("deviceClass");
    QTest::newRow("a network camera") << 0 << int(kiv::NetworkCamera);
    QTest::newRow("a speed dome") << 1 << int(kiv::SpeedDome);
    QTest::newRow("a DVR") << 2 << int(kiv::Dvr);
}

void TestPickingChinese::entryStoresTheChineseClassName()
{
    QFETCH(int, tab);
    QFETCH(int, deviceClass);
    AddDeviceWidget dialog(QStringLiteral("Site"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.findChild<QTabWidget *>(QStringLiteral("pararmTabWidget"))->setCurrentIndex(tab);
    auto *view = dialog.findChild<QTreeView *>(QStringLiteral("devTreeView"));
    QVERIFY(view->model()->rowCount() > 0);
    const QModelIndex first = view->model()->index(0, 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(first).center());
    QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    DeviceInfo info;
    dialog.getDeviceInfo(info);
    QVERIFY2(hasHan(info.mainType), qPrintable(info.mainType));
    QCOMPARE(int(kiv::deviceClassOf(info.mainType)), deviceClass);
}

void TestPickingChinese::parameterSheetIsChinese()
{
    kiv::DeviceParamWidget sheet;
    QVERIFY(sheet.showDeviceParams(0, QStringLiteral("KC-B41")));
    QVERIFY(hasHan(sheet.GetTitle()));
    const QString text =
        sheet.findChild<QTextEdit *>(QStringLiteral("textEdit"))->document()->toPlainText();
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 10);
    QVERIFY2(hasHan(lines.first()), qPrintable(lines.first()));
    QVERIFY(lines.first().endsWith(QLatin1String("KC-B41")));
    // Headings and group names, every other cell of the table.
    int chinese = 0;
    for (const QString &line : lines)
        chinese += hasHan(line) ? 1 : 0;
    QVERIFY2(chinese * 2 > lines.size(), qPrintable(text));
}

void TestPickingChinese::importDialogIsChinese()
{
    QStringList types;
    QVERIFY(kiv::TaskDataBase::GetInstance()->getAllSolutionType(types));
    QVERIFY(!types.isEmpty());
    QVERIFY(hasHan(types.first()));
    kiv::ImportSolutionWidget dialog(types.first());
    QVERIFY(hasHan(dialog.GetTitle()));
    auto *industries = dialog.findChild<QComboBox *>(QStringLiteral("combIndustry"));
    QVERIFY(industries->count() > 0);
    for (int i = 0; i < industries->count(); ++i)
        QVERIFY2(hasHan(industries->itemText(i)), qPrintable(industries->itemText(i)));
    const QAbstractItemModel *scenes =
        dialog.findChild<QTreeView *>(QStringLiteral("treeScene"))->model();
    QVERIFY(scenes->rowCount() > 0);
    QVERIFY(hasHan(scenes->headerData(0, Qt::Horizontal).toString()));
    for (int r = 0; r < scenes->rowCount(); ++r)
        QVERIFY(hasHan(scenes->index(r, 0).data().toString()));
    const QAbstractItemModel *devices =
        dialog.findChild<QTreeView *>(QStringLiteral("treeDeviceType"))->model();
    QVERIFY(devices->rowCount() > 0);
    QVERIFY(hasHan(devices->headerData(0, Qt::Horizontal).toString()));
    QVERIFY(hasHan(devices->headerData(1, Qt::Horizontal).toString()));
    for (const char *name : {"btnPrevious", "btnFinish", "btnCancel"})
        QVERIFY(hasHan(dialog.findChild<QPushButton *>(QLatin1String(name))->text()));
    for (const char *name : {"labelIndustry", "labToolTip"})
        QVERIFY(hasHan(dialog.findChild<QLabel *>(QLatin1String(name))->text()));
    // The Chinese device lists still tell the classes apart.
    QCOMPARE(dialog.deviceKind(QStringLiteral("KD-08")), 1);
    QCOMPARE(dialog.deviceKind(QStringLiteral("KS-P230")), 2);
}

QTEST_MAIN(TestPickingChinese)
#include "tst_pickingchinese.moc"
