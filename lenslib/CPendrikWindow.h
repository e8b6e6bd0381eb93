#pragma once

#include "LensCatalogue.h"
#include "LensInfo.h"

#include <QFrame>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class CHorizontalSimulate;
class CMonitorSimulate;
class CVerticalSimulate;
class QDoubleSpinBox;
class QLabel;

namespace KavrinGUIToolkit {
class CComboBox;
class CLineEdit;
class CSpinBox;
class CTableWidget;
} // namespace KavrinGUIToolkit

/// The calculator page: camera model, resolution, object distance and
/// width give the focal length that shows that width across the picture,
/// the view angles, the catalogue lenses that suit the focal length, and
/// the input of the side, top and monitor views. A host fixes the camera
/// with setIPCType() and reads the chosen lens back with selectedLens() and
/// lensCount().
class CPendrikWindow : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPendrikWindow)
public:
    explicit CPendrikWindow(QWidget *parent = nullptr);
    ~CPendrikWindow() override;

    /// Shows the lens count field (set to "1") and selects and locks the
    /// camera whose model name is the longest one contained in @p model;
    /// an entry naming several models ("A/B") matches by each of them. The
    /// camera is selected afresh, and the recommendation row cleared, also
    /// when it is the one already shown. False when no name is contained;
    /// the camera box then stays as it was, but no recommendation row is
    /// left current, so no lens of an earlier camera is handed back.
    bool setIPCType(const QString &model);
    /// The text of the current recommendation row; empty when none is
    /// current.
    QString selectedLens() const;
    /// The lens count field as a decimal number; 0 when it is empty or not
    /// a number.
    int lensCount() const;

    /// What the planner must be told about the lens and camera catalogues
    /// read when the page was made: each one that is missing or damaged,
    /// with its path and what to do; empty when both were read.
    QString catalogueProblemText() const;
    /// True when the camera catalogue gave at least one camera. Without one
    /// nothing is computed, and the focal length, the view angles, the
    /// coverage widths, the shares and the bracket angle show "--".
    bool hasCameras() const { return !m_cameraList.isEmpty(); }

    /// The focal length (mm) last computed or typed.
    float focalLength() const { return m_fFocalLength; }
    double verticalAngle() const { return m_dVerticalAngle; }
    double horizontalAngle() const { return m_dHorizontalAngle; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

protected slots:
    void ChangeIPCType(int index);
    void ObjectDistanceChange(int value);
    void ObjectWidthChange(int value);
    void FocusLengthChange(double value);
    void ProPortionChanged(float objectHeight, float nearViewHeight, float farTopHeight,
                           float farDrop);
    void CameraBracketChanged(float cameraHeight, float viewAngle, float nearDistance);
    void ResolutionChange(int index);

private:
    void setUpForm();
    void retranslateForm();
    void fillIPCTypes();
    void calculateFocalLength();
    void fillRecommendation(QStringList lensModels, float focal);
    QMap<QString, int> buildModelIndexMap() const;
    void showFocalTip();
    void showNoFigures();
    QPoint focalTipPosition() const;

    QList<LensInfo> m_lensList;
    QList<CameraInfo> m_cameraList;
    pendrik::CatalogueProblem m_lensProblem = pendrik::CatalogueProblem::None;
    pendrik::CatalogueProblem m_cameraProblem = pendrik::CatalogueProblem::None;
    QString m_lensPath;
    QString m_cameraPath;
    float m_fFocalLength = 0;
    // A focal length has been computed or typed: until then the short-focal
    // warning has nothing to warn about.
    bool m_bFocalShown = false;
    double m_dVerticalAngle = 0;
    double m_dHorizontalAngle = 0;
    float m_fSensorWidth = 0;
    float m_fSensorHeight = 0;
    int m_nObjectDistance = 0;
    int m_nObjectWidth = 0;
    QStringList m_recommendedLensModels;

    KavrinGUIToolkit::CComboBox *m_comboIPCType = nullptr;
    KavrinGUIToolkit::CComboBox *m_comboResolution = nullptr;
    KavrinGUIToolkit::CSpinBox *m_spinObjectDistance = nullptr;
    KavrinGUIToolkit::CSpinBox *m_spinObjectWidth = nullptr;
    QDoubleSpinBox *m_editCameraFocus = nullptr;
    QLabel *m_labelRecommendNum = nullptr;
    QLabel *m_label9 = nullptr;
    KavrinGUIToolkit::CLineEdit *m_pEdtLensNumber = nullptr;
    KavrinGUIToolkit::CTableWidget *m_pCameraLen = nullptr;
    CVerticalSimulate *m_frameVertical = nullptr;
    CMonitorSimulate *m_frameMonitor = nullptr;
    CHorizontalSimulate *m_frameHorizontal = nullptr;
    QLabel *m_labelNearObj = nullptr;
    QLabel *m_labelFarObject = nullptr;
    QLabel *m_labelBracket = nullptr;

    // Texts of the form that the translation step fills.
    QLabel *m_labelParameters = nullptr;
    QLabel *m_labelIPCModel = nullptr;
    QLabel *m_labelResolution = nullptr;
    QLabel *m_labelObjectDistance = nullptr;
    QLabel *m_labelObjectWidth = nullptr;
    QLabel *m_labelDistanceUnit = nullptr;
    QLabel *m_labelWidthUnit = nullptr;
    QLabel *m_labelRecommand = nullptr;
    QLabel *m_labelFocus = nullptr;
    QLabel *m_labelFocusUnit = nullptr;
    QLabel *m_labelRecommendedModel = nullptr;
    QLabel *m_labelVertical = nullptr;
    QLabel *m_labelNearby = nullptr;
    QLabel *m_labelDistant = nullptr;
    QLabel *m_labelCameraBracket = nullptr;
    QLabel *m_labelLensSimulation = nullptr;
    QLabel *m_labelHorizontal = nullptr;
};
