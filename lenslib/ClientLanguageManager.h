#pragma once

#include "LibrarySingleton.h"

#include <QList>

class ClientLanguageProperty;

/// The library's languages. Ids 0 and 2 are English, 1 and 3 Chinese; 2 and 3
/// serve the setting "VersionType" 0 (or missing) and differ from 0 and 1
/// only in their loading picture. A Chinese language whose catalogue or Qt's
/// Chinese catalogue does not load is left out, and a Chinese setting then
/// falls back to English.
class ClientLanguageManager
{
public:
    /// The process-wide manager; the first call loads the four languages.
    static ClientLanguageManager *instance();

    virtual ~ClientLanguageManager();
    ClientLanguageManager(const ClientLanguageManager &) = delete;
    ClientLanguageManager &operator=(const ClientLanguageManager &) = delete;

    /// loadLanguage() for the ids 0, 1, 2 and 3, in this order.
    void loadLanguages();
    /// Loads the catalogues of one language from the program folder's
    /// "translations/" and keeps it when it loads; false when it does not
    /// (and for an id that is no language of the library).
    bool loadLanguage(int id);

    /// The first language with @p id, or null.
    ClientLanguageProperty *propertyById(int id) const;
    /// The language that the settings "Translator" and "VersionType" choose,
    /// or language 0 when that one is not loaded.
    ClientLanguageProperty *currentProperty() const;
    /// The id that the settings choose (before any fall-back).
    static int configuredLanguageId();

    /// Deletes every language (and so removes their translators).
    void clear();

    const QList<ClientLanguageProperty *> &properties() const { return m_properties; }

private:
    ClientLanguageManager();
    friend ClientLanguageManager *pendrik::libraryInstance<ClientLanguageManager>();

    QList<ClientLanguageProperty *> m_properties;
};
