// The results section and the configuration tables of the report, with the
// plain-text forms the workbook export writes.
#include "ReportWidget.h"

#include <ClassNames.h>

#include <QDebug>

namespace kiv {

namespace {

QString div(const QString &line)
{
    return QStringLiteral("<div>") + line.toHtmlEscaped() + QStringLiteral("</div>");
}

QString boldDiv(const QString &text)
{
    return QStringLiteral("<div align='left'><b>") + text.toHtmlEscaped() +
           QStringLiteral("</b></div>");
}

QString headingDiv(const QString &text)
{
    return QStringLiteral("<div align='left'><b><font size='+1'>") + text.toHtmlEscaped() +
           QStringLiteral("</font></b></div>");
}

} // namespace

ReportWidget::StoredResults ReportWidget::readResults() const
{
    StoredResults results;
    TaskListFile file;
    if (!file.storageResult(m_taskName, results.storage)) {
        qDebug() << "qeb getStorageResult error";
        results.storage = StorageResult();
    }
    if (!file.bandWidthResult(m_taskName, results.bandWidth)) {
        qDebug() << "qeb getBandWidthResult error";
        results.bandWidth = BandWidthResult();
    }
    if (!file.streamServerResult(m_taskName, results.streamServer)) {
        qDebug() << "qeb getStreamServerResult error";
        results.streamServer = StreamServerResult();
    }
    if (!file.clientResult(m_taskName, results.client)) {
        qDebug() << "qeb getClientResult error";
        results.client = ClientResult();
    }
    return results;
}

// The storage class as this interface names it, whichever language the
// result was calculated in.
QString ReportWidget::storageClassText(const QString &stored) const
{
    switch (storageClassOf(stored)) {
    case NvrStorage:
        return tr("NVR");
    case CvrStorage:
        return tr("CVR");
    case StorageServer:
        return tr("Storage Server");
    case UnknownStorageClass:
        break;
    }
    return stored;
}

QString ReportWidget::deviceLine(const StorageResult &storage) const
{
    return storageClassText(storage.mainType) + QStringLiteral(": ") + storage.devType +
           QStringLiteral(", ") + tr("Number") + QStringLiteral(": ") +
           QString::number(storage.devNumber, 10);
}

QString ReportWidget::disksLine(const StorageResult &storage) const
{
    return tr("HDD Capacity") + tr(": ") + storage.hddCap + QStringLiteral(", ") +
           tr("HDD number") + QStringLiteral(": ") + QString::number(storage.hddNumber, 10);
}

QString ReportWidget::raidLine(const StorageResult &storage) const
{
    return tr("RAID Type") + tr(": ") + storage.raidType + QStringLiteral(", ") +
           tr("RAID number") + QStringLiteral(": ") + QString::number(storage.raidNumber, 10);
}

QString ReportWidget::streamServerLine(const StreamServerResult &streamServer) const
{
    return tr("Stream Media Server Number") + QStringLiteral(": ") +
           QString::number(streamServer.streamServerNumber, 10);
}

QString ReportWidget::clientLine(const ClientResult &client) const
{
    return client.client + QStringLiteral(" ") + tr("Number") + QStringLiteral(": ") +
           QString::number(client.clientNumber, 10);
}

void ReportWidget::appendCalculationReport()
{
    const StoredResults results = readResults();
    bool headed = false;
    const auto resultHeading = [this, &headed]() {
        if (headed)
            return;
        append(QStringLiteral("\n"));
        append(headingDiv(tr("Calculation result")));
        headed = true;
    };

    const StorageResult &storage = results.storage;
    if (storage.storageEnable == 1) {
        if (!headed) {
            append(QStringLiteral("\n"));
            insert(QStringLiteral("<br/>"));
            insert(headingDiv(tr("Calculation Report")));
            insert(QStringLiteral("<br/>"));
            headed = true;
        }
        append(boldDiv(tr("Storage result:")));
        QString lines = div(deviceLine(storage)) + div(disksLine(storage));
        if (hddTypeOf(storage.hddModel) != CommonHdd)
            lines += div(raidLine(storage));
        append(lines);
    }

    const BandWidthResult &bandWidth = results.bandWidth;
    if (bandWidth.bandWidthEnable == 1) {
        if (!headed) {
            append(QStringLiteral("\n"));
            insert(headingDiv(tr("Calculation result")));
            headed = true;
        }
        append(boldDiv(tr("Bandwidth:")));
        append(div(tr("Total") + QStringLiteral(": ") + bandWidth.total + QStringLiteral(",  ") +
                   QStringLiteral("\n") + tr("Preview") + QStringLiteral(": ") + bandWidth.preView +
                   QStringLiteral(",  ") + tr("Record") + QStringLiteral(": ") + bandWidth.record +
                   QStringLiteral(",  ") + tr("Transmission") + QStringLiteral(": ") +
                   bandWidth.transmission));
    }

    if (results.streamServer.streamServerEnable == 1) {
        resultHeading();
        append(boldDiv(tr("Stream Media Server:")));
        append(div(streamServerLine(results.streamServer)));
    }

    if (results.client.clientEnable == 1) {
        resultHeading();
        append(boldDiv(tr("Client:")));
        append(div(clientLine(results.client)));
    }
}

QString ReportWidget::calculationReportText() const
{
    const StoredResults results = readResults();
    const QString newline = QStringLiteral("\n");
    QString text;
    bool headed = false;
    const auto resultHeading = [&]() {
        if (!headed)
            text += tr("Calculation result") + newline;
        headed = true;
    };

    const StorageResult &storage = results.storage;
    if (storage.storageEnable == 1) {
        text = tr("Calculation Report") + newline;
        headed = true;
        const HddType hdd = hddTypeOf(storage.hddModel);
        if (hdd == CommonHdd || hdd == RaidHdd) {
            text += tr("Storage result:") + newline;
            text += deviceLine(storage) + newline;
            text += disksLine(storage) + newline;
            if (hdd == RaidHdd)
                text += raidLine(storage) + newline;
        }
    }

    const BandWidthResult &bandWidth = results.bandWidth;
    if (bandWidth.bandWidthEnable == 1) {
        resultHeading();
        text += tr("Bandwidth:") + newline;
        text += tr("Total") + QStringLiteral(": ") + bandWidth.total + newline + tr("Preview") +
                QStringLiteral(": ") + bandWidth.preView + QStringLiteral(",  ") + tr("Record") +
                QStringLiteral(": ") + bandWidth.record + QStringLiteral(",  ") +
                tr("Transmission") + QStringLiteral(": ") + bandWidth.transmission + newline;
    }

    if (results.streamServer.streamServerEnable == 1) {
        resultHeading();
        text += tr("Stream Media Server:") + newline;
        text += streamServerLine(results.streamServer) + newline;
    }

    if (results.client.clientEnable == 1) {
        resultHeading();
        text += tr("Client:") + newline;
        text += clientLine(results.client) + newline;
    }
    return text;
}

void ReportWidget::appendClientConfig()
{
    append(QStringLiteral("<div align='left'><font size='+1'><b>") + tr("Config Report") +
           QStringLiteral("</b></font></div>"));
    append(boldDiv(tr("Client:")));
    appendConfigTable();
}

void ReportWidget::appendServerConfig()
{
    append(boldDiv(tr("Server:")));
    appendConfigTable();
}

QString ReportWidget::leastConfigBody() const
{
    return QStringLiteral("CPU: Intel Pentium4 3.0 @3.00GHz") + QStringLiteral("\n") + tr("RAM") +
           QStringLiteral(": 1 GB\n") + tr("Graphic Card") + QStringLiteral(": ") +
           QStringLiteral("RADEON X700 Series, 1280*1024") + QStringLiteral(" ") +
           tr("resolution") + QStringLiteral("\n") + tr("Network Adapter: 100Mbit NIC");
}

QString ReportWidget::recommendConfigBody() const
{
    return QStringLiteral("CPU: Intel Core i7") + tr(" or above") + QStringLiteral("\n") +
           tr("RAM") + QStringLiteral(": 4 GB\n") + tr("Graphic Card") + QStringLiteral(": 1 GB") +
           tr("or above") + QStringLiteral(", 1280*1024") + QStringLiteral(" ") +
           tr("resolution or higher") + QStringLiteral("\n") + tr("Network Adapter: 1000Mbit NIC");
}

QString ReportWidget::leastClientConfigText() const
{
    return tr("The least config of client") + QStringLiteral(":\n") + leastConfigBody();
}

QString ReportWidget::recommendClientConfigText() const
{
    return tr("The recommend config of client") + QStringLiteral(":\n") + recommendConfigBody();
}

QString ReportWidget::leastServerConfigText() const
{
    return tr("The least config of server") + QStringLiteral(":\n") + leastConfigBody();
}

QString ReportWidget::recommendServerConfigText() const
{
    return tr("The recommend config of server") + QStringLiteral(":\n") + recommendConfigBody();
}

} // namespace kiv
