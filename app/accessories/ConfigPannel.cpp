#include "ConfigPannel.h"

#include "AddLensWidget.h"
#include "AddShieldWidget.h"
#include "AddStandWidget.h"
#include "PendrikWidget.h"

#include <ExpandAttributePannel.h>

#include <FailureText.h>
#include <WarningDlg.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace kiv {

namespace {

using KavrinGUIToolkit::CWarningDlg;

constexpr QSize kTileSize(164, 142);

} // namespace

ConfigPannel::ConfigPannel(QWidget *parent) : QDialog(parent)
{
    setUpForm();
    m_lensHost = std::make_unique<PendrikWidget>();
    setStyleSheet(QStringLiteral("QDialog{ border-image:url(:/Torvel/Tree/Images/Public/Control/"
                                 "Tree/TableBg.png) 1;border-width:1px;}"));

    m_lensPanel = new kivui::ExpandAttributePannel;
    m_lensPanel->setObjectName(QStringLiteral("lensPanel"));
    m_standPanel = new kivui::ExpandAttributePannel;
    m_standPanel->setObjectName(QStringLiteral("standPanel"));
    m_shieldPanel = new kivui::ExpandAttributePannel;
    m_shieldPanel->setObjectName(QStringLiteral("shieldPanel"));

    connect(m_lensPanel, &kivui::ExpandAttributePannel::editSignal, this,
            &ConfigPannel::slotEditLens);
    connect(m_lensPanel, &kivui::ExpandAttributePannel::signalAdd, this,
            &ConfigPannel::slotAddLens);
    connect(m_lensPanel, &kivui::ExpandAttributePannel::signalClear, this,
            &ConfigPannel::slotDelLens);
    connect(m_standPanel, &kivui::ExpandAttributePannel::editSignal, this,
            &ConfigPannel::slotEditStand);
    connect(m_standPanel, &kivui::ExpandAttributePannel::signalAdd, this,
            &ConfigPannel::slotAddStand);
    connect(m_standPanel, &kivui::ExpandAttributePannel::signalClear, this,
            &ConfigPannel::slotDelStand);
    connect(m_shieldPanel, &kivui::ExpandAttributePannel::editSignal, this,
            &ConfigPannel::slotEditShield);
    connect(m_shieldPanel, &kivui::ExpandAttributePannel::signalAdd, this,
            &ConfigPannel::slotAddShield);
    connect(m_shieldPanel, &kivui::ExpandAttributePannel::signalClear, this,
            &ConfigPannel::slotDelShield);

    m_lensPanel->setTitle(tr("Camera lens"));
    m_lensPanel->setFixedSize(kTileSize);
    m_standPanel->setTitle(tr("Bracket"));
    m_standPanel->setFixedSize(kTileSize);
    m_shieldPanel->setTitle(tr("Shield"));
    m_shieldPanel->setFixedSize(kTileSize);

    auto *row = new QHBoxLayout(m_pannelWidget);
    row->addWidget(m_lensPanel);
    row->addWidget(m_standPanel);
    row->addWidget(m_shieldPanel);

    setFixedSize(720, 170);
    // No window type: a child widget drawn inside the main window.
    setWindowFlags(Qt::WindowStaysOnTopHint);
}

ConfigPannel::~ConfigPannel() = default;

void ConfigPannel::setUpForm()
{
    setObjectName(QStringLiteral("ConfigPannel"));
    resize(400, 300);
    m_gridLayout = new QGridLayout(this);
    m_gridLayout->setObjectName(QStringLiteral("gridLayout"));
    m_gridLayout->setSpacing(6);
    m_gridLayout->setContentsMargins(11, 11, 11, 11);
    m_pannelWidget = new QWidget(this);
    m_pannelWidget->setObjectName(QStringLiteral("pannelWidget"));
    m_gridLayout->addWidget(m_pannelWidget, 0, 0, 1, 1);
    setWindowTitle(QCoreApplication::translate("ConfigPannel", "ConfigPannel"));
}

void ConfigPannel::showForDevice(const QString &taskName, const QString &deviceType,
                                 int deviceIndex)
{
    m_taskName = taskName;
    m_deviceIndex = deviceIndex;
    m_deviceType = deviceType;
    loadTile(Accessory::Stand);
    loadTile(Accessory::Shield);
    loadTile(Accessory::Lens);
    show();
}

kivui::ExpandAttributePannel *ConfigPannel::panelOf(Accessory kind) const
{
    switch (kind) {
    case Accessory::Lens:
        return m_lensPanel;
    case Accessory::Stand:
        return m_standPanel;
    case Accessory::Shield:
        break;
    }
    return m_shieldPanel;
}

bool ConfigPannel::readAccessory(Accessory kind, QString &type, int &count, QString *reason) const
{
    return DeviceAccessories(m_taskName, m_deviceIndex).read(kind, type, count, reason);
}

void ConfigPannel::loadTile(Accessory kind)
{
    kivui::ExpandAttributePannel *panel = panelOf(kind);
    QString type;
    int count = 0;
    // An entry without a type names no accessory: the tile offers to add
    // one rather than keep what it showed for the device before.
    if (readAccessory(kind, type, count) && !type.isEmpty()) {
        panel->setAttribute(type, count);
        return;
    }
    // Clearing the tile must not reach the delete slots: showing writes
    // nothing.
    const QSignalBlocker quiet(panel);
    panel->clearAttribute();
}

void ConfigPannel::tellFailure(DeviceAccessories::Outcome outcome, const QString &reason) const
{
    if (outcome == DeviceAccessories::Refused)
        CWarningDlg::ShowMessageInfo(tr("Hint"), failureText(tr("Failed."), reason), nullptr);
    else if (outcome == DeviceAccessories::NotSaved)
        CWarningDlg::ShowMessageInfo(
            tr("Warn"),
            tr("The device file of task %1 could not be saved: %2").arg(m_taskName, reason),
            nullptr);
}

void ConfigPannel::storeAccessory(Accessory kind, const QString &type, int count)
{
    QString reason;
    tellFailure(DeviceAccessories(m_taskName, m_deviceIndex).store(kind, type, count, &reason),
                reason);
    loadTile(kind);
}

void ConfigPannel::removeAccessory(Accessory kind)
{
    QString reason;
    tellFailure(DeviceAccessories(m_taskName, m_deviceIndex).remove(kind, &reason), reason);
    loadTile(kind);
}

void ConfigPannel::chooseLens(bool edit, const QString &storedType, int storedCount)
{
    if (m_lensHost->openPendrik(m_deviceType)) {
        if (m_lensHost->exec() != QDialog::Accepted)
            return;
        // The calculator's line reads "model, maker, focal/aperture/...":
        // the model is what the device keeps.
        const QString lens = m_lensHost->getLens();
        storeAccessory(Accessory::Lens, lens.section(QLatin1Char(','), 0, 0),
                       m_lensHost->getLensValue());
        return;
    }

    AddLensWidget dialog(m_deviceType, this);
    if (edit)
        dialog.SetTitle(tr("Edit Lens"));
    if (!dialog.hasTypes()) {
        CWarningDlg::ShowMessageInfo(tr("Hint"), tr("No fit Lens"), nullptr);
        return;
    }
    if (edit)
        dialog.setValues(storedType, storedCount);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString type;
    int count = 0;
    dialog.getValues(type, count);
    storeAccessory(Accessory::Lens, type, count);
}

void ConfigPannel::chooseStand(bool edit, const QString &storedType, int storedCount)
{
    AddStandWidget dialog(m_deviceType, m_deviceClass, nullptr);
    if (edit) {
        dialog.SetTitle(tr("Edit Stand"));
        dialog.setValues(storedType, storedCount);
    }
    if (!dialog.hasTypes()) {
        CWarningDlg::ShowMessageInfo(tr("Hint"), tr("No fit stand"), nullptr);
        return;
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString type;
    int count = 0;
    dialog.getValues(type, count);
    storeAccessory(Accessory::Stand, type, count);
}

void ConfigPannel::chooseShield(bool edit, const QString &storedType, int storedCount)
{
    AddShieldWidget dialog(m_deviceType, nullptr);
    if (edit)
        dialog.SetTitle(tr("Edit Shield"));
    if (!dialog.hasTypes()) {
        CWarningDlg::ShowMessageInfo(tr("Hint"), tr("No fit shield"), nullptr);
        return;
    }
    if (edit)
        dialog.setValues(storedType, storedCount);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString type;
    int count = 0;
    dialog.getValues(type, count);
    storeAccessory(Accessory::Shield, type, count);
}

void ConfigPannel::editAccessory(Accessory which)
{
    QString type;
    int count = 0;
    QString reason;
    if (!readAccessory(which, type, count, &reason)) {
        CWarningDlg::ShowMessageInfo(tr("Hint"), failureText(tr("Failed."), reason), nullptr);
        loadTile(which);
        return;
    }
    switch (which) {
    case Accessory::Lens:
        chooseLens(true, type, count);
        break;
    case Accessory::Stand:
        chooseStand(true, type, count);
        break;
    case Accessory::Shield:
        chooseShield(true, type, count);
        break;
    }
}

void ConfigPannel::slotEditLens()
{
    editAccessory(Accessory::Lens);
}

void ConfigPannel::slotAddLens()
{
    chooseLens(false, QString(), 0);
}

void ConfigPannel::slotDelLens()
{
    removeAccessory(Accessory::Lens);
}

void ConfigPannel::slotEditStand()
{
    editAccessory(Accessory::Stand);
}

void ConfigPannel::slotAddStand()
{
    chooseStand(false, QString(), 0);
}

void ConfigPannel::slotDelStand()
{
    removeAccessory(Accessory::Stand);
}

void ConfigPannel::slotEditShield()
{
    editAccessory(Accessory::Shield);
}

void ConfigPannel::slotAddShield()
{
    chooseShield(false, QString(), 0);
}

void ConfigPannel::slotDelShield()
{
    removeAccessory(Accessory::Shield);
}

} // namespace kiv
