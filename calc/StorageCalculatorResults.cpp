// The Calculate button of the storage calculator and its stored result.

#include "StorageCalculatorWidget.h"

#include "CalcLogging.h"
#include "CalculatorFlow.h"
#include "ui_StorageCalculatorWidget.h"

#include <CalNVRThread.h>
#include <ChaseDialog.h>
#include <RecordHours.h>
#include <StorageChoices.h>
#include <TaskListFile.h>
#include <Validators.h>
#include <WarningDlg.h>

#include <QStandardItemModel>

namespace kiv {

namespace {

const QString kBusyAnimation =
    QStringLiteral(":/Torvel/Dialog/Images/Public/Control/Dialog/Loading.gif");

} // namespace

QStandardItem *StorageCalculatorWidget::cell(int column) const
{
    return m_resultModel->item(0, column);
}

void StorageCalculatorWidget::clearResult()
{
    for (int column = 0; column < 3; ++column) {
        QStandardItem *item = cell(column);
        if (!item)
            continue;
        item->setText(QString());
        // No figure of an earlier run may be stored with a later one.
        item->setData(QVariant(), Qt::UserRole);
        item->setData(QVariant(), Qt::UserRole + 1);
    }
}

StorageInputs StorageCalculatorWidget::inputs() const
{
    // A hidden count is 0 whatever it holds.
    const auto count = [](const QLineEdit *edit) {
        return edit->isHidden() ? 0 : edit->text().toInt(nullptr, 10);
    };
    StorageInputs in;
    in.storageClass = storageClassAt(m_form->combStorageDeviceClass->currentIndex());
    in.model = m_form->combDeviceType->currentText();
    in.bays = m_form->edtDiskPos->text().toInt(nullptr, 10);
    in.diskSizeGb = m_form->combHDDCapcity->currentData().toInt();
    in.recordTime = m_form->edtTime->text().toInt(nullptr, 10);
    in.timeUnit = m_form->btnRecordTime->currentButton();
    in.hddType = m_form->combHDDType->currentIndex() == RaidHdd ? RaidHdd : CommonHdd;
    in.raidType = m_form->combRaidType->currentText();
    in.raidGroups = count(m_form->edtRaidGroup);
    in.hotSpares = count(m_form->edtHotspare);
    in.raid1Count = count(m_form->edtRaid1Count);
    in.raid5Count = count(m_form->edtRaid5Count);
    return in;
}

void StorageCalculatorWidget::onCalculate()
{
    if (!CalculatorFlow::taskChosen(
            m_taskName, tr("Choose a task first: the storage is calculated for the current task."),
            this))
        return;
    if (!m_timeValidator->IsAcceptable(m_form->edtTime->text())) {
        showTip(m_form->edtTime, tr("The time is invalid"));
        return;
    }
    if (tooFewHotSpares(m_form->edtRaidGroup->text().toInt(nullptr, 10),
                        m_form->edtHotspare->text().toInt(nullptr, 10))) {
        showTip(m_form->edtHotspare, tr("At least two hot spare disks should be set if three or "
                                        "more RAID groups are configured."));
        return;
    }

    clearResult();
    QVector<TaskDeviceEntry> devices;
    if (!CalculatorFlow::readDevices(m_taskName, "storage calculation:", devices)) {
        CalculatorFlow::tellUnreadable(this);
        saveResult(false);
        return;
    }

    const StorageFigures figures = calculateStorage(
        devices, inputs(), [this](const QString &model, const std::vector<IpcTypeCount> &cameras) {
            return countNvrs(model, cameras);
        });
    showFigures(figures);
    if (!figures.ok())
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Error"), failureText(figures.failure),
                                                       this);
    saveResult(figures.ok());
}

int StorageCalculatorWidget::countNvrs(const QString &model,
                                       const std::vector<IpcTypeCount> &cameras)
{
    KavrinGUIToolkit::CChaseDialog dialog(this, kBusyAnimation, tr("Calculation..."), false);
    CalNVRThread thread(this);
    thread.setParam(model, cameras);
    connect(&thread, &CalNVRThread::CalSuc, &dialog,
            &KavrinGUIToolkit::CChaseDialog::OnImmediatelyStopChase);
    // A run that ends without its signal still ends the wait.
    connect(&thread, &QThread::finished, &dialog,
            &KavrinGUIToolkit::CChaseDialog::OnImmediatelyStopChase);
    thread.start(QThread::InheritPriority);
    if (!thread.isRunning() && !thread.isFinished()) {
        // No thread could be made: count here, without the dialog.
        qCDebug(lcCalc) << "storage calculation: no worker thread, counting on the GUI thread";
        NvrCalculator calculator;
        return calculator.calculate(model, cameras);
    }
    dialog.exec();
    thread.wait();
    return thread.result();
}

void StorageCalculatorWidget::showFigures(const StorageFigures &figures)
{
    if (figures.devices >= 0)
        cell(DeviceCountColumn)->setText(QString::number(figures.devices));
    if (!figures.capacityText.isEmpty()) {
        cell(CapacityColumn)->setText(figures.capacityText);
        cell(CapacityColumn)->setData(figures.totalTb, Qt::UserRole);
    }
    if (figures.disks >= 0)
        cell(DiskCountColumn)->setText(QString::number(figures.disks));
    if (figures.dataDisks >= 0)
        cell(DiskCountColumn)->setData(QString::number(figures.dataDisks), Qt::UserRole + 1);
}

QString StorageCalculatorWidget::failureText(StorageFailure failure) const
{
    switch (failure) {
    case StorageFailure::TooManyCameras:
        return tr("The sum of IPC number can not be bigger than 1000000");
    case StorageFailure::UnsupportedBitRate:
        return tr("The Bit Rate of IPC Typeis bigger than NVR Bandwidth");
    case StorageFailure::UnknownModel:
        return tr("No this type");
    case StorageFailure::RaidLayout:
        return tr("The configured parameters of RAID Number and Hot Spare are not supported by "
                  "the NVR/CVR. Please edit them.");
    case StorageFailure::NoBays:
        return tr("The number of HDD bays of this model is not known, so the devices it needs "
                  "cannot be counted.");
    case StorageFailure::Uncomputable:
    case StorageFailure::None:
        break;
    }
    return tr("The storage of this task is too large to be calculated. Check the bit rates and "
              "stream counts of its streams.");
}

void StorageCalculatorWidget::saveResult(bool enabled)
{
    StorageResult r;
    r.taskName = m_taskName;
    r.storageEnable = enabled ? 1 : 0;
    r.mainType = m_form->combStorageDeviceClass->currentText();
    r.devType = m_form->combDeviceType->currentText();
    r.hddBay = m_form->edtDiskPos->text().toInt(nullptr, 10);
    r.hddCap = m_form->combHDDCapcity->currentText();
    r.timeType = m_form->btnRecordTime->currentButton();
    r.recordTime = m_form->edtTime->text().toInt(nullptr, 10);
    r.hddModel = m_form->combHDDType->currentText();
    r.raidType = m_form->combRaidType->currentText();
    r.raid1Number = m_form->edtRaid1Count->text().toInt(nullptr, 10);
    r.raid5Number = m_form->edtRaid5Count->text().toInt(nullptr, 10);
    r.raidNumber = m_form->edtRaidGroup->text().toInt(nullptr, 10);
    r.hotSpare = m_form->edtHotspare->text().toInt(nullptr, 10);
    r.devNumber = cell(DeviceCountColumn)->text().toInt(nullptr, 10);
    r.totalCap = cell(CapacityColumn)->text();
    r.hddNumber = cell(DiskCountColumn)->text().toInt(nullptr, 10);
    r.commonHddNumber = cell(DiskCountColumn)->data(Qt::UserRole + 1).toString().toInt(nullptr, 10);

    TaskListFile file;
    // No task of that name in the list (none chosen yet): there is no entry
    // to keep a result in, and nothing to tell.
    if (file.isOpen() && !file.exists(m_taskName))
        return;
    if (!file.setStorageResult(r) || !file.close()) {
        qCDebug(lcCalc) << "qeb addStorageResult error" << file.lastError();
        CalculatorFlow::tellNotStored(this, file.lastError());
    }
}

void StorageCalculatorWidget::loadResult()
{
    StorageResult r;
    {
        TaskListFile file;
        if (!file.storageResult(m_taskName, r) || r.storageEnable != 1) {
            resetRaidCounts();
            m_form->edtTime->setText(QStringLiteral("1"));
            clearResult();
            return;
        }
    }

    // Each choice refills or resets the ones after it, so they are put back
    // in the form's order. The class first, in whichever language it was
    // stored.
    const StorageClass storedClass = storageClassOf(r.mainType);
    const int classIndex = storedClass < m_form->combStorageDeviceClass->count()
                               ? int(storedClass)
                               : m_form->combStorageDeviceClass->findText(r.mainType);
    m_form->combStorageDeviceClass->setCurrentIndex(classIndex);
    // A storage server is found by its name in either language.
    int modelIndex = m_form->combDeviceType->findText(r.devType);
    if (modelIndex < 0 && classIndex == StorageServer)
        modelIndex = storageServerIndexOf(r.devType);
    m_form->combDeviceType->setCurrentIndex(modelIndex);
    m_form->combHDDCapcity->setCurrentIndex(m_form->combHDDCapcity->findText(r.hddCap));
    m_form->combHDDType->setCurrentIndex(int(hddTypeOf(r.hddModel)));
    m_form->combRaidType->setCurrentIndex(m_form->combRaidType->findText(r.raidType));
    // The unit resets the time, so the time follows it.
    m_form->btnRecordTime->setCurrentButton(recordTimeUnitOf(r.timeType));
    m_form->edtTime->setText(QString::number(r.recordTime));
    // The counts come after the disk and RAID types, which reset them.
    m_form->edtRaid1Count->setText(QString::number(r.raid1Number));
    m_form->edtRaid5Count->setText(QString::number(r.raid5Number));
    m_form->edtRaidGroup->setText(QString::number(r.raidNumber));
    m_form->edtHotspare->setText(QString::number(r.hotSpare));
    // A count stored beside a RAID type it does not belong to stays hidden,
    // and so reads 0.
    slotRaidTypeChanged(m_form->combRaidType->currentText());
    // No figure data of an earlier run may stay behind the stored texts.
    clearResult();
    cell(DeviceCountColumn)->setText(QString::number(r.devNumber));
    cell(CapacityColumn)->setText(r.totalCap);
    cell(DiskCountColumn)->setText(QString::number(r.hddNumber));
}

} // namespace kiv
