#include "BandwidthCalModel.h"

#include "CalcLogging.h"
#include "CalculatorFlow.h"

#include <TaskListFile.h>

#include <QFont>

namespace kiv {

namespace {

constexpr int kColumns = 4;

} // namespace

BandwidthCalModel::BandwidthCalModel(QObject *parent) : QStandardItemModel(parent)
{
    init();
}

BandwidthCalModel::~BandwidthCalModel() = default;

void BandwidthCalModel::init()
{
    insertColumns(0, kColumns);
    const QString headers[kColumns] = {tr("Preview"), tr("Record"), tr("Transmission"),
                                       tr("Total")};
    for (int column = 0; column < kColumns; ++column) {
        setHeaderData(column, Qt::Horizontal, int(Qt::AlignHCenter | Qt::AlignVCenter),
                      Qt::TextAlignmentRole);
        setHeaderData(column, Qt::Horizontal, headers[column]);
    }
    QFont font(QStringLiteral("Arial"), 14);
    font.setWeight(QFont::Normal);
    for (int column = 0; column < kColumns; ++column) {
        auto *item = new QStandardItem;
        item->setFont(font);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        item->setEditable(false);
        setItem(0, column, item);
    }
}

QString BandwidthCalModel::cellText(int column) const
{
    const QStandardItem *cell = item(0, column);
    return cell ? cell->text() : QString();
}

void BandwidthCalModel::show(const BandwidthFigures &figures)
{
    const QString texts[kColumns] = {figures.preview, figures.record, figures.transmission,
                                     figures.total};
    for (int column = 0; column < kColumns; ++column)
        item(0, column)->setText(texts[column]);
}

BandwidthCalModel::Outcome BandwidthCalModel::calculate(const QString &taskName, QString *reason)
{
    QVector<TaskDeviceEntry> devices;
    if (!CalculatorFlow::readDevices(taskName, "bandwidth calculation:", devices, reason)) {
        clearResult();
        return Unreadable;
    }
    const BandwidthFigures figures = calculateBandwidth(devices);
    show(figures);
    return figures.ok ? Calculated : Uncomputable;
}

void BandwidthCalModel::clearResult()
{
    show(BandwidthFigures());
}

void BandwidthCalModel::loadResult(const QString &taskName)
{
    BandWidthResult r;
    TaskListFile file;
    if (!file.bandWidthResult(taskName, r) || r.bandWidthEnable != 1) {
        clearResult();
        return;
    }
    BandwidthFigures figures;
    figures.preview = r.preView;
    figures.record = r.record;
    figures.transmission = r.transmission;
    figures.total = r.total;
    show(figures);
}

bool BandwidthCalModel::saveResult(const QString &taskName, bool enabled, QString *reason)
{
    BandWidthResult r;
    r.taskName = taskName;
    r.bandWidthEnable = enabled ? 1 : 0;
    r.preView = cellText(0);
    r.record = cellText(1);
    r.transmission = cellText(2);
    r.total = cellText(3);
    TaskListFile file;
    // No task of that name in the list (none chosen yet): there is no entry
    // to keep a result in, and nothing to tell.
    if (file.isOpen() && !file.exists(taskName))
        return true;
    if (file.setBandWidthResult(r) && file.close())
        return true;
    qCDebug(lcCalc) << "qeb setBandWidthResult error" << file.lastError();
    if (reason)
        *reason = file.lastError();
    return false;
}

} // namespace kiv
