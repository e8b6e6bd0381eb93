#include "RecordPlanConfig.h"

#include "RecordPlanCopyWidget.h"
#include "ui_RecordPlanConfigUI.h"

#include <TaskDeviceFile.h>
#include <WarningDlg.h>

#include <QTimer>

namespace kiv {

using KavrinGUIToolkit::CWarningDlg;

namespace {

const std::vector<kivui::RecordCell> kNoRecording(kivui::RecordWidget::kHours);

QChar digitOf(int type)
{
    // A type that is no single digit is stored as no recording, which is how
    // the storage calculation counts it.
    return type >= 0 && type <= 9 ? QChar(u'0' + type) : QChar(u'0');
}

// A file's reason is a sentence of its own; the messages here go on after it.
QString withoutFullStop(QString reason)
{
    if (reason.endsWith(QLatin1Char('.')) || reason.endsWith(QChar(0x3002)))
        reason.chop(1);
    return reason;
}

} // namespace

RecordPlanConfig::RecordPlanConfig(QWidget *parent)
    : QDialog(parent), m_form(std::make_unique<Ui::RecordPlanConfigUI>())
{
    m_form->setupUi(this);
    setFixedSize(720, 140);
    // The grid's two rows are as high as a cell is wide.
    m_form->widgetPlan->setMinimumHeight(2 * ((720 - 22) / kivui::RecordWidget::kHours));

    for (KavrinGUIToolkit::CPushButton *button :
         {m_form->btnSchedule, m_form->btnEvent, m_form->btnNoRecord}) {
        // The paint type in force shows as the pressed button.
        button->setCheckable(true);
        button->setAutoExclusive(true);
    }
    for (KavrinGUIToolkit::CPushButton *button :
         {m_form->btnSchedule, m_form->btnEvent, m_form->btnNoRecord, m_form->btnCopyTo}) {
        // Enter in the drop-down must not press a button ("Copy to..."
        // opens a dialog).
        button->setAutoDefault(false);
    }
    connect(m_form->btnSchedule, &QPushButton::clicked, this, &RecordPlanConfig::schedulePlan);
    connect(m_form->btnEvent, &QPushButton::clicked, this, &RecordPlanConfig::eventPlan);
    connect(m_form->btnNoRecord, &QPushButton::clicked, this, &RecordPlanConfig::noPlan);
    connect(m_form->btnCopyTo, &QPushButton::clicked, this, &RecordPlanConfig::copyTo);

    for (int i = 0; i <= 10; ++i)
        m_form->combFrenquency->AddItem(QString::number(i * 10) + QLatin1Char('%'), QString(),
                                        i * 10);
    m_form->combFrenquency->setCurrentIndex(m_form->combFrenquency->findText(
        QStringLiteral("100%"), Qt::MatchExactly | Qt::MatchCaseSensitive));
    // Only a frequency the planner chose is written: a stored text that
    // matches no item stays as it is.
    connect(m_form->combFrenquency, &QComboBox::activated, this, [this] { m_frenChosen = true; });
    setPaintType(1);

    // No window type: as a child of the main window the panel is drawn
    // inside it.
    setWindowFlags(Qt::WindowStaysOnTopHint);
}

RecordPlanConfig::~RecordPlanConfig() = default;

void RecordPlanConfig::setPaintType(int type)
{
    m_form->widgetPlan->setCurrentType(type);
    KavrinGUIToolkit::CPushButton *pressed = type == 1   ? m_form->btnSchedule
                                             : type == 2 ? m_form->btnEvent
                                                         : m_form->btnNoRecord;
    pressed->setChecked(true);
}

void RecordPlanConfig::schedulePlan()
{
    setPaintType(1);
}

void RecordPlanConfig::eventPlan()
{
    setPaintType(2);
}

void RecordPlanConfig::noPlan()
{
    setPaintType(0);
}

QString RecordPlanConfig::planString() const
{
    std::vector<kivui::RecordCell> cells;
    m_form->widgetPlan->getRecordPlan(cells);
    QString text;
    for (const kivui::RecordCell &cell : cells)
        text += digitOf(cell.type());
    return text;
}

void RecordPlanConfig::setPlanString(const QString &plan)
{
    std::vector<kivui::RecordCell> cells;
    cells.reserve(size_t(plan.size()));
    for (const QChar c : plan)
        cells.emplace_back(c.isDigit() ? c.digitValue() : -1);
    m_form->widgetPlan->setRecordPlan(cells);
    m_form->widgetPlan->update();
}

void RecordPlanConfig::showDevice(const QString &taskName, int deviceIndex)
{
    if (!isHidden() && m_loaded) {
        // A change that could not be stored stays shown: the planner was
        // told when it failed.
        if (m_unsaved || !storeOrTell())
            return;
    }
    letGo();
    setPaintType(1);
    m_taskName = taskName;
    m_deviceIndex = deviceIndex;
    QString reason;
    if (!load(reason)) {
        hide();
        CWarningDlg::ShowMessageInfo(
            tr("Warn"),
            tr("The record plan of device %1 cannot be read: %2.")
                .arg(deviceIndex + 1)
                .arg(withoutFullStop(reason)),
            parentWidget());
        return;
    }
    show();
    m_form->btnSchedule->setFocus();
}

bool RecordPlanConfig::saveAndHide()
{
    // "Hidden" means hidden on purpose: a panel that merely has not been
    // shown yet (its window not up) would otherwise appear with the window.
    if (isHidden())
        return true;
    if (!storeOrTell())
        return false;
    letGo();
    hide();
    return true;
}

bool RecordPlanConfig::saveBeforeExit()
{
    if (isHidden())
        return true;
    QString reason;
    switch (save(reason)) {
    case Store::Stored:
    case Store::DeviceGone:
        break;
    case Store::Failed:
        if (CWarningDlg::CheckMessageInfo(tr("Hint"),
                                          notStoredText(reason) + QLatin1Char('\n') +
                                              tr("Close the program without it?"),
                                          this) != 1) {
            m_unsaved = true;
            return false;
        }
        break;
    }
    letGo();
    hide();
    return true;
}

void RecordPlanConfig::done(int result)
{
    if (!isHidden()) {
        if (!storeOrTell())
            return;
        letGo();
    }
    QDialog::done(result);
}

void RecordPlanConfig::onConfirm()
{
    if (storeOrTell())
        accept();
}

void RecordPlanConfig::copyTo()
{
    // The copy reads the stored plan: what the panel shows is stored first.
    if (!storeOrTell() || !m_loaded)
        return;
    RecordPlanCopyWidget dialog(m_taskName, m_deviceIndex, nullptr);
    if (!dialog.devicesLoaded()) {
        CWarningDlg::ShowMessageInfo(
            tr("Warn"),
            tr("The devices of the task cannot be read: the task's device file "
               "cannot be read."),
            this);
        return;
    }
    if (dialog.exec() == QDialog::Accepted)
        emit signalChanngedReslut();
}

bool RecordPlanConfig::load(QString &reason)
{
    TaskDeviceFile file(m_taskName);
    if (!file.isOpen()) {
        reason = openProblemText(file);
        return false;
    }
    // A device that is no longer in the task shows an empty plan; storing one
    // for it then says it is gone.
    QString plan;
    QString fren;
    file.recordPlan(m_deviceIndex, plan);
    file.eventFren(m_deviceIndex, fren);
    // A frequency without an item leaves the drop-down as it was.
    const int item = m_form->combFrenquency->findText(fren + QLatin1Char('%'),
                                                      Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0)
        m_form->combFrenquency->setCurrentIndex(item);
    setPlanString(plan);
    m_storedPlan = plan;
    m_form->widgetPlan->getRecordPlan(m_shownCells);
    m_frenChosen = false;
    m_unsaved = false;
    m_loaded = true;
    return true;
}

QString RecordPlanConfig::paintedPlan(const std::vector<kivui::RecordCell> &cells) const
{
    const bool keepStored = m_storedPlan.size() == int(cells.size());
    QString text;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (keepStored && cells[i] == m_shownCells[i])
            text += m_storedPlan.at(int(i));
        else
            text += digitOf(cells[i].type());
    }
    return text;
}

RecordPlanConfig::Store RecordPlanConfig::save(QString &reason)
{
    if (m_taskName.isEmpty() || !m_loaded)
        return Store::Stored;
    std::vector<kivui::RecordCell> cells;
    m_form->widgetPlan->getRecordPlan(cells);
    const bool painted = cells != m_shownCells;
    if (!painted && !m_frenChosen)
        return Store::Stored;

    TaskDeviceFile file(m_taskName);
    if (!file.isOpen()) {
        reason = openProblemText(file);
        return Store::Failed;
    }
    QString storedPlan;
    QString storedFren;
    if (!file.recordPlan(m_deviceIndex, storedPlan) || !file.eventFren(m_deviceIndex, storedFren))
        return Store::DeviceGone;
    const QString plan = painted ? paintedPlan(cells) : storedPlan;
    const QString fren = m_form->combFrenquency->currentText().chopped(1);
    const bool writePlan = plan != storedPlan;
    const bool writeFren = m_frenChosen && fren != storedFren;
    if ((writePlan && !file.setRecordPlan(plan, m_deviceIndex)) ||
        (writeFren && !file.setEventFren(m_deviceIndex, fren)))
        return Store::DeviceGone;
    if (!file.close()) {
        reason = file.lastError();
        return Store::Failed;
    }
    m_storedPlan = plan;
    m_shownCells = cells;
    m_frenChosen = false;
    m_unsaved = false;
    // One announcement per value written, once it is on disk.
    if (writePlan)
        emit signalChanngedReslut();
    if (writeFren)
        emit signalChanngedReslut();
    return Store::Stored;
}

QString RecordPlanConfig::openProblemText(const TaskDeviceFile &file)
{
    switch (file.problem()) {
    case XmlFileProblem::Damaged:
        return tr("the task's device file is damaged");
    case XmlFileProblem::Missing:
        return tr("the task's device file is missing and cannot be created");
    default:
        return tr("the task's device file cannot be read");
    }
}

QString RecordPlanConfig::notStoredText(const QString &reason) const
{
    return tr("The record plan of device %1 could not be stored: %2.")
        .arg(m_deviceIndex + 1)
        .arg(withoutFullStop(reason));
}

bool RecordPlanConfig::storeOrTell()
{
    QString reason;
    switch (save(reason)) {
    case Store::Stored:
        return true;
    case Store::DeviceGone:
        // Nothing is left to store it in: the panel lets it go.
        m_loaded = false;
        CWarningDlg::ShowMessageInfo(
            tr("Warn"),
            tr("Device %1 is no longer in the task; its record plan was not stored.")
                .arg(m_deviceIndex + 1),
            this);
        return true;
    case Store::Failed:
        break;
    }
    m_unsaved = true;
    // One click may close the panel twice (the device list closes it before
    // it toggles it): the planner hears of the failure once per action.
    if (!m_told) {
        m_told = true;
        QTimer::singleShot(0, this, [this] { m_told = false; });
        CWarningDlg::ShowMessageInfo(tr("Warn"),
                                     notStoredText(reason) + QLatin1Char('\n') +
                                         tr("The panel keeps it: close the panel again to retry."),
                                     this);
    }
    return false;
}

void RecordPlanConfig::letGo()
{
    m_form->widgetPlan->setRecordPlan(kNoRecording);
    m_form->widgetPlan->update();
    m_loaded = false;
    m_unsaved = false;
    m_frenChosen = false;
}

} // namespace kiv
