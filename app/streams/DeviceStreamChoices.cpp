// What the catalogue offers a device's streams: the model's category, its
// resolutions and frame-rate ladders by video standard, and the bit-rate
// estimate for a resolution and frame rate.

#include "DeviceStreamModel.h"

#include <CalculationEngine.h>
#include <TaskDataBase.h>
#include <TaskListFile.h>
#include <TextChecks.h>

namespace kiv {

namespace {

const QString kFineMarker = QStringLiteral("1/16");

// The frame-rate ladders, highest first. The camera ladders share their tail
// from "22" on; the DVR ladders start at the standard's full rate.
const QStringList &ladderTail()
{
    static const QStringList tail = {
        QStringLiteral("22"),   QStringLiteral("20"),    QStringLiteral("18"),
        QStringLiteral("16"),   QStringLiteral("15"),    QStringLiteral("12.5"),
        QStringLiteral("12"),   QStringLiteral("10"),    QStringLiteral("9"),
        QStringLiteral("8"),    QStringLiteral("7"),     QStringLiteral("6"),
        QStringLiteral("5"),    QStringLiteral("4"),     QStringLiteral("3"),
        QStringLiteral("2"),    QStringLiteral("1"),     QStringLiteral("0.5"),
        QStringLiteral("0.25"), QStringLiteral("0.125"), QStringLiteral("0.0625")};
    return tail;
}

QStringList cameraLadder(int videoStandard)
{
    if (videoStandard == 0)
        return QStringList{QStringLiteral("50"), QStringLiteral("25")} + ladderTail();
    return QStringList{QStringLiteral("60"), QStringLiteral("30")} + ladderTail();
}

QStringList dvrLadder(int videoStandard, bool fine)
{
    QStringList ladder{videoStandard == 0 ? QStringLiteral("25") : QStringLiteral("30")};
    ladder += ladderTail();
    if (!fine)
        ladder = ladder.mid(0, ladder.indexOf(QStringLiteral("1")) + 1);
    return ladder;
}

} // namespace

void DeviceStreamModel::loadDeviceTypeLists()
{
    TaskDataBase *catalogue = TaskDataBase::GetInstance();
    catalogue->getDeviceList(CameraCategory, m_cameraTypes);
    catalogue->getDeviceList(DvrCategory, m_dvrTypes);
    catalogue->getDeviceList(DomeCategory, m_domeTypes);
}

DeviceStreamModel::Category DeviceStreamModel::deviceCategory(const QString &deviceType) const
{
    if (m_dvrTypes.contains(deviceType))
        return DvrCategory;
    if (m_cameraTypes.contains(deviceType))
        return CameraCategory;
    if (m_domeTypes.contains(deviceType))
        return DomeCategory;
    return NoCategory;
}

int DeviceStreamModel::videoStandard() const
{
    TaskListFile tasks;
    TaskInfo info;
    tasks.task(m_taskName, info);
    return info.videoStandard;
}

void DeviceStreamModel::frameRateList(int videoStandard, QStringList &values)
{
    qint64 highest = 0;
    for (const QString &value : std::as_const(values)) {
        if (value.isEmpty() || !isDigits(value))
            continue;
        bool ok = false;
        const qint64 number = value.toLongLong(&ok, 10);
        if (ok && number > highest)
            highest = number;
    }
    const QStringList ladder = cameraLadder(videoStandard);
    const int from = int(ladder.indexOf(QString::number(highest)));
    values = from < 0 ? QStringList() : ladder.mid(from);
}

void DeviceStreamModel::deviceFrameRateList(int videoStandard, QStringList &values)
{
    values = dvrLadder(videoStandard, values.contains(kFineMarker));
}

bool DeviceStreamModel::catalogueDvrFrameRates(const QString &deviceType, int videoStandard,
                                               QStringList &frameRates) const
{
    return TaskDataBase::GetInstance()->getDVRFrameRate(deviceType, videoStandard, frameRates);
}

DeviceStreamModel::Choices DeviceStreamModel::choicesFor(const QString &deviceType,
                                                         int videoStandard) const
{
    Choices choices;
    choices.category = deviceCategory(deviceType);
    choices.videoStandard = videoStandard;
    TaskDataBase *catalogue = TaskDataBase::GetInstance();
    switch (choices.category) {
    case CameraCategory:
    case DomeCategory: {
        if (choices.category == CameraCategory)
            catalogue->getIPCResolution(deviceType, videoStandard, choices.maps);
        else
            catalogue->getDomeResolution(deviceType, videoStandard, choices.maps);
        if (choices.maps.isEmpty() || choices.maps.first().isEmpty())
            break;
        choices.available = true;
        const QMap<QString, QString> &first = choices.maps.first();
        choices.resolutions = first.keys();
        choices.frameRates = first.values();
        frameRateList(videoStandard, choices.frameRates);
        break;
    }
    case DvrCategory: {
        catalogue->getDVRResolution(deviceType, choices.resolutions);
        if (choices.resolutions.isEmpty())
            break;
        choices.available = true;
        catalogueDvrFrameRates(deviceType, videoStandard, choices.frameRates);
        deviceFrameRateList(videoStandard, choices.frameRates);
        break;
    }
    case NoCategory:
        break;
    }
    return choices;
}

bool DeviceStreamModel::frameRatesForResolution(const Choices &choices, const QString &resolution,
                                                QStringList &frameRates)
{
    if (choices.category == DvrCategory) {
        if (!choices.resolutions.contains(resolution))
            return false;
        frameRates = choices.frameRates;
        return true;
    }
    for (const QMap<QString, QString> &map : choices.maps) {
        if (!map.contains(resolution))
            continue;
        frameRates = map.values();
        frameRateList(choices.videoStandard, frameRates);
        return true;
    }
    return false;
}

int DeviceStreamModel::estimate(Category category, int videoStandard, const QString &resolution,
                                const QString &frameRate, int fallback) const
{
    if (category == NoCategory)
        return fallback;
    bool ok = false;
    const double kbps = CalculationEngine().bitRateForResolution(
        category, videoStandard, resolution, frameRate.toDouble(), &ok);
    return ok ? int(kbps) : fallback;
}

} // namespace kiv
