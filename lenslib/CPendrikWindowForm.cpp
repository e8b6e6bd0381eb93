// The widget tree of the calculator page, built once by its constructor.
#include "CHorizontalSimulate.h"
#include "CMonitorSimulate.h"
#include "CPendrikWindow.h"
#include "CVerticalSimulate.h"

#include <TableWidget.h>
#include <Widgets.h>

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

const char kTitleColour[] = "color: rgb(88, 166, 220);";
// Whole rows the recommendation table always has room for.
constexpr int kRecommendedRowsShown = 4;
const char kFocusEditStyle[] =
    "QDoubleSpinBox{border-image:url(:/Torvel/LineEdit/Images/Public/Control/LineEdit/"
    "SearchEdit.png) 4 4 4 4; border-width:3px;}"
    "QDoubleSpinBox:hover{border-image:url(:/Torvel/LineEdit/Images/Public/Control/LineEdit/"
    "SearchEditHover.png) 4 4 4 4; border-width:4px;}"
    "QDoubleSpinBox:focus{border-image:url(:/Torvel/LineEdit/Images/Public/Control/LineEdit/"
    "SearchEditSelected.png) 4 4 4 4; border-width:4px;}"
    "QDoubleSpinBox:disabled{border-image:url(:/Torvel/LineEdit/Images/Public/Control/LineEdit/"
    "SearchEditDisable.png) 4 4 4 4; border-width:4px;}";

QLabel *newLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel *newTitle(QWidget *parent, const char *name)
{
    QLabel *label = newLabel(parent, name);
    label->setStyleSheet(QString::fromLatin1(kTitleColour));
    return label;
}

QLabel *newRowLabel(QWidget *parent, const char *name)
{
    QLabel *label = newLabel(parent, name);
    label->setMinimumWidth(100);
    return label;
}

QFrame *newBox(QWidget *parent, const char *name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

QLabel *newCaption(QWidget *parent, const char *name)
{
    QLabel *label = newLabel(parent, name);
    label->setFixedHeight(20);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::RichText);
    return label;
}

QString captionText(const QString &word)
{
    // Bold, not semi-bold: a font without a semi-bold face (the Chinese
    // ones) would show 600 as regular, while 700 is drawn bold by every
    // font, synthesised where it has no bold face.
    return QStringLiteral("<span style=\"font-size:10pt; font-weight:700; color:#6e95a5;\">%1"
                          "</span>")
        .arg(word.toHtmlEscaped());
}

QVBoxLayout *viewLayout(QFrame *frame)
{
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 6, 6, 2);
    layout->setSpacing(2);
    return layout;
}

} // namespace

void CPendrikWindow::setUpForm()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("CPendrikWindow"));
    resize(933, 671);

    auto *outer = new QGridLayout(this);
    outer->setSpacing(6);
    outer->setContentsMargins(11, 11, 11, 11);
    auto *grid = new QGridLayout;
    grid->setSpacing(6);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 2);
    outer->addLayout(grid, 0, 0);

    // Top left: parameters, focal length and recommended lenses.
    QFrame *paramFrame = newBox(this, "frameParameters");
    paramFrame->setFixedWidth(460);
    auto *paramFrameLayout = new QVBoxLayout(paramFrame);
    paramFrameLayout->setContentsMargins(4, 4, 4, 4);
    auto *group = new QGroupBox(paramFrame);
    group->setObjectName(QStringLiteral("groupBox"));
    group->setTitle(QString());
    paramFrameLayout->addWidget(group);
    auto *blocks = new QVBoxLayout(group);
    blocks->setSpacing(6);

    m_labelParameters = newTitle(group, "labelParameters");
    blocks->addWidget(m_labelParameters);
    auto *paramGrid = new QGridLayout;
    paramGrid->setObjectName(QStringLiteral("gridParameters"));
    paramGrid->setVerticalSpacing(8);
    paramGrid->setContentsMargins(0, 0, 70, 0);
    paramGrid->setColumnStretch(0, 4);
    paramGrid->setColumnStretch(1, 4);
    paramGrid->setColumnStretch(2, 1);
    m_labelIPCModel = newRowLabel(group, "labelIPCModel");
    m_comboIPCType = new KavrinGUIToolkit::CComboBox(group);
    m_comboIPCType->setObjectName(QStringLiteral("comboIPCType"));
    m_labelResolution = newRowLabel(group, "labelResolution");
    m_comboResolution = new KavrinGUIToolkit::CComboBox(group);
    m_comboResolution->setObjectName(QStringLiteral("comboResolution"));
    m_labelObjectDistance = newRowLabel(group, "labelObjectDistance");
    m_spinObjectDistance = new KavrinGUIToolkit::CSpinBox(group);
    m_spinObjectDistance->setObjectName(QStringLiteral("spinObjectDistance"));
    m_labelDistanceUnit = newLabel(group, "labelDistanceUnit");
    m_labelObjectWidth = newRowLabel(group, "labelObjectWidth");
    m_spinObjectWidth = new KavrinGUIToolkit::CSpinBox(group);
    m_spinObjectWidth->setObjectName(QStringLiteral("spinObjectWidth"));
    m_labelWidthUnit = newLabel(group, "labelWidthUnit");
    for (QWidget *input : std::initializer_list<QWidget *>{m_comboIPCType, m_comboResolution,
                                                           m_spinObjectDistance, m_spinObjectWidth})
        input->setMinimumSize(150, 22);
    m_spinObjectDistance->setRange(1, 499);
    m_spinObjectDistance->setValue(15);
    m_spinObjectWidth->setRange(1, 499);
    m_spinObjectWidth->setValue(10);
    paramGrid->addWidget(m_labelIPCModel, 0, 0);
    paramGrid->addWidget(m_comboIPCType, 0, 1);
    paramGrid->addWidget(m_labelResolution, 1, 0);
    paramGrid->addWidget(m_comboResolution, 1, 1);
    paramGrid->addWidget(m_labelObjectDistance, 2, 0);
    paramGrid->addWidget(m_spinObjectDistance, 2, 1);
    paramGrid->addWidget(m_labelDistanceUnit, 2, 2);
    paramGrid->addWidget(m_labelObjectWidth, 3, 0);
    paramGrid->addWidget(m_spinObjectWidth, 3, 1);
    paramGrid->addWidget(m_labelWidthUnit, 3, 2);
    auto *paramRow = new QHBoxLayout;
    paramRow->addLayout(paramGrid);
    paramRow->addItem(new QSpacerItem(6, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    blocks->addLayout(paramRow);

    m_labelRecommand = newTitle(group, "labelRecommand");
    blocks->addWidget(m_labelRecommand);
    auto *focusRow = new QHBoxLayout;
    m_labelFocus = newRowLabel(group, "labelFocus");
    m_editCameraFocus = new QDoubleSpinBox(group);
    m_editCameraFocus->setObjectName(QStringLiteral("editCameraFocus"));
    m_editCameraFocus->setFixedWidth(160);
    m_editCameraFocus->setMinimumHeight(22);
    m_editCameraFocus->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_editCameraFocus->setDecimals(2);
    m_editCameraFocus->setRange(0, 1000);
    m_editCameraFocus->setValue(5.0);
    m_editCameraFocus->setStyleSheet(QString::fromLatin1(kFocusEditStyle));
    m_labelFocusUnit = newLabel(group, "labelFocusUnit");
    focusRow->addWidget(m_labelFocus);
    focusRow->addWidget(m_editCameraFocus);
    focusRow->addWidget(m_labelFocusUnit);
    focusRow->addStretch(1);
    blocks->addLayout(focusRow);

    auto *recommendGrid = new QGridLayout;
    recommendGrid->setSpacing(4);
    auto *recommendRow = new QHBoxLayout;
    recommendRow->setSpacing(2);
    m_labelRecommendedModel = newTitle(group, "labelRecommendedModel");
    m_labelRecommendedModel->setFixedHeight(20);
    m_labelRecommendNum = newLabel(group, "labelRecommendNum");
    m_labelRecommendNum->setMinimumWidth(50);
    m_labelRecommendNum->setStyleSheet(QStringLiteral("color: rgb(0, 197, 0);"));
    m_label9 = newLabel(group, "label_9");
    m_pEdtLensNumber = new KavrinGUIToolkit::CLineEdit(group);
    m_pEdtLensNumber->setObjectName(QStringLiteral("m_pEdtLensNumber"));
    m_pEdtLensNumber->setFixedWidth(60);
    recommendRow->addWidget(m_labelRecommendedModel);
    recommendRow->addWidget(m_labelRecommendNum);
    recommendRow->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    recommendRow->addWidget(m_label9);
    recommendRow->addWidget(m_pEdtLensNumber);
    recommendGrid->addLayout(recommendRow, 0, 0);
    m_pCameraLen = new KavrinGUIToolkit::CTableWidget(group);
    m_pCameraLen->setObjectName(QStringLiteral("m_pCameraLen"));
    // Rows of one text line, and room for four of them, so that a third or
    // fourth lens is not cut in half.
    const int rowHeight = m_pCameraLen->fontMetrics().height() + 8;
    m_pCameraLen->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pCameraLen->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_pCameraLen->setMinimumHeight(kRecommendedRowsShown * rowHeight +
                                   2 * m_pCameraLen->frameWidth());
    recommendGrid->addWidget(m_pCameraLen, 1, 0);
    recommendGrid->setRowStretch(1, 1);
    blocks->addLayout(recommendGrid, 1);
    grid->addWidget(paramFrame, 0, 0);

    // Top right: the side view.
    QFrame *verticalFrame = newBox(this, "frameVerticalBox");
    verticalFrame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QVBoxLayout *verticalLayout = viewLayout(verticalFrame);
    m_frameVertical = new CVerticalSimulate(verticalFrame);
    m_frameVertical->setObjectName(QStringLiteral("frameVertical"));
    m_frameVertical->setFrameShape(QFrame::NoFrame);
    m_labelVertical = newCaption(verticalFrame, "labelVertical");
    verticalLayout->addWidget(m_frameVertical, 1);
    verticalLayout->addWidget(m_labelVertical);
    grid->addWidget(verticalFrame, 0, 1);

    // Bottom left: the monitor view and its proportions.
    QFrame *monitorFrame = newBox(this, "frameMonitorBox");
    monitorFrame->setFixedWidth(460);
    QVBoxLayout *monitorLayout = viewLayout(monitorFrame);
    m_frameMonitor = new CMonitorSimulate(monitorFrame);
    m_frameMonitor->setObjectName(QStringLiteral("frameMonitor"));
    monitorLayout->addWidget(m_frameMonitor, 1);
    auto *shareRow = new QHBoxLayout;
    m_labelNearby = newLabel(monitorFrame, "labelNearby");
    m_labelNearObj = newLabel(monitorFrame, "labelNearObj");
    m_labelDistant = newLabel(monitorFrame, "labelDistant");
    m_labelFarObject = newLabel(monitorFrame, "labelFarObject");
    m_labelCameraBracket = newLabel(monitorFrame, "labelCameraBracket");
    m_labelBracket = newLabel(monitorFrame, "labelBracket");
    shareRow->addWidget(m_labelNearby);
    shareRow->addWidget(m_labelNearObj);
    shareRow->addItem(new QSpacerItem(10, 15, QSizePolicy::Fixed, QSizePolicy::Minimum));
    shareRow->addWidget(m_labelDistant);
    shareRow->addWidget(m_labelFarObject);
    shareRow->addItem(new QSpacerItem(10, 15, QSizePolicy::Fixed, QSizePolicy::Minimum));
    shareRow->addWidget(m_labelCameraBracket);
    shareRow->addWidget(m_labelBracket);
    shareRow->addStretch(1);
    for (QLabel *label : {m_labelNearby, m_labelNearObj, m_labelDistant, m_labelFarObject,
                          m_labelCameraBracket, m_labelBracket})
        label->setMaximumHeight(15);
    m_labelNearObj->setText(QStringLiteral("0%"));
    m_labelFarObject->setText(QStringLiteral("0%"));
    m_labelBracket->setText(QStringLiteral("0"));
    monitorLayout->addLayout(shareRow);
    m_labelLensSimulation = newCaption(monitorFrame, "labelLensSimulation");
    monitorLayout->addWidget(m_labelLensSimulation);
    grid->addWidget(monitorFrame, 1, 0);

    // Bottom right: the top view.
    QFrame *horizontalFrame = newBox(this, "frameHorizontalBox");
    QVBoxLayout *horizontalLayout = viewLayout(horizontalFrame);
    m_frameHorizontal = new CHorizontalSimulate(horizontalFrame);
    m_frameHorizontal->setObjectName(QStringLiteral("frameHorizontal"));
    m_labelHorizontal = newCaption(horizontalFrame, "labelHorizontal");
    horizontalLayout->addWidget(m_frameHorizontal, 1);
    horizontalLayout->addWidget(m_labelHorizontal);
    grid->addWidget(horizontalFrame, 1, 1);

    retranslateForm();
}

void CPendrikWindow::retranslateForm()
{
    setWindowTitle(QStringLiteral("CPendrikWindow"));
    m_labelParameters->setText(tr("Parameters"));
    m_labelIPCModel->setText(tr("IPC Model: "));
    m_labelResolution->setText(tr("Resolution:"));
    m_labelObjectDistance->setText(tr("Object Distance:"));
    m_labelDistanceUnit->setText(tr("m"));
    m_labelObjectWidth->setText(tr("Object Width:   "));
    m_labelWidthUnit->setText(tr("m"));
    m_labelRecommand->setText(tr("recommand"));
    m_labelFocus->setText(tr("Focus:"));
    m_labelFocusUnit->setText(tr("mm"));
    m_labelRecommendedModel->setText(tr("Recommended Lens Model"));
    m_label9->setText(tr("Number:"));
    m_labelVertical->setText(captionText(tr("Vertical")));
    m_labelNearby->setText(tr("Nearby:"));
    m_labelDistant->setText(tr("Distant:"));
    m_labelCameraBracket->setText(tr("Camera Bracket:"));
    m_labelLensSimulation->setText(captionText(tr("Lens Simulation")));
    m_labelHorizontal->setText(captionText(tr("Horizontal")));
}
