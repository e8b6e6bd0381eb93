#include "CPendrikWindow.h"

#include "CHorizontalSimulate.h"
#include "CMonitorSimulate.h"
#include "CSimulateTextNode.h"
#include "CVerticalSimulate.h"
#include "LensCatalogue.h"
#include "LensFormulas.h"
#include "PendrikLogging.h"
#include "UserManual.h"

#include <TableWidget.h>
#include <ToolTip.h>
#include <Validators.h>
#include <Widgets.h>

#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>

#include <cmath>

namespace {

// Below this focal length (mm) a lens distorts too much; the page says so.
constexpr float kShortestFocal = 4.0f;
// From this focal length on a fixed lens is listed only when it matches.
constexpr float kLongFocal = 52.5f;
constexpr float kFocalTolerance = 0.001f;

QString focalNumber(float value)
{
    return QString::number(double(value), 'g', 6);
}

QString recommendationText(const LensInfo &lens)
{
    const QString focal =
        lens.maxFocal != lens.minFocal
            ? QStringLiteral("f%1-%2mm").arg(focalNumber(lens.minFocal), focalNumber(lens.maxFocal))
            : QStringLiteral("f%1mm").arg(focalNumber(lens.maxFocal));
    return QStringLiteral("%1, %2").arg(lens.model, lens.brand) + QStringLiteral(", ") + focal +
           QLatin1Char('/') + lens.aperture + QLatin1Char('/') + lens.sensorFormat +
           QLatin1Char('/') + lens.lensInterface +
           QCoreApplication::translate("CPendrikWindow", " Interface");
}

// "12.5%", or "--" when the share has no value (a picture of no height).
QString shareText(float share)
{
    if (!std::isfinite(share))
        return QStringLiteral("--");
    return QString::asprintf("%.1f", double(share * 100)) + QLatin1Char('%');
}

} // namespace

CPendrikWindow::CPendrikWindow(QWidget *parent) : QFrame(parent)
{
    setUpForm();
    m_lensPath = pendrik::lensCataloguePath();
    m_cameraPath = pendrik::cameraCataloguePath();
    pendrik::loadLensInfoFile(m_lensPath, &m_lensList, &m_lensProblem);
    pendrik::loadCameraLensInfoFile(m_cameraPath, &m_cameraList, &m_cameraProblem);

    connect(m_comboIPCType, &QComboBox::currentIndexChanged, this, &CPendrikWindow::ChangeIPCType);
    connect(m_spinObjectDistance, &QSpinBox::valueChanged, this,
            &CPendrikWindow::ObjectDistanceChange);
    connect(m_spinObjectWidth, &QSpinBox::valueChanged, this, &CPendrikWindow::ObjectWidthChange);
    connect(m_comboResolution, &QComboBox::currentIndexChanged, this,
            &CPendrikWindow::ResolutionChange);
    connect(m_frameVertical, &CVerticalSimulate::DistanceChanged, m_frameHorizontal,
            &CHorizontalSimulate::DistanceChanged);
    connect(m_frameVertical, &CVerticalSimulate::ProPortionChanged, m_frameMonitor,
            &CMonitorSimulate::ProPortionChanged);
    connect(m_frameVertical, &CVerticalSimulate::ProPortionChanged, this,
            &CPendrikWindow::ProPortionChanged);
    connect(m_frameVertical, &CVerticalSimulate::CameraBracketChanged, this,
            &CPendrikWindow::CameraBracketChanged);
    connect(m_editCameraFocus, &QDoubleSpinBox::valueChanged, this,
            &CPendrikWindow::FocusLengthChange);

    m_pCameraLen->SetColumnCount(1);
    m_pCameraLen->horizontalHeader()->hide();
    m_label9->hide();
    m_pEdtLensNumber->hide();
    m_pEdtLensNumber->setValidator(new KavrinGUIToolkit::CIntValidator(1, 999, this));

    fillIPCTypes();
    calculateFocalLength();
    if (!hasCameras())
        showNoFigures();
}

void CPendrikWindow::showNoFigures()
{
    // The form's starting focal length and the views' starting angle would
    // pass for figures of a camera; there is none to compute them for.
    {
        const QSignalBlocker blocker(m_editCameraFocus);
        m_editCameraFocus->setSpecialValueText(QStringLiteral("--"));
        m_editCameraFocus->setValue(m_editCameraFocus->minimum());
    }
    m_editCameraFocus->setEnabled(false);
    m_frameVertical->clearViewAngle();
    m_frameHorizontal->clearViewAngle();
    for (QLabel *label : {m_labelNearObj, m_labelFarObject, m_labelBracket})
        label->setText(QStringLiteral("--"));
}

QString CPendrikWindow::catalogueProblemText() const
{
    using pendrik::CatalogueProblem;
    QStringList lines;
    const QString lenses = QDir::toNativeSeparators(m_lensPath);
    const QString cameras = QDir::toNativeSeparators(m_cameraPath);
    if (m_cameraProblem == CatalogueProblem::Missing)
        lines << tr("The camera catalogue %1 is missing, so there is no camera to choose and "
                    "nothing is calculated.")
                     .arg(cameras);
    else if (m_cameraProblem == CatalogueProblem::Damaged)
        lines << tr("The camera catalogue %1 is damaged or is not a camera catalogue, so there "
                    "is no camera to choose and nothing is calculated.")
                     .arg(cameras);
    if (m_lensProblem == CatalogueProblem::Missing)
        lines << tr("The lens catalogue %1 is missing, so no lens can be recommended.").arg(lenses);
    else if (m_lensProblem == CatalogueProblem::Damaged)
        lines << tr("The lens catalogue %1 is damaged or is not a lens catalogue, so no lens can "
                    "be recommended.")
                     .arg(lenses);
    if (lines.isEmpty())
        return QString();
    lines << tr("Nothing is written to the catalogues. Install the program again, or put good "
                "copies of the catalogues in their place, and open the lens calculator again.");
    return lines.join(QLatin1Char('\n'));
}

CPendrikWindow::~CPendrikWindow() = default;

void CPendrikWindow::fillIPCTypes()
{
    for (const CameraInfo &camera : qAsConst(m_cameraList))
        m_comboIPCType->AddItem(camera.name, camera.name);
    ChangeIPCType(0);
}

void CPendrikWindow::ChangeIPCType(int index)
{
    if (index < 0 || index >= m_cameraList.size())
        return;
    qCDebug(lcPendrik).noquote() << QStringLiteral("num:%1").arg(m_comboResolution->count());
    m_comboResolution->clear();
    const CameraInfo &camera = m_cameraList.at(index);
    for (const CameraResolution &resolution : camera.resolutions) {
        m_comboResolution->addItem(
            resolution.isAnalog()
                ? tr("Analog")
                : QStringLiteral("%1*%2").arg(resolution.width).arg(resolution.height));
    }
    if (camera.resolutions.isEmpty()) {
        // Nothing can be computed for this camera; the lenses listed belong
        // to the camera chosen before and must not stay on offer.
        m_pCameraLen->Clear();
        m_labelRecommendNum->setText(QStringLiteral("(0)"));
    }
    m_comboIPCType->setToolTip(m_comboIPCType->currentText());
    calculateFocalLength();
}

void CPendrikWindow::ObjectDistanceChange(int value)
{
    Q_UNUSED(value);
    calculateFocalLength();
}

void CPendrikWindow::ObjectWidthChange(int value)
{
    Q_UNUSED(value);
    calculateFocalLength();
}

void CPendrikWindow::ResolutionChange(int index)
{
    Q_UNUSED(index);
    calculateFocalLength();
}

void CPendrikWindow::calculateFocalLength()
{
    const QString model = m_comboIPCType->currentText();
    const int resolution = m_comboResolution->currentIndex();
    if (resolution < 0)
        return;
    const CameraInfo *camera = nullptr;
    for (const CameraInfo &candidate : qAsConst(m_cameraList)) {
        if (candidate.name == model) {
            camera = &candidate;
            break;
        }
    }
    if (!camera)
        return;
    if (resolution < camera->resolutions.size()) {
        m_fSensorWidth = camera->resolutions.at(resolution).targetWidth;
        m_fSensorHeight = camera->resolutions.at(resolution).targetHeight;
    }
    m_recommendedLensModels = camera->recommendedLensTypes;
    m_nObjectDistance = m_spinObjectDistance->value();
    m_nObjectWidth = m_spinObjectWidth->value();
    const std::optional<double> computed =
        pendrik::calcFocalLength(m_nObjectDistance, m_nObjectWidth, m_fSensorWidth);
    if (!computed)
        return;
    const float focal = float(*computed);

    if (focal >= kShortestFocal)
        KavrinGUIToolkit::CToolTip::HideTipImmediately();
    // The box keeps two decimals and its range; its own signal runs
    // FocusLengthChange() with that value when it changes. The direct call
    // gives the exact value the last word, also below 4 mm, where a box
    // that does not change would otherwise leave the lenses and angles of
    // the camera or sensor chosen before.
    m_editCameraFocus->setValue(focal);
    FocusLengthChange(focal);
}

void CPendrikWindow::FocusLengthChange(double value)
{
    m_pCameraLen->Clear();
    m_fFocalLength = float(value);
    m_bFocalShown = true;
    fillRecommendation(m_recommendedLensModels, m_fFocalLength);

    m_dVerticalAngle = pendrik::calcVerticalAngle(m_fFocalLength, m_fSensorHeight).value_or(0);
    m_dHorizontalAngle = pendrik::calcHorizontalAngle(m_fFocalLength, m_fSensorWidth).value_or(0);
    if (m_dVerticalAngle > 0 && m_nObjectDistance > 0 && m_nObjectWidth > 0) {
        m_frameHorizontal->setHorizontalAngle(m_dHorizontalAngle);
        m_frameVertical->setParams(m_dVerticalAngle, m_nObjectDistance, m_nObjectWidth);
    }

    if (m_fFocalLength < kShortestFocal) {
        m_editCameraFocus->setValue(m_fFocalLength);
        KavrinGUIToolkit::CToolTip::ShowText(focalTipPosition(),
                                             tr("Focal distance should larger than 4mm."));
    } else {
        KavrinGUIToolkit::CToolTip::HideTipImmediately();
    }
}

void CPendrikWindow::fillRecommendation(QStringList lensModels, float focal)
{
    struct Candidate
    {
        float distance;
        LensInfo lens;
    };
    QList<LensInfo> result;
    QList<Candidate> candidates;

    for (const QString &model : qAsConst(lensModels)) {
        // Only the first lens of a model counts, even when the catalogue
        // lists the model again further down.
        const LensInfo *lens = nullptr;
        for (const LensInfo &candidate : qAsConst(m_lensList)) {
            if (candidate.model == model) {
                lens = &candidate;
                break;
            }
        }
        if (!lens)
            continue;
        if (lens->isFixed() && focal < kLongFocal) {
            const float distance = std::fabs(lens->minFocal - focal);
            // Sorted by distance; equal distances keep the order they came in.
            auto it =
                std::find_if(candidates.begin(), candidates.end(),
                             [distance](const Candidate &c) { return c.distance > distance; });
            candidates.insert(it, {distance, *lens});
        } else if (lens->minFocal - kFocalTolerance < focal &&
                   lens->maxFocal + kFocalTolerance > focal) {
            result.append(*lens);
        }
    }
    if (!candidates.isEmpty()) {
        const float nearest = candidates.first().distance;
        result.append(candidates.first().lens);
        for (int i = 1; i < candidates.size(); ++i) {
            if (std::fabs(candidates.at(i).distance - nearest) < kFocalTolerance)
                result.append(candidates.at(i).lens);
        }
    }

    m_labelRecommendNum->setText(QStringLiteral("(%1)").arg(result.size()));
    for (const LensInfo &lens : qAsConst(result)) {
        const int row = m_pCameraLen->AddBottomLevelItem();
        m_pCameraLen->SetText(row, 0, recommendationText(lens));
    }
}

void CPendrikWindow::ProPortionChanged(float objectHeight, float nearViewHeight, float farTopHeight,
                                       float farDrop)
{
    if (!hasCameras())
        return;
    m_labelNearObj->setText(shareText(objectHeight / nearViewHeight));
    m_labelFarObject->setText(shareText(objectHeight / (farTopHeight + farDrop)));
}

void CPendrikWindow::CameraBracketChanged(float cameraHeight, float viewAngle, float nearDistance)
{
    if (!hasCameras())
        return;
    const std::optional<double> bracket =
        pendrik::calcBracketAngle(cameraHeight, viewAngle, nearDistance);
    m_labelBracket->setText(bracket ? QString::number(int(*bracket)) + pendrik::degreeSignText()
                                    : QStringLiteral("--"));
}

QMap<QString, int> CPendrikWindow::buildModelIndexMap() const
{
    QMap<QString, int> map;
    for (int i = 0; i < m_cameraList.size(); ++i) {
        const QStringList parts = m_cameraList.at(i).name.split(QLatin1Char('/'));
        for (const QString &part : parts)
            map.insert(part, i);
    }
    return map;
}

bool CPendrikWindow::setIPCType(const QString &model)
{
    m_label9->show();
    m_pEdtLensNumber->show();
    m_pEdtLensNumber->setText(QStringLiteral("1"));
    // Whatever the model, the row chosen for the device before must not be
    // handed back for this one; an unknown model leaves no choice at all.
    m_pCameraLen->clearSelection();
    m_pCameraLen->setCurrentIndex(QModelIndex());

    const QMap<QString, int> map = buildModelIndexMap();
    QString bestKey;
    int best = -1;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (it.key().isEmpty() || !model.contains(it.key()))
            continue;
        if (it.key().size() > bestKey.size()) {
            bestKey = it.key();
            best = it.value();
        }
    }
    if (best < 0)
        return false;

    // Selected afresh even when it is the camera shown already; refilling
    // the recommendation leaves no row current.
    if (m_comboIPCType->currentIndex() == best)
        ChangeIPCType(best);
    else
        m_comboIPCType->setCurrentIndex(best);
    m_pCameraLen->clearSelection();
    m_pCameraLen->setCurrentIndex(QModelIndex());
    m_comboIPCType->setEnabled(false);
    return true;
}

QString CPendrikWindow::selectedLens() const
{
    const QModelIndex current = m_pCameraLen->currentIndex();
    if (!current.isValid())
        return QString();
    return m_pCameraLen->GetText(current.row(), 0);
}

int CPendrikWindow::lensCount() const
{
    bool ok = false;
    const int count = m_pEdtLensNumber->text().toInt(&ok, 10);
    return ok ? count : 0;
}

QPoint CPendrikWindow::focalTipPosition() const
{
    // Just above the right part of the focal length box.
    return m_editCameraFocus->mapToGlobal(QPoint(23, -27));
}

void CPendrikWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        pendrik::openUserManualOrTell();
    // Every key ends here: Escape or Enter typed in the page must not close
    // the host's dialog.
    event->accept();
}

void CPendrikWindow::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    // The warning stays while a short focal length is shown.
    if (m_bFocalShown && m_fFocalLength < kShortestFocal) {
        KavrinGUIToolkit::CToolTip::ShowText(
            focalTipPosition(), tr("Focal distance should larger than 4mm."), this, QRect());
    }
}
