#include "StreamChoices.h"

#include "CalculationEngine.h"
#include "TaskDataBase.h"
#include "TextChecks.h"

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

// The engine's estimate in whole Kbps, truncated; @p fallback when it
// cannot be computed. An empty frame rate counts as 0 fps.
int engineEstimate(DeviceClass deviceClass, int videoStandard, const QString &resolution,
                   const QString &frameRate, int fallback)
{
    bool ok = false;
    const double kbps = CalculationEngine().bitRateForResolution(
        deviceClass, videoStandard, resolution, frameRate.toDouble(), &ok);
    return ok ? int(kbps) : fallback;
}

} // namespace

StreamChoices StreamChoices::read(TaskDataBase &catalogue, DeviceClass deviceClass,
                                  const QString &deviceType, int videoStandard)
{
    switch (deviceClass) {
    case NetworkCamera:
    case SpeedDome: {
        QList<QMap<QString, QString>> modes;
        if (deviceClass == NetworkCamera)
            catalogue.getIPCResolution(deviceType, videoStandard, modes);
        else
            catalogue.getDomeResolution(deviceType, videoStandard, modes);
        return ofModes(deviceClass, videoStandard, modes);
    }
    case Dvr: {
        QStringList resolutions;
        QStringList frameRates;
        catalogue.getDVRResolution(deviceType, resolutions);
        catalogue.getDVRFrameRate(deviceType, videoStandard, frameRates);
        return ofDvr(videoStandard, resolutions, frameRates);
    }
    default:
        break;
    }
    StreamChoices none;
    none.videoStandard = videoStandard;
    return none;
}

StreamChoices StreamChoices::ofModes(DeviceClass deviceClass, int videoStandard,
                                     const QList<QMap<QString, QString>> &modes)
{
    StreamChoices choices;
    choices.deviceClass = deviceClass;
    choices.videoStandard = videoStandard;
    choices.modes = modes;
    if (modes.isEmpty() || modes.first().isEmpty())
        return choices;
    choices.available = true;
    const QMap<QString, QString> &first = modes.first();
    choices.resolutions = first.keys();
    choices.frameRates = first.values();
    cameraFrameRates(videoStandard, choices.frameRates);
    return choices;
}

StreamChoices StreamChoices::ofDvr(int videoStandard, const QStringList &resolutions,
                                   const QStringList &catalogueFrameRates)
{
    StreamChoices choices;
    choices.deviceClass = Dvr;
    choices.videoStandard = videoStandard;
    if (resolutions.isEmpty())
        return choices;
    choices.available = true;
    choices.resolutions = resolutions;
    choices.frameRates = catalogueFrameRates;
    dvrFrameRates(videoStandard, choices.frameRates);
    return choices;
}

bool StreamChoices::frameRatesFor(const QString &resolution, QStringList &frameRates) const
{
    if (deviceClass == Dvr) {
        if (!resolutions.contains(resolution))
            return false;
        frameRates = this->frameRates;
        return true;
    }
    for (const QMap<QString, QString> &map : modes) {
        if (!map.contains(resolution))
            continue;
        frameRates = map.values();
        cameraFrameRates(videoStandard, frameRates);
        return true;
    }
    return false;
}

int StreamChoices::estimate(const QString &resolution, const QString &frameRate, int fallback) const
{
    if (deviceClass == UnknownDeviceClass)
        return fallback;
    return engineEstimate(deviceClass, videoStandard, resolution, frameRate, fallback);
}

DevStream StreamChoices::firstStream() const
{
    DevStream stream;
    stream.useCode = QStringLiteral("111");
    stream.streamCount = 1;
    if (deviceClass == Dvr) {
        stream.resolution = resolutions.value(0);
        stream.frameRate = frameRates.value(0);
    } else if (!modes.isEmpty() && !modes.first().isEmpty()) {
        const QMap<QString, QString> &first = modes.first();
        stream.resolution = first.firstKey();
        stream.frameRate = first.first();
    }
    // Without choices the texts stay empty and the stream starts from the
    // engine's figure for them, which the planner can type over. A model of
    // no listed class is estimated as a network camera: the engine takes
    // every class but a DVR so.
    const DeviceClass estimatedAs = deviceClass == UnknownDeviceClass ? NetworkCamera : deviceClass;
    stream.bitRate =
        engineEstimate(estimatedAs, videoStandard, stream.resolution, stream.frameRate, 0);
    return stream;
}

void StreamChoices::cameraFrameRates(int videoStandard, QStringList &values)
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

void StreamChoices::dvrFrameRates(int videoStandard, QStringList &values)
{
    values = dvrLadder(videoStandard, values.contains(kFineMarker));
}

} // namespace kiv
