#include "GalleryTasks.h"

#include <ClassNames.h>
#include <TaskDataBase.h>
#include <TaskDeviceFile.h>
#include <TaskListFile.h>

#include <QRegularExpression>
#include <QStringList>
#include <QVector>

namespace gallerytasks {

namespace {

// One text in both interface languages.
struct Text
{
    const char *english;
    const char *chinese;

    QString in(int language) const
    {
        return language == 1 ? QString::fromUtf8(chinese) : QString::fromLatin1(english);
    }
};

const Text kOffice{"Office Building", "办公大楼"};
const Text kCarPark{"Car Park", "停车场"};
const Text kStore{"Retail Store", "零售门店"};

// A class, storage class or disk-type name as the interface of the language
// stores it.
QString stored(const QString &english, int language)
{
    int count = 0;
    const kiv::ClassNameEntry *table = kiv::classNameTable(&count);
    for (int i = 0; language == 1 && i < count; ++i) {
        if (english == QLatin1String(table[i].english))
            return QString::fromUtf8(table[i].chinese);
    }
    return english;
}

DeviceInfo device(const QString &type, const Text &remark, kiv::DeviceClass deviceClass, int count,
                  int mainStream, int subStream, int language)
{
    DeviceInfo d;
    d.deviceType = type;
    d.remark = remark.in(language);
    d.mainType = stored(kiv::deviceClassSource(deviceClass), language);
    d.count = count;
    d.mainStream = mainStream;
    d.subStream = subStream;
    return d;
}

// The pixels of a resolution text: "1920x1080", or a named size.
int pixelsOf(const QString &resolution)
{
    static const QRegularExpression size(QStringLiteral("^(\\d+)[x*](\\d+)$"));
    const QRegularExpressionMatch match = size.match(resolution);
    if (match.hasMatch())
        return match.captured(1).toInt() * match.captured(2).toInt();
    if (resolution == QLatin1String("QCIF"))
        return 176 * 144;
    if (resolution == QLatin1String("CIF"))
        return 352 * 288;
    if (resolution == QLatin1String("4CIF") || resolution == QLatin1String("D1"))
        return 704 * 576;
    return 0;
}

// A main and a sub stream mode of the model under PAL: its largest
// resolution, and the one nearest to 4CIF, each with its highest frame rate;
// empty when the catalogue offers none.
QVector<QPair<QString, QString>> cameraModes(const QString &type, bool dome)
{
    kiv::TaskDataBase *catalogue = kiv::TaskDataBase::GetInstance();
    QList<QMap<QString, QString>> maps;
    const bool found = dome ? catalogue->getDomeResolution(type, 0, maps)
                            : catalogue->getIPCResolution(type, 0, maps);
    QVector<QPair<QString, QString>> modes;
    if (!found || maps.isEmpty() || maps.first().isEmpty())
        return modes;
    const QMap<QString, QString> &map = maps.first();
    QString largest = map.firstKey();
    QString sub = map.firstKey();
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (pixelsOf(it.key()) > pixelsOf(largest))
            largest = it.key();
        if (qAbs(pixelsOf(it.key()) - 704 * 576) < qAbs(pixelsOf(sub) - 704 * 576))
            sub = it.key();
    }
    modes.append({largest, map.value(largest)});
    if (sub != largest)
        modes.append({sub, map.value(sub)});
    return modes;
}

QString firstOf(const QVector<QString> &types)
{
    return types.isEmpty() ? QString() : types.first();
}

struct Accessories
{
    QString lens;
    QString stand;
    QString shield;
};

bool writeOffice(int language, QString &error)
{
    kiv::TaskDataBase *catalogue = kiv::TaskDataBase::GetInstance();
    const QString task = kOffice.in(language);
    const QVector<DeviceInfo> devices = {
        device(QStringLiteral("KC-B21"), {"Entrance", "入口"}, kiv::NetworkCamera, 8, 4096, 1024,
               language),
        device(QStringLiteral("KC-F81"), {"Lobby", "大堂"}, kiv::NetworkCamera, 4, 6144, 1024,
               language),
        device(QStringLiteral("KS-P230"), {"Car park", "停车场"}, kiv::SpeedDome, 2, 4096, 512,
               language),
        device(QStringLiteral("KD-08"), {"Shop floor", "商铺"}, kiv::Dvr, 1, 0, 0, language),
        device(QStringLiteral("KN-16"), {"Server room", "机房"}, kiv::Nvr, 1, 0, 0, language),
        device(QStringLiteral("KV-24"), {"Server room", "机房"}, kiv::Cvr, 1, 0, 0, language),
    };
    TaskDeviceFile file(task);
    if (!file.isOpen() || !file.addDevices(devices)) {
        error = QStringLiteral("cannot write the devices of %1").arg(task);
        return false;
    }

    const char *const plans[] = {"222222111111111111112222", "111111111111111111111111",
                                 "000000002222222222000000", "111111111111000000000000",
                                 "111111111111111111111111", "111111111111111111111111"};
    const char *const frequencies[] = {"30", "50", "20", "10", "10", "10"};
    for (int row = 0; row < devices.size(); ++row) {
        if (!file.setRecordPlan(QLatin1String(plans[row]), row) ||
            !file.setEventFren(row, QLatin1String(frequencies[row]))) {
            error = QStringLiteral("cannot write the record plan of row %1").arg(row);
            return false;
        }
    }

    QVector<DevStream> streams[4];
    const int mainRates[] = {4096, 6144, 4096};
    const int subRates[] = {1024, 1024, 512};
    for (int row = LensHostCameraRow; row <= DomeRow; ++row) {
        const auto modes = cameraModes(devices.at(row).deviceType, row == DomeRow);
        if (!modes.isEmpty())
            streams[row].append(DevStream{QStringLiteral("111"), 1, modes.first().first,
                                          modes.first().second, mainRates[row]});
        if (modes.size() > 1)
            streams[row].append(DevStream{QStringLiteral("101"), 1, modes.last().first,
                                          modes.last().second, subRates[row]});
    }
    QStringList dvrResolutions;
    QStringList dvrFrameRates;
    catalogue->getDVRResolution(devices.at(DvrRow).deviceType, dvrResolutions);
    catalogue->getDVRFrameRate(devices.at(DvrRow).deviceType, 0, dvrFrameRates);
    if (!dvrResolutions.isEmpty() && !dvrFrameRates.isEmpty())
        streams[DvrRow].append(DevStream{QStringLiteral("110"), 8, dvrResolutions.first(),
                                         dvrFrameRates.first(), 1024});
    for (int row = 0; row < 4; ++row) {
        for (const DevStream &s : std::as_const(streams[row])) {
            if (!file.addStream(s, row)) {
                error = QStringLiteral("cannot write a stream of row %1").arg(row);
                return false;
            }
        }
    }

    QVector<QString> types;
    Accessories box;
    catalogue->getIPCLens(devices.at(BoxCameraRow).deviceType, types);
    box.lens = firstOf(types);
    types.clear();
    catalogue->getIPCStand(devices.at(BoxCameraRow).deviceType, types);
    box.stand = firstOf(types);
    types.clear();
    catalogue->getIPCShield(devices.at(BoxCameraRow).deviceType, types);
    box.shield = firstOf(types);
    types.clear();
    catalogue->getIPCStand(devices.at(LensHostCameraRow).deviceType, types);
    const QString cameraStand = firstOf(types);
    types.clear();
    catalogue->getDomeStand(devices.at(DomeRow).deviceType, types);
    const QString domeStand = firstOf(types);
    if (box.lens.isEmpty() || box.stand.isEmpty() || box.shield.isEmpty() ||
        cameraStand.isEmpty() || domeStand.isEmpty()) {
        error = QStringLiteral("the catalogue lacks the accessories the gallery shows");
        return false;
    }
    // The lens calculator's model, as its dialog stores it.
    const bool stored =
        file.setLens(LensHostCameraRow, QStringLiteral("HV-M1228"), 8) &&
        file.setStand(LensHostCameraRow, cameraStand, 8) &&
        file.setLens(BoxCameraRow, box.lens, 4) && file.setStand(BoxCameraRow, box.stand, 4) &&
        file.setShield(BoxCameraRow, box.shield, 4) && file.setStand(DomeRow, domeStand, 2);
    if (!stored || !file.close()) {
        error =
            QStringLiteral("cannot store the accessories of %1: %2").arg(task, file.lastError());
        return false;
    }
    return true;
}

bool writeSmallTask(const QString &task, const QVector<DeviceInfo> &devices, QString &error)
{
    TaskDeviceFile file(task);
    if (!file.isOpen() || !file.addDevices(devices) || !file.close()) {
        error = QStringLiteral("cannot write the devices of %1").arg(task);
        return false;
    }
    return true;
}

// What the calculators work out for the first task as it is written, so
// that the stored figures agree with its devices.
bool writeResults(const QString &task, int language, TaskListFile &list)
{
    StorageResult storage;
    storage.taskName = task;
    storage.storageEnable = 1;
    storage.mainType = stored(kiv::storageClassSource(kiv::NvrStorage), language);
    storage.devType = QStringLiteral("KN-16");
    storage.hddBay = 4;
    storage.hddCap = QStringLiteral("2T");
    storage.timeType = 0;
    storage.recordTime = 30;
    storage.hddModel = stored(kiv::hddTypeSource(kiv::CommonHdd), language);
    storage.devNumber = 1;
    storage.hddNumber = 3;
    storage.commonHddNumber = 3;
    storage.totalCap = QStringLiteral("4486.69G");

    BandWidthResult bandwidth;
    bandwidth.taskName = task;
    bandwidth.bandWidthEnable = 1;
    bandwidth.preView = QStringLiteral("35.00Mbps");
    bandwidth.record = QStringLiteral("31.50Mbps");
    bandwidth.transmission = QStringLiteral("23.60Mbps");
    bandwidth.total = QStringLiteral("35.00Mbps");

    StreamServerResult streamServer;
    streamServer.taskName = task;
    streamServer.streamServerEnable = 1;
    streamServer.streamServerNumber = 1;

    ClientResult client;
    client.taskName = task;
    client.clientEnable = 1;
    client.clientNumber = 1;

    return list.setStorageResult(storage) && list.setBandWidthResult(bandwidth) &&
           list.setStreamServerResult(streamServer) && list.setClientResult(client);
}

} // namespace

QString firstTaskName(int language)
{
    return kOffice.in(language);
}

bool write(int language, QString &error)
{
    {
        TaskListFile list;
        TaskInfo office;
        office.name = kOffice.in(language);
        office.remark = Text{"Head office, six floors", "总部，共六层"}.in(language);
        TaskInfo carPark;
        carPark.name = kCarPark.in(language);
        carPark.videoStandard = 1;
        carPark.remark = Text{"Two levels under the offices", "办公楼下两层"}.in(language);
        TaskInfo store;
        store.name = kStore.in(language);
        store.type = 1;
        store.remark = Text{"From the retail solution", "来自零售方案"}.in(language);
        if (!list.isOpen() || !list.addTask(office) || !list.addTask(carPark) ||
            !list.addTask(store) || !writeResults(office.name, language, list) || !list.close()) {
            error = QStringLiteral("cannot write the task list: %1").arg(list.lastError());
            return false;
        }
    }
    if (!writeOffice(language, error))
        return false;
    const QVector<DeviceInfo> carPark = {
        device(QStringLiteral("KC-B41"), {"Ramp", "坡道"}, kiv::NetworkCamera, 6, 4096, 1024,
               language),
        device(QStringLiteral("KS-P430"), {"Level -2", "负二层"}, kiv::SpeedDome, 1, 4096, 512,
               language),
    };
    const QVector<DeviceInfo> store = {
        device(QStringLiteral("KC-D41"), {"Store Entrance", "门店入口"}, kiv::NetworkCamera, 2,
               2048, 512, language),
        device(QStringLiteral("KC-B21"), {"Warehouse", "仓库"}, kiv::NetworkCamera, 6, 2048, 512,
               language),
    };
    return writeSmallTask(kCarPark.in(language), carPark, error) &&
           writeSmallTask(kStore.in(language), store, error);
}

} // namespace gallerytasks
