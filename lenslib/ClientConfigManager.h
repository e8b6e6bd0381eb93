#pragma once

#include "LibrarySingleton.h"

#include <QList>
#include <QString>

class ClientConfig;

/// The library's own reading of the program's settings file (Setup.xml). It
/// is independent of the host program's settings: the host hands the library
/// only a widget and a layout.
class ClientConfigManager
{
public:
    /// Key indexes of the settings the library knows.
    enum Key { TranslatorKey = 0, LogLevelKey = 1, VersionTypeKey = 2, SkinKey = 3 };

    /// The process-wide manager, created on first use.
    static ClientConfigManager *instance();

    virtual ~ClientConfigManager();
    ClientConfigManager(const ClientConfigManager &) = delete;
    ClientConfigManager &operator=(const ClientConfigManager &) = delete;

    /// Reads the settings file at @p path and appends one entry per element
    /// below the root, at any depth (the list is not emptied, and look-ups
    /// find the first entry of a name, so the values of the first load stay
    /// in force). Only the four known settings get their "Value" text; the
    /// "Value" of any other setting is an entry of its own. False, with "No
    /// file to read..." on the debug output, when the file is missing or
    /// cannot be opened. A file that is not well-formed, or whose root
    /// element is not "Configs", is damaged: it adds nothing, so the
    /// defaults hold, as they do in the host program, and the result is
    /// false.
    bool load(const QString &path);
    /// True when the last load() found the file damaged.
    bool isDamaged() const { return m_damaged; }
    /// True when the last load() found the file there but could not open it
    /// for reading (no right to): its settings are not used, as for a damaged
    /// one. A folder or anything else that is no regular file in its place
    /// counts as damaged (isDamaged()), and the planner is told so.
    bool isUnreadable() const { return m_unreadable; }

    /// The first entry named after the key of @p key; null when there is
    /// none or the index is not a known key.
    ClientConfig *getConfig(int key) const;
    /// The tag of a key index; empty for an unknown index.
    static QString keyName(int key);

    /// Deletes every entry.
    void clear();

    /// Every entry in reading order.
    const QList<ClientConfig *> &entries() const { return m_configs; }

private:
    ClientConfigManager();
    friend ClientConfigManager *pendrik::libraryInstance<ClientConfigManager>();

    QList<ClientConfig *> m_configs;
    bool m_damaged = false;
    bool m_unreadable = false;
};
