#pragma once

#include "XmlFile.h"

#include <UiSingleton.h>

#include <QList>
#include <QString>
#include <QStringConverter>
#include <QVector>

namespace kiv {

/// One setting of Setup.xml: the element's tag and the text of its "Value"
/// child.
class Configure
{
public:
    Configure() = default;
    virtual ~Configure() = default;

    QString name() const { return m_name; }
    const QString &value() const { return m_value; }
    void setName(const QString &name) { m_name = name; }
    void setValue(const QString &value) { m_value = value; }
    void set(const QString &name, const QString &value)
    {
        m_name = name;
        m_value = value;
    }

private:
    QString m_name;
    QString m_value;
};

/// The settings file Setup.xml of the program folder, read once at start-up.
/// Look-ups take a key index: 0 Translator, 1 Languages, 2 LogLevel,
/// 3 VersionType, 4 Thread, 5 LogSaveDay, 6 Skin.
class ConfigureManager : public KavrinGUIToolkit::CUiSingleton<ConfigureManager>
{
public:
    enum Key {
        KeyTranslator = 0,
        KeyLanguages = 1,
        KeyLogLevel = 2,
        KeyVersionType = 3,
        KeyThread = 4,
        KeyLogSaveDay = 5,
        KeySkin = 6
    };

    ConfigureManager() = default;
    ~ConfigureManager() override;
    Q_DISABLE_COPY_MOVE(ConfigureManager)

    /// Replaces every setting with those of @p path. False when the file is
    /// missing, cannot be read, does not parse or has a root element other
    /// than "Configs"; no settings are left then, so every getter gives its
    /// default. A damaged file is never read in part.
    bool load(const QString &path);
    /// Why the last load() failed; None after a success.
    XmlFileProblem problem() const { return m_problem; }
    /// The first setting whose name is the key's tag; null when none.
    Configure *find(int key) const;
    /// The tag of a key index; "" outside 0 to 6.
    static QString keyName(int key);

    /// "Translator" as an unsigned decimal; 0 when missing or not a number.
    unsigned int translator() const;
    /// The value as a signed decimal; -1 when the key is missing, 0 when the
    /// text is not a number.
    int intValue(int key) const;
    /// "VersionType"; a missing key (or -1) counts as 1.
    int versionType() const;
    int thread() const;
    int logSaveDay() const;
    /// "Languages" split at ",", each part an unsigned decimal (0 when empty
    /// or not a number); empty when the key is missing.
    QList<unsigned int> languages() const;
    /// The encoding of the system locale, for texts that come from outside.
    QStringConverter::Encoding codec() const { return m_codec; }

    /// Deletes every setting.
    void clear();
    /// Writes one value back into the file last loaded. False when nothing
    /// has loaded, the file cannot be read again or is no longer a settings
    /// file, the key has no element with a "Value" child, or the save fails.
    bool setValue(int key, const QString &value);

    /// The path of the last file that loaded; empty before that.
    QString filePath() const { return m_filePath; }

private:
    QVector<Configure *> m_entries;
    QStringConverter::Encoding m_codec = QStringConverter::System;
    QString m_filePath;
    XmlFileProblem m_problem = XmlFileProblem::None;
};

} // namespace kiv
