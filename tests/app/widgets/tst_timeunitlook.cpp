// The storage calculator's record-time unit as the running program draws
// it: the program's own start loads the skin and the style, so the skin's
// style sheets stand in front of the style as they do for the planner. The
// language of a process is fixed at its start, so each language runs in a
// child process of this test: the same program started with --look, which
// starts as the program's main() does and runs the checks as a test of its
// own.

#include <TimeUnitButton.h>
#include <ToolsApplication.h>
#include <Varnel.h>

#include "ProgramInChild.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QtTest>

#include <memory>

namespace {

const QColor kSkinRed(0x8b, 0x1a, 0x1a);

enum class Around { Nothing, KeyboardFocus, MouseOverAnotherSegment };

/// One segment's part of a picture of the whole button.
QImage segmentOf(const QImage &button, int segment)
{
    const int a = button.width() / 3;
    return button.copy(a * segment, 0, a, button.height());
}

/// A point of a segment's face clear of its letter: three pixels in from
/// its left edge, halfway down.
QPoint faceSpot(const QImage &segment)
{
    return {3, segment.height() / 2};
}

/// The share of pixels that differ by more than a quarter of the range in
/// some colour channel.
double shareChanged(const QImage &one, const QImage &other)
{
    if (one.size() != other.size() || one.isNull())
        return 0;
    int changed = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            const QRgb a = one.pixel(x, y);
            const QRgb b = other.pixel(x, y);
            if (qAbs(qRed(a) - qRed(b)) > 64 || qAbs(qGreen(a) - qGreen(b)) > 64 ||
                qAbs(qBlue(a) - qBlue(b)) > 64)
                ++changed;
        }
    }
    return double(changed) / (one.width() * one.height());
}

/// Pixels lighter (or darker) than a grey level: the strokes of a letter
/// against its face.
int pixelsWhere(const QImage &image, bool light)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            if (light ? grey > 200 : grey < 100)
                ++n;
        }
    }
    return n;
}

} // namespace

Q_DECLARE_METATYPE(Around)

/// The checks, run in the child on the main window of a started program.
class UnitLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { m_window.reset(); }
    void currentUnitStandsOut_data();
    void currentUnitStandsOut();

private:
    QImage picture() const
    {
        return m_unit->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    void leaveAlone();

    std::unique_ptr<kiv::Varnel> m_window;
    kivui::TimeUnitButton *m_unit = nullptr;
};

void UnitLook::initTestCase()
{
    // The program's start put its style sheets in front of the style.
    QVERIFY(!qApp->styleSheet().isEmpty());
    QCOMPARE(QApplication::palette().color(QPalette::Highlight), QColor(0xf4, 0xd9, 0xd9));
    m_window = std::make_unique<kiv::Varnel>();
    m_window->showCentred();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_unit = m_window->findChild<kivui::TimeUnitButton *>(QStringLiteral("btnRecordTime"));
    QVERIFY(m_unit);
    QVERIFY(m_unit->isVisible());
    QVERIFY(m_unit->width() >= 75);
}

void UnitLook::leaveAlone()
{
    m_unit->clearFocus();
    QTest::mouseMove(m_window.get(), QPoint(m_window->width() / 2, 60));
    QTRY_VERIFY(!m_unit->underMouse());
}

void UnitLook::currentUnitStandsOut_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<Around>("around");
    const char *const units[] = {"days", "weeks", "months"};
    for (int current = 0; current < 3; ++current) {
        QTest::addRow("%s are the unit", units[current]) << current << Around::Nothing;
        QTest::addRow("%s are the unit, the button has the keyboard focus", units[current])
            << current << Around::KeyboardFocus;
        QTest::addRow("%s are the unit, the mouse is over another segment", units[current])
            << current << Around::MouseOverAnotherSegment;
    }
}

void UnitLook::currentUnitStandsOut()
{
    QFETCH(int, current);
    QFETCH(Around, around);
    leaveAlone();
    // The same segments as the other units' picture shows them.
    m_unit->setCurrentButton((current + 1) % 3);
    const QImage otherUnit = picture();
    m_unit->setCurrentButton(current);
    const QImage plain = picture();

    switch (around) {
    case Around::Nothing:
        break;
    case Around::KeyboardFocus:
        m_unit->setFocus(Qt::TabFocusReason);
        m_window->setAttribute(Qt::WA_KeyboardFocusChange);
        QTRY_VERIFY(m_unit->hasFocus());
        break;
    case Around::MouseOverAnotherSegment: {
        const int other = (current + 2) % 3;
        const int a = m_unit->width() / 3;
        QTest::mouseMove(m_unit, QPoint(a * other + a / 2, m_unit->height() / 2));
        QTRY_VERIFY(m_unit->underMouse());
        break;
    }
    }
    const QImage shown = picture();
    leaveAlone();

    const QImage chosen = segmentOf(shown, current);
    QCOMPARE(chosen.pixelColor(faceSpot(chosen)), kSkinRed);
    // Its letter is light on the red.
    QVERIFY(pixelsWhere(chosen, true) >= 8);
    for (int segment = 0; segment < 3; ++segment) {
        if (segment == current)
            continue;
        const QImage other = segmentOf(shown, segment);
        QVERIFY2(qGray(other.pixel(faceSpot(other))) > 200, qPrintable(QString::number(segment)));
        QVERIFY(pixelsWhere(other, false) >= 8);
        QVERIFY2(shareChanged(chosen, other) > 0.6, qPrintable(QString::number(segment)));
    }
    // The segment is another sight when it is not the unit.
    QVERIFY(shareChanged(chosen, segmentOf(otherUnit, current)) > 0.6);
    // Focus and mouse change nothing: only the unit decides the look.
    QCOMPARE(shown, plain);
}

class TestTimeUnitLook : public QObject
{
    Q_OBJECT

private slots:
    void currentUnitStandsOutInTheProgram_data();
    void currentUnitStandsOutInTheProgram();
};

void TestTimeUnitLook::currentUnitStandsOutInTheProgram_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("in the English interface") << 0;
    QTest::newRow("in the Chinese interface") << 1;
}

void TestTimeUnitLook::currentUnitStandsOutInTheProgram()
{
    QFETCH(int, language);
    // A program folder as installed: catalogues, settings in the row's
    // language, the built plug-ins and catalogues of texts.
    const ChildProgramFolder folder(language);
    QVERIFY(folder.copyShippedData());
    ProgramInChild look{QStringLiteral("--look"), folder.root(), 0};
    look.setup.onScreens(folder.writeScreens());
    const ChildRun run = look.run();
    QVERIFY2(run.exited() && run.exitCode == 0,
             qPrintable(QString::fromUtf8(run.output) + QString::fromLocal8Bit(run.log)));
}

// The checks run as a test of their own in the child, once the start is
// over; what the start showed is in the child's output.
int lookMain(char *argv[])
{
    return ProgramInChild::start(argv, [](kiv::ToolsApplication &, bool started, QTextStream &) {
        if (!started)
            return 1;
        UnitLook look;
        return QTest::qExec(&look, QStringList{QCoreApplication::applicationFilePath()});
    });
}

int main(int argc, char *argv[])
{
    if (ProgramInChild::isChild(argc, argv, "--look"))
        return lookMain(argv);
    QApplication app(argc, argv);
    TestTimeUnitLook test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_timeunitlook.moc"
