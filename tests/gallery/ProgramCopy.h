#pragma once

#include <QString>
#include <QTemporaryDir>

/// A temporary copy of the data of a built program folder: the catalogues,
/// the settings, parameter codes and filter configuration, the plug-ins, the
/// catalogues of texts and the lens catalogues, with an empty Task/ folder.
/// The manuals stay behind, so that asking for one gives the same message on
/// every machine. The copy goes with the object.
class ProgramCopy
{
public:
    ProgramCopy() = default;
    ProgramCopy(const ProgramCopy &) = delete;
    ProgramCopy &operator=(const ProgramCopy &) = delete;

    /// Copies from @p builtFolder and sets the interface language (0 English,
    /// 1 Chinese) in the copy's Setup.xml. False, with @p error set, when
    /// something could not be copied or written.
    bool make(const QString &builtFolder, int language, QString &error);

    /// The copy, with a trailing slash.
    QString path() const;

private:
    QTemporaryDir m_dir;
};
