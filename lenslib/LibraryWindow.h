#pragma once

#include <QString>

class CPendrikMainWnd;
class QGridLayout;
class QWidget;

// The one library window of the process, as the KIV_SMC_ exports reach it.
// It is a Qt child of the host that first opened it and dies with that
// host; it is held by a guarded pointer, so the next open after that
// creates a new one. Every call made while there is no window, or with null
// pointers, returns its failure value and changes nothing.
namespace pendrik {

/// The window; null before the first open and after its host was destroyed.
CPendrikMainWnd *libraryWindow();

/// Prepares the library (once per process), creates the window as a child
/// of @p parent when there is none, puts it into @p layout at (0, 0) and
/// shows it, with its title bar when @p showTitle. A window created by
/// this call names a missing or damaged lens or camera catalogue in a
/// message, from the event loop. False, with nothing done, when a pointer
/// is null or no widget application is running.
bool openLibraryWindow(QWidget *parent, QGridLayout *layout, bool showTitle);
/// Hides the window's tab strip (whatever the flag says).
void hideLibraryTab(bool hide);
/// See CPendrikWindow::setIPCType(); false without a window.
bool setLibraryIPCType(const QString &model);
/// When a recommendation row is current: its text into @p lens and the
/// lens count into @p count. Otherwise, and when either pointer is null,
/// neither is written.
void getLibraryLens(QString *lens, int *count);
/// The window's large (true) or small look.
void changeLibrarySize(bool large);

} // namespace pendrik
