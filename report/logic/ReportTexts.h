#pragma once

#include "TaskReport.h"

#include <QString>

// The texts of the report in the interface's language, translated with the
// other texts of the report window.

namespace kiv {

/// The storage class as this interface names it, whichever language the
/// result was calculated in; a class the program does not know as stored.
QString storageClassText(const QString &stored);

/// "NVR: KN-7716, Number: 2": the storage class, the model and the count.
QString storageDeviceLine(const StorageResult &storage);
/// "HDD Capacity: 4T, HDD number: 30".
QString storageDisksLine(const StorageResult &storage);
/// "RAID Type: RAID5, RAID number: 3".
QString storageRaidLine(const StorageResult &storage);
/// "Stream Media Server Number: 3"; the server's model is not shown.
QString streamServerLine(const StreamServerResult &streamServer);
/// The client software and its count, "Video Wall Client Number: 4".
QString clientLine(const ClientResult &client);

/// The enabled results as plain text, each line ending in a line break: a
/// heading ("Calculation Report" when storage is enabled, "Calculation
/// result" otherwise), then each calculator's block. The storage block
/// follows its heading only for plain or RAID disks. "" when no result is
/// enabled.
QString calculationReportText(const ReportResults &results);

/// The four lines of the least hardware of a client or server.
QString leastConfigBody();
/// The four lines of the recommended hardware of a client or server.
QString recommendConfigBody();
/// The configuration texts of the workbook's last two rows: a title line,
/// then the body.
QString leastClientConfigText();
QString recommendClientConfigText();
QString leastServerConfigText();
QString recommendServerConfigText();

/// A device's accessories as the workbook's "Ingredient" cell holds them:
/// type, " x " and count, each line ending in a line break.
QString ingredientText(const ReportDevice &device);

} // namespace kiv
