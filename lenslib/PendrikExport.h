#pragma once

#include <QtGlobal>

// The library exports nothing but the KIV_SMC_ functions, under their plain
// C names, so a host can link them by name.
#if defined(PENDRIK_BUILD)
#define PENDRIK_API extern "C" Q_DECL_EXPORT
#else
#define PENDRIK_API extern "C" Q_DECL_IMPORT
#endif
