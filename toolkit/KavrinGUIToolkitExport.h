#pragma once

#include <QtGlobal>

#if defined(KAVRIN_TOOLKIT_BUILD)
#define KAVRIN_EXPORT Q_DECL_EXPORT
#else
#define KAVRIN_EXPORT Q_DECL_IMPORT
#endif
