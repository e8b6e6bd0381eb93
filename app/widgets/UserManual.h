#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace kiv {

/// The program's user manual, a PDF file per language, opened with the
/// desktop's viewer.
class UserManual
{
public:
    /// "Varnel用户手册.pdf" for the language index 1, "Varnel User
    /// Manual.pdf" for every other index.
    static QString fileName(int language);
    /// The manual of the language: in the current folder first, then in the
    /// program folder. Empty when neither holds it.
    static QString find(int language);
    /// Opens the manual; false when there is none or no viewer takes it.
    static bool open(int language);

    /// Hands file URLs to @p opener instead of the desktop (automated runs);
    /// an empty function restores the desktop.
    using Opener = std::function<bool(const QUrl &)>;
    static void setOpener(Opener opener);
};

} // namespace kiv
