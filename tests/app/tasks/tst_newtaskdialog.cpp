#include <ImportSolutionWidget.h>
#include <NewTaskWidget.h>

#include "AppCatalogue.h"
#include "ModalDriver.h"
#include "ProgramFolder.h"

#include <TaskListFile.h>
#include <TaskName.h>
#include <ToolTip.h>
#include <Widgets.h>

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

using kiv::NewTaskWidget;

namespace {

void addTasks(const QStringList &names)
{
    TaskListFile file;
    for (const QString &name : names) {
        TaskInfo task;
        task.name = name;
        task.type = 1;
        task.videoStandard = 1;
        QVERIFY(file.addTask(task));
    }
    QVERIFY(file.close());
}

template <typename T> T *child(const QWidget &w, const char *name)
{
    return w.findChild<T *>(QLatin1String(name));
}

} // namespace

class TestNewTaskDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void nameChecks_data();
    void nameChecks();
    void typeAndStandardLists();
    void solutionTypeTurnsConfirmIntoNextAndBack();
    void editModeKeepsTypeAndStandard();
    void editModeAcceptsItsOwnNameOnly();
    void editModeCutsAStoredDescriptionTo64();
    void typedSixtyFifthCharacterIsRemoved();
    void pasteKeepsOnlyWhatFits();
    void enterDoesNotBreakTheDescription();
    void typedEmojiIsKeptOrDroppedWhole_data();
    void typedEmojiIsKeptOrDroppedWhole();
    void editModeKeepsAStoredEmojiWhole();

private:
    void setName(NewTaskWidget &dialog, const QString &name);

    std::unique_ptr<AppCatalogue> m_catalogue;
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestNewTaskDialog::initTestCase()
{
    m_catalogue = std::make_unique<AppCatalogue>();
}

void TestNewTaskDialog::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    KavrinGUIToolkit::CToolTip::HideTipImmediately();
}

void TestNewTaskDialog::cleanup()
{
    m_folder.reset();
}

void TestNewTaskDialog::setName(NewTaskWidget &dialog, const QString &name)
{
    auto *edit = child<QLineEdit>(dialog, "editTaskName");
    QVERIFY(edit);
    edit->setText(name);
}

void TestNewTaskDialog::nameChecks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("tip");    // empty: accepted
    QTest::addColumn<QString>("stored"); // the name the task gets

    const QString invalid = QStringLiteral("The task name is invalid");
    const QString illegal = QStringLiteral("The name contains illegal character");
    const QString reserved = QStringLiteral("Reserved task name can not be added.");
    QTest::newRow("a plain name") << QStringLiteral("East gate") << QString()
                                  << QStringLiteral("East gate");
    QTest::newRow("blanks at both ends are dropped")
        << QStringLiteral("  East gate  ") << QString() << QStringLiteral("East gate");
    QTest::newRow("Chinese") << QStringLiteral("东门") << QString() << QStringLiteral("东门");
    QTest::newRow("the empty name") << QString() << invalid << QString();
    QTest::newRow("blanks only") << QStringLiteral("    ") << invalid << QString();
    QTest::newRow("the word Task") << QStringLiteral("Task") << invalid << QString();
    QTest::newRow("task in lower case")
        << QStringLiteral("task") << QString() << QStringLiteral("task");
    QTest::newRow("Task with a digit")
        << QStringLiteral("Task2") << QString() << QStringLiteral("Task2");
    QTest::newRow("a slash") << QStringLiteral("a/b") << illegal << QString();
    QTest::newRow("a backslash") << QStringLiteral("a\\b") << illegal << QString();
    QTest::newRow("a colon") << QStringLiteral("a:b") << illegal << QString();
    QTest::newRow("a question mark") << QStringLiteral("why?") << illegal << QString();
    QTest::newRow("a vertical bar") << QStringLiteral("a|b") << illegal << QString();
    QTest::newRow("a character no file can hold")
        << QStringLiteral("a\uFFFFb") << invalid << QString();
    QTest::newRow("a control character") << QStringLiteral("a\u0007b") << invalid << QString();
    QTest::newRow("a name another task has") << QStringLiteral("Lobby") << reserved << QString();
    QTest::newRow("another task's name with blanks")
        << QStringLiteral(" Lobby ") << reserved << QString();
    QTest::newRow("the same word in another case is another name")
        << QStringLiteral("lobby") << QString() << QStringLiteral("lobby");
}

void TestNewTaskDialog::nameChecks()
{
    QFETCH(QString, typed);
    QFETCH(QString, tip);
    QFETCH(QString, stored);
    addTasks({QStringLiteral("Lobby")});
    // Both ways of confirming a new task check the name alike: "Confirm" for a
    // custom task, "Next" on the way to a solution.
    for (const bool solution : {false, true}) {
        NewTaskWidget dialog;
        if (solution) {
            auto *types = child<QComboBox>(dialog, "combTaskType");
            QVERIFY(types->count() > 1);
            types->setCurrentIndex(1);
        }
        dialog.show();
        setName(dialog, typed);
        KavrinGUIToolkit::CToolTip::HideTipImmediately();
        // A name that passes on the way to a solution opens the import
        // dialog; finishing it accepts the task.
        if (solution) {
            whenModal<kiv::ImportSolutionWidget>(&dialog, [](kiv::ImportSolutionWidget *import) {
                import->findChild<QPushButton *>(QStringLiteral("btnFinish"))->click();
            });
        }
        dialog.GetConfirmBtn()->click();
        QCOMPARE(KavrinGUIToolkit::CToolTip::CurrentText(), tip);
        QCOMPARE(dialog.result(), tip.isEmpty() ? int(QDialog::Accepted) : 0);
        if (tip.isEmpty()) {
            TaskInfo info;
            dialog.getTaskInfo(info);
            QCOMPARE(info.name, stored);
            QVERIFY(isValidTaskName(info.name));
            QCOMPARE(info.type, solution ? 1 : 0);
        } else {
            QVERIFY(dialog.isVisible());
            QCOMPARE(KavrinGUIToolkit::CToolTip::LastPosition(),
                     child<QLineEdit>(dialog, "editTaskName")->mapToGlobal(QPoint(0, 0)));
        }
    }
}

void TestNewTaskDialog::typeAndStandardLists()
{
    NewTaskWidget dialog;
    auto *types = child<QComboBox>(dialog, "combTaskType");
    QStringList shown;
    for (int i = 0; i < types->count(); ++i)
        shown << types->itemText(i);
    // "Custum Solution" first, then the catalogue's types in its order.
    QCOMPARE(shown, (QStringList{QStringLiteral("Custum Solution"), QStringLiteral("Cloud"),
                                 QStringLiteral("Hybrid"), QStringLiteral("Network"),
                                 QStringLiteral("Analog")}));
    auto *standards = child<QComboBox>(dialog, "combVideoStandard");
    QCOMPARE(standards->count(), 2);
    QCOMPARE(standards->itemText(0), QStringLiteral("PAL"));
    QCOMPARE(standards->itemData(0).toInt(), 1);
    QCOMPARE(standards->itemText(1), QStringLiteral("NTSC"));
    QCOMPARE(standards->itemData(1).toInt(), 2);
    QCOMPARE(dialog.size(), QSize(480, 420));

    standards->setCurrentIndex(1);
    setName(dialog, QStringLiteral("Yard"));
    child<QTextEdit>(dialog, "textDescription")->setPlainText(QStringLiteral("two cameras"));
    dialog.GetConfirmBtn()->click();
    TaskInfo info;
    dialog.getTaskInfo(info);
    QCOMPARE(info.videoStandard, 1);
    QCOMPARE(info.type, 0);
    QCOMPARE(info.remark, QStringLiteral("two cameras"));
}

void TestNewTaskDialog::solutionTypeTurnsConfirmIntoNextAndBack()
{
    NewTaskWidget dialog;
    dialog.show();
    auto *types = child<QComboBox>(dialog, "combTaskType");
    auto *hint = child<QLabel>(dialog, "labelSolutionDescription");
    QVERIFY(!hint->isVisible());
    QVERIFY(!child<QCheckBox>(dialog, "checkSolution")->isVisible());
    types->setCurrentIndex(2);
    QCOMPARE(dialog.GetConfirmBtn()->text(), QStringLiteral("Next"));
    QVERIFY(hint->isVisible());
    types->setCurrentIndex(0);
    QCOMPARE(dialog.GetConfirmBtn()->text(), QStringLiteral("Confirm"));
    QVERIFY(!hint->isVisible());
}

void TestNewTaskDialog::editModeKeepsTypeAndStandard()
{
    NewTaskWidget dialog;
    TaskInfo info;
    info.name = QStringLiteral("Lobby");
    info.type = 3;
    info.videoStandard = 1;
    info.remark = QStringLiteral("ground floor");
    dialog.setTaskInfo(info);
    auto *types = child<QComboBox>(dialog, "combTaskType");
    auto *standards = child<QComboBox>(dialog, "combVideoStandard");
    QVERIFY(!types->isEnabled());
    QVERIFY(!standards->isEnabled());
    QCOMPARE(types->currentIndex(), 3);
    QCOMPARE(standards->currentIndex(), 1);
    QCOMPARE(dialog.GetConfirmBtn()->text(), QStringLiteral("Confirm"));
    dialog.GetConfirmBtn()->click();
    TaskInfo back;
    dialog.getTaskInfo(back);
    QCOMPARE(back.type, 3);
    QCOMPARE(back.videoStandard, 1);
    QCOMPARE(back.remark, QStringLiteral("ground floor"));
}

void TestNewTaskDialog::editModeAcceptsItsOwnNameOnly()
{
    addTasks({QStringLiteral("Lobby"), QStringLiteral("Yard")});
    NewTaskWidget dialog;
    TaskInfo info;
    info.name = QStringLiteral("Lobby");
    dialog.setTaskInfo(info);
    dialog.show();
    setName(dialog, QStringLiteral("Yard"));
    dialog.GetConfirmBtn()->click();
    QCOMPARE(KavrinGUIToolkit::CToolTip::CurrentText(),
             QStringLiteral("Reserved task name can not be added."));
    QVERIFY(dialog.isVisible());
    setName(dialog, QStringLiteral("Lobby"));
    dialog.GetConfirmBtn()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestNewTaskDialog::editModeCutsAStoredDescriptionTo64()
{
    NewTaskWidget dialog;
    TaskInfo info;
    info.name = QStringLiteral("Lobby");
    info.remark = QString(70, QLatin1Char('x')) + QStringLiteral("END");
    dialog.setTaskInfo(info);
    dialog.GetConfirmBtn()->click();
    TaskInfo back;
    dialog.getTaskInfo(back);
    QCOMPARE(back.remark, QString(64, QLatin1Char('x')));
}

void TestNewTaskDialog::typedSixtyFifthCharacterIsRemoved()
{
    NewTaskWidget dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *text = child<QTextEdit>(dialog, "textDescription");
    text->setPlainText(QString(64, QLatin1Char('a')));
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(10);
    text->setTextCursor(cursor);
    QTest::keyClicks(text, QStringLiteral("Z"));
    QCOMPARE(text->toPlainText(), QString(64, QLatin1Char('a')));
    QCOMPARE(text->textCursor().position(), 10);
}

void TestNewTaskDialog::pasteKeepsOnlyWhatFits()
{
    NewTaskWidget dialog;
    dialog.show();
    auto *text = child<QTextEdit>(dialog, "textDescription");
    text->setPlainText(QString(60, QLatin1Char('a')));
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(60);
    text->setTextCursor(cursor);
    text->insertPlainText(QStringLiteral("0123456789"));
    QCOMPARE(text->toPlainText(), QString(60, QLatin1Char('a')) + QStringLiteral("0123"));
    QCOMPARE(text->textCursor().position(), 64);
}

void TestNewTaskDialog::enterDoesNotBreakTheDescription()
{
    NewTaskWidget dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *text = child<QTextEdit>(dialog, "textDescription");
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("ab"));
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClick(text, Qt::Key_Enter);
    QTest::keyClicks(text, QStringLiteral("c"));
    QCOMPARE(text->toPlainText(), QStringLiteral("abc"));
    QVERIFY(dialog.isVisible());
}

void TestNewTaskDialog::typedEmojiIsKeptOrDroppedWhole_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("kept");
    QTest::newRow("an emoji as the 64th character is kept") << 63 << true;
    QTest::newRow("an emoji as the 65th character is dropped") << 64 << false;
}

void TestNewTaskDialog::typedEmojiIsKeptOrDroppedWhole()
{
    QFETCH(int, before);
    QFETCH(bool, kept);
    const QString camera = QString::fromUtf8("\xF0\x9F\x93\xB7");
    NewTaskWidget dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    setName(dialog, QStringLiteral("Lobby"));
    auto *text = child<QTextEdit>(dialog, "textDescription");
    text->setPlainText(QString(before, QLatin1Char('a')));
    text->moveCursor(QTextCursor::End);
    text->setFocus();
    // One key press that types the whole character, as an input method does.
    QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, camera, Qt::NoModifier);
    const QString expected = QString(before, QLatin1Char('a')) + (kept ? camera : QString());
    QCOMPARE(text->toPlainText(), expected);
    QCOMPARE(text->textCursor().position(), int(expected.size()));
    dialog.GetConfirmBtn()->click();
    TaskInfo back;
    dialog.getTaskInfo(back);
    QCOMPARE(back.remark, expected);
    QVERIFY(!back.remark.contains(QChar(QChar::ReplacementCharacter)));
}

void TestNewTaskDialog::editModeKeepsAStoredEmojiWhole()
{
    const QString camera = QString::fromUtf8("\xF0\x9F\x93\xB7");
    NewTaskWidget dialog;
    TaskInfo info;
    info.name = QStringLiteral("Lobby");
    info.remark = QString(63, QLatin1Char('x')) + camera + QStringLiteral("END");
    dialog.setTaskInfo(info);
    dialog.GetConfirmBtn()->click();
    TaskInfo back;
    dialog.getTaskInfo(back);
    QCOMPARE(back.remark, QString(63, QLatin1Char('x')) + camera);
}

QTEST_MAIN(TestNewTaskDialog)
#include "tst_newtaskdialog.moc"
