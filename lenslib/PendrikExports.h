#pragma once

#include "PendrikExport.h"

class QGridLayout;
class QString;
class QWidget;

// The lens calculator's interface to a host program. All of it runs on the
// host's GUI thread. The calculator window is one per process, a Qt child of
// the host that first opened it; once that host is destroyed the next open
// creates a new one. Called while there is no window, or with null
// pointers, every function returns its failure value and changes nothing.

/// Prepares the library (once per process) and puts the calculator window
/// into @p layout at (0, 0), creating it as a child of @p parent on the first
/// call; @p showTitle shows its own title bar. False when the window cannot
/// be created (a null pointer, or no widget application).
PENDRIK_API bool KIV_SMC_OpenDialog(QWidget *parent, QGridLayout *layout, bool showTitle);
/// Kept for hosts that call it; does nothing.
PENDRIK_API void KIV_SMC_SetDialogFrom();
/// Hides the calculator's tab strip (whatever the flag says).
PENDRIK_API void KIV_SMC_HideTab(bool hide);
/// Selects and locks the camera whose model name is the longest one
/// contained in @p model, afresh on every call, so a lens chosen for an
/// earlier device is never handed back; false when none is, and then no
/// lens is chosen until the planner chooses one.
PENDRIK_API bool KIV_SMC_SetIPCType(const QString &model);
/// The chosen lens and count; both are left untouched when no lens is chosen.
PENDRIK_API void KIV_SMC_GetLens(QString *lens, int *count);
/// Switches the calculator between its large and its small look.
PENDRIK_API void KIV_SMC_ChangeSize(bool large);
