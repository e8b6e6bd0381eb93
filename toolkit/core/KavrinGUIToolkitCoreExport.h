#pragma once

#include <QtGlobal>

#if defined(KAVRIN_TOOLKIT_CORE_BUILD)
#define KAVRIN_CORE_EXPORT Q_DECL_EXPORT
#else
#define KAVRIN_CORE_EXPORT Q_DECL_IMPORT
#endif
