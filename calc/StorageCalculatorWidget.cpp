#include "StorageCalculatorWidget.h"

#include "CalculatorFlow.h"
#include "ui_StorageCalculatorWidget.h"

#include <LanaguageManager.h>
#include <NvrCalculator.h>
#include <RecordHours.h>
#include <StorageChoices.h>
#include <TaskDataBase.h>
#include <ToolTip.h>
#include <Validators.h>

#include <QCoreApplication>
#include <QStandardItemModel>

namespace kiv {

namespace {

// The fixed storage-server models. The rows and their untranslated names are
// core's (NvrCalculator); these markers give the names their translations
// in this class's context.
const char *const kStorageServerNames[] = {
    QT_TRANSLATE_NOOP("kiv::StorageCalculatorWidget", "Torvel Stroage Server"),
    QT_TRANSLATE_NOOP("kiv::StorageCalculatorWidget", "Delvar Stroage Server"),
};
static_assert(sizeof(kStorageServerNames) / sizeof(kStorageServerNames[0]) ==
                  NvrCalculator::StorageServerCount,
              "one name per storage server");

} // namespace

StorageCalculatorWidget::StorageCalculatorWidget(QWidget *parent)
    : QWidget(parent), m_form(std::make_unique<Ui::StorageCalculatorWidgetUI>())
{
    m_form->setupUi(this);
    init();
}

StorageCalculatorWidget::~StorageCalculatorWidget() = default;

void StorageCalculatorWidget::init()
{
    m_form->combStorageDeviceClass->AddItem(tr("NVR"), tr("NVR"), 0);
    m_form->combStorageDeviceClass->AddItem(tr("CVR"), tr("CVR"), 1);
    // The storage servers are offered in the Chinese interface alone.
    if (LanaguageManager::GetInstance()->language() == 1)
        m_form->combStorageDeviceClass->AddItem(tr("Storage Server"), tr("Storage Server"), 1);
    m_form->combStorageDeviceClass->setCurrentIndex(0);
    m_form->combHDDType->AddItem(tr("Common"), tr("Common"), 0);
    m_form->combHDDType->AddItem(tr("raid"), tr("raid"), 1);
    m_form->combHDDType->setCurrentIndex(0);

    initResultRow();

    fillDeviceTypes();
    for (const DiskSize &size : diskSizes()) {
        const QString text = QLatin1String(size.text);
        m_form->combHDDCapcity->AddItem(text, text, size.gigabytes);
    }
    m_form->combHDDCapcity->setCurrentIndex(0);
    showRaidControls(false);

    setSelectorsConnected(true, true);
    connect(m_form->btnCalculate, &QPushButton::clicked, this,
            &StorageCalculatorWidget::onCalculate);
    connect(m_form->btnRecordTime, &kivui::TimeUnitButton::signalCurrentButtonChanged, this,
            &StorageCalculatorWidget::slotChangedTime);

    // The bays are the model's, from the catalogue.
    m_form->edtDiskPos->setReadOnly(true);
    m_timeValidator = new KavrinGUIToolkit::CIntValidator(0, recordTimeLimit(0), this);
    m_form->edtTime->setValidator(m_timeValidator);
    for (QLineEdit *edit :
         {m_form->edtRaid5Count, m_form->edtRaid1Count, m_form->edtRaidGroup, m_form->edtHotspare})
        edit->setValidator(new KavrinGUIToolkit::CIntValidator(0, 64, this));
    resetRaidCounts();
    m_form->edtTime->setText(QStringLiteral("1"));

    // The hot-spare hint follows what the planner types; a stored result
    // put back group count first must not raise it.
    connect(m_form->edtRaidGroup, &QLineEdit::textEdited, this,
            &StorageCalculatorWidget::slotRaidGroupChanged);
}

void StorageCalculatorWidget::initResultRow()
{
    m_resultModel = new QStandardItemModel(this);
    m_form->tableResult->setModel(m_resultModel);
    m_resultModel->setColumnCount(3);
    const QString headers[3] = {tr("Device Count"), tr("Disk Capacity"), tr("Disk Count")};
    for (int column = 0; column < 3; ++column) {
        m_resultModel->setHeaderData(column, Qt::Horizontal,
                                     int(Qt::AlignHCenter | Qt::AlignVCenter),
                                     Qt::TextAlignmentRole);
        m_resultModel->setHeaderData(column, Qt::Horizontal, headers[column]);
    }
    CalculatorFlow::setUpResultRow(m_form->tableResult, 260);
    QFont font(QStringLiteral("Arial"), 14);
    font.setWeight(QFont::Normal);
    for (int column = 0; column < 3; ++column) {
        auto *item = new QStandardItem;
        item->setEditable(false);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        item->setFont(font);
        m_resultModel->setItem(0, column, item);
    }
}

void StorageCalculatorWidget::setSelectorsConnected(bool connected, bool raidToo)
{
    if (connected) {
        if (raidToo)
            connect(m_form->combRaidType, &QComboBox::currentTextChanged, this,
                    &StorageCalculatorWidget::slotRaidTypeChanged, Qt::UniqueConnection);
        connect(m_form->combStorageDeviceClass, &QComboBox::currentIndexChanged, this,
                &StorageCalculatorWidget::slotDeviceClassChanged, Qt::UniqueConnection);
        connect(m_form->combDeviceType, &QComboBox::currentTextChanged, this,
                &StorageCalculatorWidget::slotDeviceTypeChanged, Qt::UniqueConnection);
        connect(m_form->combHDDType, &QComboBox::currentIndexChanged, this,
                &StorageCalculatorWidget::slotHDDTypeChanged, Qt::UniqueConnection);
        return;
    }
    disconnect(m_form->combStorageDeviceClass, &QComboBox::currentIndexChanged, this,
               &StorageCalculatorWidget::slotDeviceClassChanged);
    disconnect(m_form->combDeviceType, &QComboBox::currentTextChanged, this,
               &StorageCalculatorWidget::slotDeviceTypeChanged);
    disconnect(m_form->combHDDType, &QComboBox::currentIndexChanged, this,
               &StorageCalculatorWidget::slotHDDTypeChanged);
    if (raidToo)
        disconnect(m_form->combRaidType, &QComboBox::currentTextChanged, this,
                   &StorageCalculatorWidget::slotRaidTypeChanged);
}

int StorageCalculatorWidget::catalogueClass() const
{
    return catalogueClassOf(storageClassAt(m_form->combStorageDeviceClass->currentIndex()));
}

bool StorageCalculatorWidget::raidMode() const
{
    return m_form->combHDDType->currentIndex() == RaidHdd &&
           m_form->combStorageDeviceClass->currentIndex() != StorageServer;
}

void StorageCalculatorWidget::fillDeviceTypes()
{
    setSelectorsConnected(false, true);
    m_form->combDeviceType->clear();
    const int classIndex = m_form->combStorageDeviceClass->currentIndex();
    if (classIndex == NvrStorage || classIndex == CvrStorage) {
        const int deviceClass = catalogueClass();
        QStringList models;
        TaskDataBase::GetInstance()->getDeviceList(deviceClass, models);
        models = storageModelChoices(models);
        if (!models.isEmpty()) {
            for (const QString &model : models)
                m_form->combDeviceType->AddItem(model, model);
            m_form->combDeviceType->setCurrentIndex(0);
            fillRaidTypes(deviceClass, models.first());
            m_form->combHDDType->setEnabled(true);
            m_form->labDiskPos->show();
            m_form->edtDiskPos->show();
            updateHddBay(deviceClass, models.first());
        }
    } else if (classIndex == StorageServer) {
        for (const char *name : kStorageServerNames) {
            const QString text = tr(name);
            m_form->combDeviceType->AddItem(text, text);
        }
        m_form->combDeviceType->setCurrentIndex(0);
        for (QWidget *w : std::initializer_list<QWidget *>{
                 m_form->labDiskPos, m_form->edtDiskPos, m_form->labelRaidType,
                 m_form->combRaidType, m_form->labRaid1Count, m_form->edtRaid1Count,
                 m_form->labRaid5Count, m_form->edtRaid5Count, m_form->labRaidGroup,
                 m_form->edtRaidGroup, m_form->labHotspare, m_form->edtHotspare})
            w->hide();
        // Hidden counts are 0: none of them may hold back a calculation.
        resetRaidCounts();
        m_form->combHDDType->setCurrentIndex(CommonHdd);
        m_form->combHDDType->setEnabled(false);
    }
    setSelectorsConnected(true, true);
}

void StorageCalculatorWidget::fillRaidTypes(int deviceClass, const QString &model)
{
    QStringList types;
    TaskDataBase::GetInstance()->getRAIDType(deviceClass, model, types);
    types = raidTypeChoices(types);
    m_form->combRaidType->clear();
    m_form->combRaidType->setEnabled(!types.isEmpty());
    for (const QString &type : types)
        m_form->combRaidType->AddItem(type, type);
    if (!types.isEmpty())
        m_form->combRaidType->setCurrentIndex(0);
    // Callers refill the list with the RAID-type slot disconnected as often
    // as not; the count rows must follow the type shown either way, or a
    // count of the type before would stay on show and be stored.
    slotRaidTypeChanged(m_form->combRaidType->currentText());
}

void StorageCalculatorWidget::updateHddBay(int deviceClass, const QString &model)
{
    int bays = 0;
    TaskDataBase::GetInstance()->getHDDBayNumber(deviceClass, model, bays);
    m_form->edtDiskPos->setText(QString::number(bays));
}

void StorageCalculatorWidget::resetRaidCounts()
{
    for (QLineEdit *edit :
         {m_form->edtHotspare, m_form->edtRaid5Count, m_form->edtRaid1Count, m_form->edtRaidGroup})
        edit->setText(QStringLiteral("0"));
}

void StorageCalculatorWidget::slotDeviceClassChanged(int)
{
    fillDeviceTypes();
}

void StorageCalculatorWidget::slotDeviceTypeChanged(const QString &model)
{
    resetRaidCounts();
    setSelectorsConnected(false, false);
    // The RAID-type slot stays connected: refilling the list runs it.
    fillRaidTypes(catalogueClass(), model);
    updateHddBay(catalogueClass(), model);
    setSelectorsConnected(true, false);
}

void StorageCalculatorWidget::slotHDDTypeChanged(int index)
{
    resetRaidCounts();
    setSelectorsConnected(false, false);
    m_form->combRaidType->clear();
    showRaidControls(index == RaidHdd);
    slotDeviceTypeChanged(m_form->combDeviceType->currentText());
    setSelectorsConnected(true, false);
}

void StorageCalculatorWidget::showRaidControls(bool show)
{
    m_form->labelRaidType->setVisible(show);
    m_form->combRaidType->setVisible(show);
    m_form->labRaidGroup->setVisible(show);
    m_form->edtRaidGroup->setVisible(show);
    m_form->labHotspare->setVisible(show);
    m_form->edtHotspare->setVisible(show);
    // RAID1 and RAID5 counts belong to RAID10 and RAID50 alone; the RAID-type
    // slot shows them.
    slotRaidTypeChanged(show ? m_form->combRaidType->currentText() : QString());
    resetRaidCounts();
    m_form->edtTime->setText(QStringLiteral("1"));
}

void StorageCalculatorWidget::slotRaidTypeChanged(const QString &raidType)
{
    const bool raid = raidMode();
    const int code = raidCodeOf(raidType);
    const bool raid10 = raid && code == DiskCalculator::Raid10;
    const bool raid50 = raid && code == DiskCalculator::Raid50;
    m_form->labRaid1Count->setVisible(raid10);
    m_form->edtRaid1Count->setVisible(raid10);
    m_form->labRaid5Count->setVisible(raid50);
    m_form->edtRaid5Count->setVisible(raid50);
    // A hidden count is read as 0; it shows 0 too.
    if (!raid10)
        m_form->edtRaid1Count->setText(QStringLiteral("0"));
    if (!raid50)
        m_form->edtRaid5Count->setText(QStringLiteral("0"));
}

void StorageCalculatorWidget::slotChangedTime()
{
    const int unit = m_form->btnRecordTime->currentButton();
    if (unit == m_lastTimeUnit)
        return;
    m_form->edtTime->setText(QStringLiteral("1"));
    m_lastTimeUnit = unit;
    m_timeValidator->setRange(0, recordTimeLimit(unit));
}

void StorageCalculatorWidget::slotRaidGroupChanged(const QString &text)
{
    if (tooFewHotSpares(text.toInt(nullptr, 10), m_form->edtHotspare->text().toInt(nullptr, 10)))
        showTip(m_form->edtHotspare, tr("At least two hot spare disks should be set if three or "
                                        "more RAID groups are configured."));
}

void StorageCalculatorWidget::showTip(QWidget *field, const QString &text)
{
    KavrinGUIToolkit::CToolTip::ShowText(field->mapToGlobal(QPoint(0, 0)), text, nullptr);
}

} // namespace kiv
