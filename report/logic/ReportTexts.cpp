#include "ReportTexts.h"

#include <ClassNames.h>

#include <QCoreApplication>

// The catalogue holds the report's texts in the context of the window that
// shows them, "kiv::ReportWidget".

namespace kiv {

QString storageClassText(const QString &stored)
{
    switch (storageClassOf(stored)) {
    case NvrStorage:
        return QCoreApplication::translate("kiv::ReportWidget", "NVR");
    case CvrStorage:
        return QCoreApplication::translate("kiv::ReportWidget", "CVR");
    case StorageServer:
        return QCoreApplication::translate("kiv::ReportWidget", "Storage Server");
    case UnknownStorageClass:
        break;
    }
    return stored;
}

QString storageDeviceLine(const StorageResult &storage)
{
    return storageClassText(storage.mainType) + QStringLiteral(": ") + storage.devType +
           QStringLiteral(", ") + QCoreApplication::translate("kiv::ReportWidget", "Number") +
           QStringLiteral(": ") + QString::number(storage.devNumber, 10);
}

QString storageDisksLine(const StorageResult &storage)
{
    return QCoreApplication::translate("kiv::ReportWidget", "HDD Capacity") +
           QCoreApplication::translate("kiv::ReportWidget", ": ") + storage.hddCap +
           QStringLiteral(", ") + QCoreApplication::translate("kiv::ReportWidget", "HDD number") +
           QStringLiteral(": ") + QString::number(storage.hddNumber, 10);
}

QString storageRaidLine(const StorageResult &storage)
{
    return QCoreApplication::translate("kiv::ReportWidget", "RAID Type") +
           QCoreApplication::translate("kiv::ReportWidget", ": ") + storage.raidType +
           QStringLiteral(", ") + QCoreApplication::translate("kiv::ReportWidget", "RAID number") +
           QStringLiteral(": ") + QString::number(storage.raidNumber, 10);
}

QString streamServerLine(const StreamServerResult &streamServer)
{
    return QCoreApplication::translate("kiv::ReportWidget", "Stream Media Server Number") +
           QStringLiteral(": ") + QString::number(streamServer.streamServerNumber, 10);
}

QString clientLine(const ClientResult &client)
{
    return client.client + QStringLiteral(" ") +
           QCoreApplication::translate("kiv::ReportWidget", "Number") + QStringLiteral(": ") +
           QString::number(client.clientNumber, 10);
}

QString calculationReportText(const ReportResults &results)
{
    const QString newline = QStringLiteral("\n");
    QString text;
    bool headed = false;
    const auto resultHeading = [&]() {
        if (!headed)
            text +=
                QCoreApplication::translate("kiv::ReportWidget", "Calculation result") + newline;
        headed = true;
    };

    const StorageResult &storage = results.storage;
    if (storage.storageEnable == 1) {
        text = QCoreApplication::translate("kiv::ReportWidget", "Calculation Report") + newline;
        headed = true;
        const HddType hdd = hddTypeOf(storage.hddModel);
        if (hdd == CommonHdd || hdd == RaidHdd) {
            text += QCoreApplication::translate("kiv::ReportWidget", "Storage result:") + newline;
            text += storageDeviceLine(storage) + newline;
            text += storageDisksLine(storage) + newline;
            if (hdd == RaidHdd)
                text += storageRaidLine(storage) + newline;
        }
    }

    const BandWidthResult &bandWidth = results.bandWidth;
    if (bandWidth.bandWidthEnable == 1) {
        resultHeading();
        text += QCoreApplication::translate("kiv::ReportWidget", "Bandwidth:") + newline;
        text += QCoreApplication::translate("kiv::ReportWidget", "Total") + QStringLiteral(": ") +
                bandWidth.total + newline +
                QCoreApplication::translate("kiv::ReportWidget", "Preview") + QStringLiteral(": ") +
                bandWidth.preView + QStringLiteral(",  ") +
                QCoreApplication::translate("kiv::ReportWidget", "Record") + QStringLiteral(": ") +
                bandWidth.record + QStringLiteral(",  ") +
                QCoreApplication::translate("kiv::ReportWidget", "Transmission") +
                QStringLiteral(": ") + bandWidth.transmission + newline;
    }

    if (results.streamServer.streamServerEnable == 1) {
        resultHeading();
        text += QCoreApplication::translate("kiv::ReportWidget", "Stream Media Server:") + newline;
        text += streamServerLine(results.streamServer) + newline;
    }

    if (results.client.clientEnable == 1) {
        resultHeading();
        text += QCoreApplication::translate("kiv::ReportWidget", "Client:") + newline;
        text += clientLine(results.client) + newline;
    }
    return text;
}

QString leastConfigBody()
{
    return QStringLiteral("CPU: Intel Pentium4 3.0 @3.00GHz") + QStringLiteral("\n") +
           QCoreApplication::translate("kiv::ReportWidget", "RAM") + QStringLiteral(": 1 GB\n") +
           QCoreApplication::translate("kiv::ReportWidget", "Graphic Card") + QStringLiteral(": ") +
           QStringLiteral("RADEON X700 Series, 1280*1024") + QStringLiteral(" ") +
           QCoreApplication::translate("kiv::ReportWidget", "resolution") + QStringLiteral("\n") +
           QCoreApplication::translate("kiv::ReportWidget", "Network Adapter: 100Mbit NIC");
}

QString recommendConfigBody()
{
    return QStringLiteral("CPU: Intel Core i7") +
           QCoreApplication::translate("kiv::ReportWidget", " or above") + QStringLiteral("\n") +
           QCoreApplication::translate("kiv::ReportWidget", "RAM") + QStringLiteral(": 4 GB\n") +
           QCoreApplication::translate("kiv::ReportWidget", "Graphic Card") +
           QStringLiteral(": 1 GB") + QCoreApplication::translate("kiv::ReportWidget", "or above") +
           QStringLiteral(", 1280*1024") + QStringLiteral(" ") +
           QCoreApplication::translate("kiv::ReportWidget", "resolution or higher") +
           QStringLiteral("\n") +
           QCoreApplication::translate("kiv::ReportWidget", "Network Adapter: 1000Mbit NIC");
}

QString leastClientConfigText()
{
    return QCoreApplication::translate("kiv::ReportWidget", "The least config of client") +
           QStringLiteral(":\n") + leastConfigBody();
}

QString recommendClientConfigText()
{
    return QCoreApplication::translate("kiv::ReportWidget", "The recommend config of client") +
           QStringLiteral(":\n") + recommendConfigBody();
}

QString leastServerConfigText()
{
    return QCoreApplication::translate("kiv::ReportWidget", "The least config of server") +
           QStringLiteral(":\n") + leastConfigBody();
}

QString recommendServerConfigText()
{
    return QCoreApplication::translate("kiv::ReportWidget", "The recommend config of server") +
           QStringLiteral(":\n") + recommendConfigBody();
}

QString ingredientText(const ReportDevice &device)
{
    QString text;
    for (const ReportAccessory &accessory : device.accessories) {
        text += accessory.type;
        text += QLatin1String(" x ");
        text += QString::number(accessory.count, 10);
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace kiv
