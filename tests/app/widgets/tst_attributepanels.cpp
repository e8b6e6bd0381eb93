// The accessory tiles of the accessory panel: the attribute line with its
// edit and clear buttons, and the titled tile that shows it or an add
// button.
#include <AttributeFrame.h>
#include <ExpandAttributePannel.h>

#include "ProgramFolder.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using kivui::AttributeFrame;
using kivui::ExpandAttributePannel;

namespace {

QPushButton *button(const QWidget *parent, const char *name)
{
    return parent->findChild<QPushButton *>(QString::fromLatin1(name));
}

} // namespace

class TestAttributePanels : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lineShowsNameAndCount_data();
    void lineShowsNameAndCount();
    void clearEmptiesTheTextAndKeepsTheValues();
    void lineIsLaidOutFromItsCorner();
    void lineButtonsSignal();

    void tileStartsWithItsAddButton();
    void titleIgnoresAnEmptyText();
    void attributeReplacesTheAddButton();
    void emptyNameChangesNothing();
    void clearButtonResetsTheTileThenSignals();
    void addAndEditOnlySignal();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestAttributePanels::init()
{
    m_folder = std::make_unique<ProgramFolder>();
}

void TestAttributePanels::cleanup()
{
    m_folder.reset();
}

void TestAttributePanels::lineShowsNameAndCount_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("Bracket with 3 reads Bracket X3")
        << QStringLiteral("Bracket") << 3 << QStringLiteral("Bracket X3");
    QTest::newRow("a count of 1000 is written out")
        << QStringLiteral("Fixed") << 1000 << QStringLiteral("Fixed X1000");
    QTest::newRow("a stored count of 0 is shown as it is")
        << QStringLiteral("Housing") << 0 << QStringLiteral("Housing X0");
    QTest::newRow("Chinese types keep their text")
        << QStringLiteral("壁装支架") << 2 << QStringLiteral("壁装支架 X2");
}

void TestAttributePanels::lineShowsNameAndCount()
{
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QString, text);
    AttributeFrame line;
    line.setAttribute(name, count);
    QCOMPARE(line.text(), text);
    QCOMPARE(line.name(), name);
    QCOMPARE(line.count(), count);
}

void TestAttributePanels::clearEmptiesTheTextAndKeepsTheValues()
{
    AttributeFrame line;
    line.setAttribute(QStringLiteral("Bracket"), 3);
    line.clear();
    QCOMPARE(line.text(), QString());
    QCOMPARE(line.name(), QStringLiteral("Bracket"));
    QCOMPARE(line.count(), 3);
}

void TestAttributePanels::lineIsLaidOutFromItsCorner()
{
    AttributeFrame line;
    line.resize(200, 100);
    line.show();
    QVERIFY(QTest::qWaitForWindowExposed(&line));
    QCOMPARE(button(&line, "m_clearButton")->geometry(), QRect(184, 5, 16, 16));
    QCOMPARE(button(&line, "m_editButton")->geometry(), QRect(168, 5, 16, 16));
    const auto *label = line.findChild<QLabel *>(QStringLiteral("m_attributeLabel"));
    QCOMPARE(label->geometry(), QRect(0, 26, 200, 73));
    QVERIFY(label->wordWrap());
    QCOMPARE(label->alignment(), Qt::AlignHCenter | Qt::AlignTop);
}

void TestAttributePanels::lineButtonsSignal()
{
    AttributeFrame line;
    line.resize(200, 100);
    line.show();
    QSignalSpy edit(&line, &AttributeFrame::signalEdit);
    QSignalSpy clear(&line, &AttributeFrame::signalClear);
    QTest::mouseClick(button(&line, "m_editButton"), Qt::LeftButton);
    QCOMPARE(edit.size(), 1);
    QCOMPARE(clear.size(), 0);
    QTest::mouseClick(button(&line, "m_clearButton"), Qt::LeftButton);
    QCOMPARE(edit.size(), 1);
    QCOMPARE(clear.size(), 1);
}

void TestAttributePanels::tileStartsWithItsAddButton()
{
    ExpandAttributePannel tile;
    tile.show();
    QVERIFY(!tile.hasAttribute());
    QVERIFY(button(&tile, "m_addButton")->isVisible());
    QVERIFY(!tile.attributeFrame()->isVisible());
    const auto *title = tile.findChild<QLabel *>(QStringLiteral("m_titleLabel"));
    QCOMPARE(title->height(), 35);
    // The title sits under the display frame.
    QVERIFY(title->y() > tile.findChild<QFrame *>(QStringLiteral("m_displayFrame"))->y());
}

void TestAttributePanels::titleIgnoresAnEmptyText()
{
    ExpandAttributePannel tile;
    tile.setTitle(QStringLiteral("Bracket"));
    tile.setTitle(QString());
    QCOMPARE(tile.title(), QStringLiteral("Bracket"));
}

void TestAttributePanels::attributeReplacesTheAddButton()
{
    ExpandAttributePannel tile;
    tile.show();
    tile.setAttribute(QStringLiteral("Bracket"), 3);
    QVERIFY(tile.hasAttribute());
    QVERIFY(tile.attributeFrame()->isVisible());
    QVERIFY(!button(&tile, "m_addButton")->isVisible());
    QCOMPARE(tile.attributeFrame()->text(), QStringLiteral("Bracket X3"));
}

void TestAttributePanels::emptyNameChangesNothing()
{
    ExpandAttributePannel empty;
    empty.setAttribute(QString(), 4);
    QVERIFY(!empty.hasAttribute());

    ExpandAttributePannel set;
    set.setAttribute(QStringLiteral("Bracket"), 3);
    set.setAttribute(QString(), 4);
    QVERIFY(set.hasAttribute());
    QCOMPARE(set.attributeFrame()->text(), QStringLiteral("Bracket X3"));
}

void TestAttributePanels::clearButtonResetsTheTileThenSignals()
{
    ExpandAttributePannel tile;
    tile.show();
    tile.setAttribute(QStringLiteral("Bracket"), 3);
    bool addStateWhenSignalled = false;
    connect(&tile, &ExpandAttributePannel::signalClear, this, [&] {
        addStateWhenSignalled = !tile.hasAttribute() && button(&tile, "m_addButton")->isVisible();
    });
    QSignalSpy cleared(&tile, &ExpandAttributePannel::signalClear);
    QTest::mouseClick(button(tile.attributeFrame(), "m_clearButton"), Qt::LeftButton);
    QCOMPARE(cleared.size(), 1);
    QVERIFY(addStateWhenSignalled);
    QCOMPARE(tile.attributeFrame()->text(), QString());
}

void TestAttributePanels::addAndEditOnlySignal()
{
    ExpandAttributePannel tile;
    tile.show();
    QSignalSpy add(&tile, &ExpandAttributePannel::signalAdd);
    QSignalSpy edit(&tile, &ExpandAttributePannel::editSignal);
    QTest::mouseClick(button(&tile, "m_addButton"), Qt::LeftButton);
    QCOMPARE(add.size(), 1);
    QVERIFY(!tile.hasAttribute());

    tile.setAttribute(QStringLiteral("Bracket"), 3);
    QTest::mouseClick(button(tile.attributeFrame(), "m_editButton"), Qt::LeftButton);
    QCOMPARE(edit.size(), 1);
    QCOMPARE(tile.attributeFrame()->text(), QStringLiteral("Bracket X3"));
}

QTEST_MAIN(TestAttributePanels)
#include "tst_attributepanels.moc"
