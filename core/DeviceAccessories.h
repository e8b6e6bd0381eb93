#pragma once

#include <QString>

namespace kiv {

/// The accessories of one device entry of a task: lens, bracket stand and
/// shield, each a type and a count. Each call opens the task's device file,
/// reads or changes the entry's accessory and saves what it changed.
class DeviceAccessories
{
public:
    enum Kind { Lens, Stand, Shield };
    /// What a change came to.
    enum Outcome {
        /// Stored and saved.
        Stored,
        /// The file refused it (no such entry, the file cannot be read);
        /// nothing changed.
        Refused,
        /// Changed but not saved; nothing reached the disk.
        NotSaved,
    };

    DeviceAccessories(const QString &taskName, int deviceIndex);

    /// The accessory @p kind of the entry as the file holds it. False when
    /// the file cannot be read or the entry has none; @p reason, when given,
    /// then gets the file's reason (empty when it gave none).
    bool read(Kind kind, QString &type, int &count, QString *reason = nullptr) const;
    /// Stores @p type and @p count as the entry's accessory @p kind;
    /// @p reason gets the file's reason for a refusal or a failed save.
    Outcome store(Kind kind, const QString &type, int count, QString *reason = nullptr) const;
    /// Removes the entry's accessory @p kind, with @p reason as for store().
    Outcome remove(Kind kind, QString *reason = nullptr) const;

private:
    QString m_taskName;
    int m_deviceIndex = 0;
};

} // namespace kiv
