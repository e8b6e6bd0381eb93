#include <AddDeviceWidget.h>
#include <CalculateManagerWidget.h>
#include <DeviceStreamWidget.h>
#include <RecordPlanConfig.h>
#include <SkinLoader.h>
#include <Varnel.h>

#include "ProgramFolder.h"

#include <File.h>
#include <WarningDlg.h>

#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The forms carry no style sheets of their own: the skin's sheets address
// their widgets by object name. A form whose names drift from the skin's, or
// a rule that another of the skin's rules outweighs, loses its look without
// any other sign; these checks read the colours the skin's rules give.

namespace {

enum class Form { AddDevice, MainWindow, RecordPlan, MessageOverRecordPlan, Streams };
enum class Spot {
    /// The left edge, halfway down.
    LeftEdge,
    /// Three pixels in from the left edge, halfway down.
    LeftInset,
    /// Twenty pixels in from the left edge, halfway down.
    LeftFace,
    /// Four pixels in from the right edge, halfway down.
    RightInset,
    /// The one-pixel gap above the calculator pane.
    AboveCalculator,
};

QPoint spotIn(const QWidget *widget, Spot spot)
{
    const int middle = widget->height() / 2;
    switch (spot) {
    case Spot::LeftEdge:
        return {0, middle};
    case Spot::LeftInset:
        return {3, middle};
    case Spot::LeftFace:
        return {20, middle};
    case Spot::RightInset:
        return {widget->width() - 4, middle};
    case Spot::AboveCalculator:
        break;
    }
    const QWidget *calculator = widget->findChild<kiv::CalculateManagerWidget *>();
    return calculator->geometry().topLeft() + QPoint(20, -1);
}

} // namespace

Q_DECLARE_METATYPE(Form)
Q_DECLARE_METATYPE(Spot)

class TestSkinForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void skinDressesTheForms_data();
    void skinDressesTheForms();
    void addStreamButtonLightsWhenFocused();

private:
    /// Builds and shows @p form; the widget to look at stays owned here.
    QWidget *show(Form form);

    std::unique_ptr<ProgramFolder> m_folder;
    std::vector<std::unique_ptr<QWidget>> m_shown;
};

void TestSkinForms::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    // As the program starts: the skin plug-in brings the style sheets, the
    // application reads all of its folder but the macOS one.
    QVERIFY(kiv::SkinLoader::load(QStringLiteral("BlackRedSkin"),
                                  QStringLiteral(VARNEL_PROGRAM_DIR "/plugins/skins/")));
    const QString folder = QStringLiteral(":/Torvel/Qss/Qss/KavrinGUIToolkit/");
    QStringList files = QDir(folder).entryList(QDir::Files);
    files.removeAll(QStringLiteral("MacSpecial.qss"));
    qApp->setStyleSheet(KavrinGUIToolkit::CFile::ReadAll(files, folder));
    QVERIFY(!qApp->styleSheet().isEmpty());
    KavrinGUIToolkit::CWarningDlg::SetResponder(
        [](const KavrinGUIToolkit::CWarningDlg::Shown &) { return 1; });
}

void TestSkinForms::cleanupTestCase()
{
    m_shown.clear();
    qApp->setStyleSheet(QString());
    KavrinGUIToolkit::CWarningDlg::SetResponder({});
    m_folder.reset();
}

QWidget *TestSkinForms::show(Form form)
{
    QWidget *shown = nullptr;
    switch (form) {
    case Form::AddDevice:
        m_shown.push_back(std::make_unique<kiv::AddDeviceWidget>(QStringLiteral("Lobby")));
        break;
    case Form::MainWindow:
        m_shown.push_back(std::make_unique<kiv::Varnel>());
        break;
    case Form::RecordPlan:
        m_shown.push_back(std::make_unique<kiv::RecordPlanConfig>());
        break;
    case Form::MessageOverRecordPlan: {
        m_shown.push_back(std::make_unique<kiv::RecordPlanConfig>());
        m_shown.back()->show();
        auto box = std::make_unique<KavrinGUIToolkit::CWarningDlg>(m_shown.back().get());
        box->SetMessage(QStringLiteral("Warn"), QStringLiteral("Over the panel"));
        // The panel owns the box; it goes with the panel.
        shown = box.release();
        break;
    }
    case Form::Streams:
        m_shown.push_back(std::make_unique<kiv::DeviceStreamWidget>());
        break;
    }
    if (!shown)
        shown = m_shown.back().get();
    shown->show();
    return shown;
}

void TestSkinForms::skinDressesTheForms_data()
{
    QTest::addColumn<Form>("form");
    QTest::addColumn<QString>("child");
    QTest::addColumn<Spot>("spot");
    QTest::addColumn<QColor>("colour");

    const QColor greyGreen(178, 208, 199);
    const QColor panelEdge(0x8b, 0x1a, 0x1a);
    const QColor panelFace(0xfb, 0xfb, 0xfb);
    QTest::newRow("the add-device keyword box is framed grey-green")
        << Form::AddDevice << QStringLiteral("groupBox") << Spot::LeftEdge << greyGreen;
    QTest::newRow("the add-device stream box is framed alike")
        << Form::AddDevice << QStringLiteral("groupBox_3") << Spot::LeftEdge << greyGreen;
    QTest::newRow("the main window's centre frame is light grey")
        << Form::MainWindow << QStringLiteral("centralFrame") << Spot::AboveCalculator
        << QColor(235, 235, 235);
    QTest::newRow("the record-plan panel has the table frame")
        << Form::RecordPlan << QString() << Spot::LeftEdge << panelEdge;
    QTest::newRow("the record-plan panel has the table face")
        << Form::RecordPlan << QString() << Spot::LeftInset << panelFace;
    QTest::newRow("the paint type in force shows as a pale red pressed button")
        << Form::RecordPlan << QStringLiteral("btnSchedule") << Spot::RightInset
        << QColor(0xf4, 0xd9, 0xd9);
    QTest::newRow("a message box over the record-plan panel has the panel's frame")
        << Form::MessageOverRecordPlan << QString() << Spot::LeftEdge << panelEdge;
    QTest::newRow("the stream panel has the table frame")
        << Form::Streams << QString() << Spot::LeftEdge << panelEdge;
    QTest::newRow("the add-stream button is the light picture")
        << Form::Streams << QStringLiteral("btnAddStream") << Spot::LeftFace
        << QColor(0xf7, 0xf7, 0xf7);
}

void TestSkinForms::skinDressesTheForms()
{
    QFETCH(Form, form);
    QFETCH(QString, child);
    QFETCH(Spot, spot);
    QFETCH(QColor, colour);

    QWidget *shown = show(form);
    QWidget *widget = child.isEmpty() ? shown : shown->findChild<QWidget *>(child);
    QVERIFY2(widget, qPrintable(child));
    QVERIFY(widget->isVisible());
    const QImage image = widget->grab().toImage();
    QCOMPARE(image.pixelColor(spotIn(widget, spot)), colour);
}

void TestSkinForms::addStreamButtonLightsWhenFocused()
{
    QWidget *panel = show(Form::Streams);
    QVERIFY(QTest::qWaitForWindowActive(panel));
    auto *button = panel->findChild<QPushButton *>(QStringLiteral("btnAddStream"));
    button->setFocus();
    QTRY_VERIFY(button->hasFocus());
    const QImage image = button->grab().toImage();
    QCOMPARE(image.pixelColor(spotIn(button, Spot::LeftFace)), QColor(0xfb, 0xea, 0xea));
    QCOMPARE(image.pixelColor(spotIn(button, Spot::LeftEdge)), QColor(0x8b, 0x1a, 0x1a));
}

QTEST_MAIN(TestSkinForms)
#include "tst_skinforms.moc"
