#include "LensTestSupport.h"
#include "SimulationProbe.h"
#include "TipPlace.h"

#include <CHorizontalSimulate.h>
#include <CMonitorSimulate.h>
#include <CPendrikWindow.h>
#include <CSimulateTextNode.h>
#include <CVerticalSimulate.h>
#include <ToolTip.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

// A lens window over the fixture catalogues window_lenses.xml and
// window_cameras.xml (see their comments for what each entry is for).
class LensWindow
{
public:
    explicit LensWindow(const QString &folder,
                        const QString &lenses = QStringLiteral("window_lenses.xml"),
                        const QString &cameras = QStringLiteral("window_cameras.xml"))
    {
        QVERIFY(lenstest::installLensCatalogues(folder, lenses, cameras));
        window = std::make_unique<CPendrikWindow>();
        window->resize(1000, 680);
    }

    template <typename T> T *find(const char *name) const
    {
        T *child = window->findChild<T *>(QString::fromLatin1(name));
        if (!child)
            qWarning("no %s", name);
        return child;
    }
    QComboBox *cameras() const { return find<QComboBox>("comboIPCType"); }
    QComboBox *resolutions() const { return find<QComboBox>("comboResolution"); }
    QSpinBox *distance() const { return find<QSpinBox>("spinObjectDistance"); }
    QSpinBox *width() const { return find<QSpinBox>("spinObjectWidth"); }
    QDoubleSpinBox *focus() const { return find<QDoubleSpinBox>("editCameraFocus"); }
    QTableView *table() const { return find<QTableView>("m_pCameraLen"); }
    QLineEdit *number() const { return find<QLineEdit>("m_pEdtLensNumber"); }
    QString label(const char *name) const { return find<QLabel>(name)->text(); }

    QStringList rows() const
    {
        QStringList texts;
        for (int row = 0; row < table()->model()->rowCount(); ++row)
            texts << table()->model()->index(row, 0).data().toString();
        return texts;
    }
    // The lens models of the rows: each row's text up to its first comma.
    QStringList models() const
    {
        QStringList names;
        for (const QString &row : rows())
            names << row.section(QLatin1Char(','), 0, 0);
        return names;
    }
    void chooseRow(int row) const { table()->setCurrentIndex(table()->model()->index(row, 0)); }

    std::unique_ptr<CPendrikWindow> window;
};

bool near(double value, double expected, double tolerance = 1e-4)
{
    return std::fabs(value - expected) < tolerance;
}

} // namespace

// The lens window: focal length, view angles, recommendations, the short
// focal warning, the host's camera selection and what it reads back.
class TestLensWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithTheFirstCameraComputed();
    void viewCaptionsAreBold();
    void recommendationsForATypedFocalLength_data();
    void recommendationsForATypedFocalLength();
    void zoomLensToleranceAtItsShortEnd_data();
    void zoomLensToleranceAtItsShortEnd();
    void shortFocalLengthIsShownAndWarned();
    void shortFocalLengthIsRecomputedForANewCamera();
    void longFocalLengthKeepsItsExactValue();
    void proportionLabels_data();
    void proportionLabels();
    void bracketAngleIsCutToWholeDegrees();
    void dragInTheSideViewReachesTheOtherViewsAndLabels();

    void hostSelectsTheLongestContainedName_data();
    void hostSelectsTheLongestContainedName();
    void unknownModelLeavesALockedBoxLocked();
    void hostSelectionClearsAnEarlierChoice_data();
    void hostSelectionClearsAnEarlierChoice();
    void chosenLensAndCount_data();
    void chosenLensAndCount();

    void cameraWithoutResolutionsOffersNoLenses();
    void missingLensCatalogueListsNothing();
    void missingCameraCatalogueComputesNothingAndWarnsOfNothing();

private:
    lenstest::PerTestProgramFolder m_programFolder;
};

void TestLensWindow::init()
{
    m_programFolder.start();
    ClientConfigManager::instance()->clear();
    KavrinGUIToolkit::CToolTip::HideTipImmediately();
}

void TestLensWindow::cleanup()
{
    KavrinGUIToolkit::CToolTip::HideTipImmediately();
    m_programFolder.stop();
}

void TestLensWindow::viewCaptionsAreBold()
{
    // A weight below bold is drawn regular by fonts without a semi-bold
    // face, the Chinese ones among them; bold is drawn by every font.
    LensWindow lens(m_programFolder.path());
    for (const char *name : {"labelVertical", "labelLensSimulation", "labelHorizontal"}) {
        QTextDocument caption;
        caption.setHtml(lens.label(name));
        QTextCursor cursor(&caption);
        cursor.movePosition(QTextCursor::NextCharacter);
        QVERIFY2(cursor.charFormat().fontWeight() >= QFont::Bold, name);
    }
}

void TestLensWindow::startsWithTheFirstCameraComputed()
{
    LensWindow lens(m_programFolder.path());
    QCOMPARE(lens.cameras()->count(), 5);
    QCOMPARE(lens.cameras()->currentText(), QStringLiteral("5510/KX-5510"));
    QCOMPARE(lens.cameras()->toolTip(), QStringLiteral("5510/KX-5510"));
    QCOMPARE(lens.cameras()->itemData(0, Qt::ToolTipRole).toString(),
             QStringLiteral("5510/KX-5510"));
    QCOMPARE(lens.resolutions()->count(), 3);
    QCOMPARE(lens.resolutions()->itemText(0), QStringLiteral("1920*1080"));
    QCOMPARE(lens.resolutions()->itemText(2), QStringLiteral("Analog"));
    QCOMPARE(lens.distance()->value(), 15);
    QCOMPARE(lens.width()->value(), 10);

    // 4.8 mm * 15 m / 10 m.
    QVERIFY(near(lens.window->focalLength(), 7.2));
    QCOMPARE(lens.focus()->text(), QStringLiteral("7.20"));
    // 2 * atan(2.7 / (2 * 7.2)) with the short pi.
    QVERIFY(near(lens.window->verticalAngle(), 21.2393));
    QCOMPARE(lens.find<CSimulateTextNode>("m_pAngleText")->value(), QStringLiteral("21\u00B0"));

    // The zoom lens holds 7.2 mm; of the fixed lenses the two 8 mm ones are
    // nearest (0.8 mm), L3 (1.2 mm) is not.
    QCOMPARE(lens.rows(), (QStringList{QStringLiteral("L1, B1, f2.8-12mm/F1.4/1/3/CS Interface"),
                                       QStringLiteral("L2, B2, f8mm/F2.0/1/2.7/M12 Interface"),
                                       QStringLiteral("L4, B4, f8mm/F1.6/1/2/C Interface")}));
    QCOMPARE(lens.label("labelRecommendNum"), QStringLiteral("(3)"));
    QVERIFY(lens.find<QLabel>("label_9")->isHidden());
    QVERIFY(lens.number()->isHidden());
    QVERIFY(!KavrinGUIToolkit::CToolTip::IsShowing());
    QVERIFY(lens.window->selectedLens().isEmpty());
}

void TestLensWindow::recommendationsForATypedFocalLength_data()
{
    QTest::addColumn<int>("camera");
    QTest::addColumn<double>("focal");
    QTest::addColumn<QStringList>("models");

    const auto list = [](std::initializer_list<const char *> names) {
        QStringList models;
        for (const char *name : names)
            models << QString::fromLatin1(name);
        return models;
    };
    QTest::newRow("8 mm: the zoom lens, then both 8 mm lenses (L3 is 2 mm away)")
        << 0 << 8.0 << list({"L1", "L2", "L4"});
    QTest::newRow("7 mm: every fixed lens is 1 mm away and they keep their order")
        << 0 << 7.0 << list({"L1", "L2", "L3", "L4"});
    QTest::newRow("a typed 2.79 mm is outside the zoom lens; the nearest fixed lens stays")
        << 0 << 2.79 << list({"L3"});
    QTest::newRow("52.49 mm still offers the nearest fixed lens") << 1 << 52.49 << list({"TELE60"});
    QTest::newRow("52.5 mm offers no fixed lens that does not match") << 1 << 52.5 << list({});
    QTest::newRow("60 mm offers the fixed lens that matches") << 1 << 60.0 << list({"TELE60"});
    QTest::newRow("60.01 mm is more than 0.001 mm off every lens") << 1 << 60.01 << list({});
}

void TestLensWindow::recommendationsForATypedFocalLength()
{
    QFETCH(int, camera);
    QFETCH(double, focal);
    QFETCH(QStringList, models);
    LensWindow lens(m_programFolder.path());
    lens.cameras()->setCurrentIndex(camera);
    lens.focus()->setValue(focal);
    QCOMPARE(lens.models(), models);
    QCOMPARE(lens.label("labelRecommendNum"), QStringLiteral("(%1)").arg(models.size()));
    // Only the first catalogue entry of a model counts.
    QVERIFY(!lens.rows().join(QLatin1Char('|')).contains(QStringLiteral("LATER")));
    // The typed value stays until the next computation.
    QCOMPARE(lens.distance()->value(), 15);
}

void TestLensWindow::zoomLensToleranceAtItsShortEnd_data()
{
    QTest::addColumn<int>("resolution");
    QTest::addColumn<QStringList>("models");
    // Distance 1 m, width 2 m: the focal length is half the sensor width.
    // A model recommended twice gives two rows.
    QTest::newRow("2.7995 mm is within 0.001 mm of the 2.8 mm end")
        << 0 << QStringList{QStringLiteral("L1"), QStringLiteral("L1"), QStringLiteral("TELE60")};
    QTest::newRow("2.7985 mm is not") << 1 << QStringList{QStringLiteral("TELE60")};
}

void TestLensWindow::zoomLensToleranceAtItsShortEnd()
{
    QFETCH(int, resolution);
    QFETCH(QStringList, models);
    LensWindow lens(m_programFolder.path());
    lens.cameras()->setCurrentIndex(1);
    lens.distance()->setValue(1);
    lens.width()->setValue(2);
    lens.resolutions()->setCurrentIndex(resolution);
    QCOMPARE(lens.models(), models);
}

void TestLensWindow::shortFocalLengthIsShownAndWarned()
{
    LensWindow lens(m_programFolder.path());
    lens.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(lens.window.get()));
    lens.distance()->setValue(1);
    lens.width()->setValue(499);
    // 4.8 mm * 1 m / 499 m.
    QVERIFY(near(lens.window->focalLength(), 0.00962, 1e-5));
    QCOMPARE(lens.focus()->text(), QStringLiteral("0.01"));
    QVERIFY(KavrinGUIToolkit::CToolTip::IsShowing());
    QCOMPARE(KavrinGUIToolkit::CToolTip::CurrentText(),
             QStringLiteral("Focal distance should larger than 4mm."));
    QCOMPARE(KavrinGUIToolkit::CToolTip::LastPosition(),
             lens.focus()->mapToGlobal(QPoint(23, -27)));
    // The tip's own top-left corner stands there, just over the box.
    const QWidget *tip = tipplace::shownTip();
    QVERIFY(tip);
    QCOMPARE(tip->frameGeometry().topLeft(), lens.focus()->mapToGlobal(QPoint(23, -27)));

    // A focal length of 4 mm or more takes the warning away.
    lens.distance()->setValue(15);
    lens.width()->setValue(10);
    QVERIFY(!KavrinGUIToolkit::CToolTip::IsShowing());
    // It comes back with every repaint while the focal length is short.
    lens.distance()->setValue(1);
    lens.width()->setValue(499);
    KavrinGUIToolkit::CToolTip::HideTipImmediately();
    lens.window->repaint();
    QVERIFY(KavrinGUIToolkit::CToolTip::IsShowing());
}

void TestLensWindow::shortFocalLengthIsRecomputedForANewCamera()
{
    LensWindow lens(m_programFolder.path());
    lens.distance()->setValue(1);
    lens.width()->setValue(499);
    QCOMPARE(lens.focus()->text(), QStringLiteral("0.01"));
    QCOMPARE(lens.models(), QStringList{QStringLiteral("L3")});

    // The new camera's focal length also shows as 0.01; its sensor and its
    // lenses count all the same.
    lens.cameras()->setCurrentIndex(1);
    QCOMPARE(lens.focus()->text(), QStringLiteral("0.01"));
    QVERIFY(near(lens.window->focalLength(), 5.599 / 499, 1e-6));
    QVERIFY(near(lens.window->verticalAngle(), 179.18366, 1e-5));
    QCOMPARE(lens.models(), QStringList{QStringLiteral("TELE60")});
}

void TestLensWindow::longFocalLengthKeepsItsExactValue()
{
    LensWindow lens(m_programFolder.path());
    lens.resolutions()->setCurrentIndex(1); // 6.4 mm wide
    lens.distance()->setValue(499);
    lens.width()->setValue(1);
    QCOMPARE(lens.focus()->text(), QStringLiteral("1000.00"));
    QVERIFY(near(lens.window->focalLength(), 3193.6, 1e-3));
    // 2 * atan(6.4 / (2 * 3193.6)), not the angle of 1000 mm.
    QVERIFY(near(lens.window->horizontalAngle(), 0.1148212, 1e-6));
    QVERIFY(!KavrinGUIToolkit::CToolTip::IsShowing());
}

void TestLensWindow::proportionLabels_data()
{
    QTest::addColumn<float>("object");
    QTest::addColumn<float>("nearView");
    QTest::addColumn<float>("farTop");
    QTest::addColumn<float>("farDrop");
    QTest::addColumn<QString>("nearby");
    QTest::addColumn<QString>("distant");
    const float nan = std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("1.7 m of 3.4 m near and of 6.8 + 1.7 m far")
        << 1.7f << 3.4f << 6.8f << 1.7f << QStringLiteral("50.0%") << QStringLiteral("20.0%");
    QTest::newRow("no picture above the near edge")
        << 1.0f << 0.0f << 2.0f << 2.0f << QStringLiteral("--") << QStringLiteral("25.0%");
    QTest::newRow("a picture of no height at the far edge")
        << 1.0f << 2.0f << 2.0f << -2.0f << QStringLiteral("50.0%") << QStringLiteral("--");
    QTest::newRow("a drop the geometry cannot give")
        << 1.0f << 2.0f << 2.0f << nan << QStringLiteral("50.0%") << QStringLiteral("--");
}

void TestLensWindow::proportionLabels()
{
    QFETCH(float, object);
    QFETCH(float, nearView);
    QFETCH(float, farTop);
    QFETCH(float, farDrop);
    LensWindow lens(m_programFolder.path());
    emit lens.find<CVerticalSimulate>("frameVertical")
        ->ProPortionChanged(object, nearView, farTop, farDrop);
    QTEST(lens.label("labelNearObj"), "nearby");
    QTEST(lens.label("labelFarObject"), "distant");
}

void TestLensWindow::bracketAngleIsCutToWholeDegrees()
{
    LensWindow lens(m_programFolder.path());
    // Camera 3 m high, view 30 degrees, lower edge on the ground 3 m away:
    // -29.9999992 degrees.
    emit lens.find<CVerticalSimulate>("frameVertical")->CameraBracketChanged(3, 30, 3);
    QCOMPARE(lens.label("labelBracket"), QStringLiteral("-29\u00B0"));
}

void TestLensWindow::dragInTheSideViewReachesTheOtherViewsAndLabels()
{
    LensWindow lens(m_programFolder.path());
    lens.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(lens.window.get()));
    auto *side = lens.find<CVerticalSimulate>("frameVertical");
    auto *top = lens.find<CHorizontalSimulate>("frameHorizontal");
    auto *monitor = lens.find<CMonitorSimulate>("frameMonitor");
    const auto topValue = [top](const char *node) {
        return top->findChild<CSimulateTextNode *>(QString::fromLatin1(node))->value();
    };
    const QString nearBefore = lenstest::sceneText(side, "m_pNearText");
    const QString nearbyBefore = lens.label("labelNearObj");
    const QString bracketBefore = lens.label("labelBracket");
    const float nearScaleBefore = monitor->nearScale();

    // Raise the camera: the lower edge of the view now meets the ground
    // further away.
    CUnidimensionalArrowNode *camera = lenstest::arrowItem(side, "m_pCameraArrow");
    QVERIFY(camera);
    const double usableHeight = side->height() - 80;
    camera->setPos(QPointF(camera->x(), 40 + usableHeight * 0.3 - 18));

    const double nearDistance = lenstest::sceneText(side, "m_pNearText").toDouble();
    const double farDistance = lenstest::sceneText(side, "m_pFarText").toDouble();
    QVERIFY(lenstest::sceneText(side, "m_pNearText") != nearBefore);
    // The top view takes the new edges: its cross-section sits at 0.6 of
    // the drawing, a fifth of the way from the near to the far edge.
    QVERIFY(near(topValue("m_pArrowDistanceText").toDouble(),
                 nearDistance + (farDistance - nearDistance) / 5, 0.1));
    // The monitor view and the labels below it follow the same signal.
    QVERIFY(monitor->nearScale() != nearScaleBefore);
    QCOMPARE(lens.label("labelNearObj"),
             QString::asprintf("%.1f%%", double(monitor->nearScale()) * 100));
    QVERIFY(lens.label("labelNearObj") != nearbyBefore);
    QVERIFY(lens.label("labelBracket") != bracketBefore);
}

void TestLensWindow::hostSelectsTheLongestContainedName_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("camera");
    QTest::newRow("KX-5510B holds 5510, KX-5510 and KX-551: KX-5510 is the longest")
        << QStringLiteral("KX-5510B") << true << 0;
    QTest::newRow("KX-551-IR holds only KX-551") << QStringLiteral("KX-551-IR") << true << 1;
    QTest::newRow("two names of one length: the first in text order wins")
        << QStringLiteral("XY-34 with AB-12") << true << 3;
    QTest::newRow("names are matched case-sensitively") << QStringLiteral("kx-551") << false << 0;
    QTest::newRow("ZZ-1 holds no name") << QStringLiteral("ZZ-1") << false << 0;
}

void TestLensWindow::hostSelectsTheLongestContainedName()
{
    QFETCH(QString, model);
    QFETCH(bool, found);
    QFETCH(int, camera);
    LensWindow lens(m_programFolder.path());
    QCOMPARE(lens.window->setIPCType(model), found);
    QCOMPARE(lens.cameras()->currentIndex(), camera);
    QCOMPARE(lens.cameras()->isEnabled(), !found);
    // The count field shows either way, set to 1.
    QVERIFY(!lens.find<QLabel>("label_9")->isHidden());
    QVERIFY(!lens.number()->isHidden());
    QCOMPARE(lens.number()->text(), QStringLiteral("1"));
}

void TestLensWindow::unknownModelLeavesALockedBoxLocked()
{
    LensWindow lens(m_programFolder.path());
    QVERIFY(lens.window->setIPCType(QStringLiteral("KX-551")));
    QVERIFY(!lens.window->setIPCType(QStringLiteral("ZZ-1")));
    QCOMPARE(lens.cameras()->currentIndex(), 1);
    QVERIFY(!lens.cameras()->isEnabled());
}

void TestLensWindow::hostSelectionClearsAnEarlierChoice_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("a computed focal length") << 10;
    QTest::newRow("a focal length below 4 mm that shows the same") << 499;
}

void TestLensWindow::hostSelectionClearsAnEarlierChoice()
{
    QFETCH(int, width);
    LensWindow lens(m_programFolder.path());
    QVERIFY(lens.window->setIPCType(QStringLiteral("KX-5510B")));
    lens.distance()->setValue(1);
    lens.width()->setValue(width);
    lens.chooseRow(0);
    QVERIFY(!lens.window->selectedLens().isEmpty());
    // The next device has the same camera: nothing chosen for the one
    // before is handed back.
    QVERIFY(lens.window->setIPCType(QStringLiteral("KX-5510B")));
    QCOMPARE(lens.window->selectedLens(), QString());
    QCOMPARE(lens.resolutions()->currentIndex(), 0);
}

void TestLensWindow::chosenLensAndCount_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("count");
    QTest::newRow("1 as set by the host") << QStringLiteral("1") << 1;
    QTest::newRow("a count of 25") << QStringLiteral("25") << 25;
    QTest::newRow("an empty field counts 0") << QString() << 0;
    QTest::newRow("a text that is no number counts 0") << QStringLiteral("x") << 0;
}

void TestLensWindow::chosenLensAndCount()
{
    QFETCH(QString, typed);
    QFETCH(int, count);
    LensWindow lens(m_programFolder.path());
    lens.window->setIPCType(QStringLiteral("KX-5510B"));
    QCOMPARE(lens.window->selectedLens(), QString());
    lens.chooseRow(1);
    QCOMPARE(lens.window->selectedLens(), QStringLiteral("L2, B2, f8mm/F2.0/1/2.7/M12 Interface"));
    lens.number()->setText(typed);
    QCOMPARE(lens.window->lensCount(), count);
}

void TestLensWindow::cameraWithoutResolutionsOffersNoLenses()
{
    LensWindow lens(m_programFolder.path());
    QCOMPARE(lens.rows().size(), 3);
    lens.cameras()->setCurrentIndex(2);
    QCOMPARE(lens.resolutions()->count(), 0);
    QVERIFY(lens.rows().isEmpty());
    QCOMPARE(lens.label("labelRecommendNum"), QStringLiteral("(0)"));
    QVERIFY(near(lens.window->focalLength(), 7.2));
}

void TestLensWindow::missingLensCatalogueListsNothing()
{
    LensWindow lens(m_programFolder.path(), QString());
    QVERIFY(near(lens.window->focalLength(), 7.2));
    QVERIFY(lens.rows().isEmpty());
    QCOMPARE(lens.label("labelRecommendNum"), QStringLiteral("(0)"));
}

void TestLensWindow::missingCameraCatalogueComputesNothingAndWarnsOfNothing()
{
    LensWindow lens(m_programFolder.path(), QStringLiteral("window_lenses.xml"), QString());
    QCOMPARE(lens.cameras()->count(), 0);
    QCOMPARE(lens.window->focalLength(), 0.0f);
    // The form's starting 5 mm is no figure of a camera.
    QCOMPARE(lens.focus()->text(), QStringLiteral("--"));
    lens.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(lens.window.get()));
    lens.window->repaint();
    QVERIFY(!KavrinGUIToolkit::CToolTip::IsShowing());
}

QTEST_MAIN(TestLensWindow)
#include "tst_lens_window.moc"
