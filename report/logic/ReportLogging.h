#pragma once

#include <QLoggingCategory>

/// The report's diagnostics: results that could not be read, exports that failed.
Q_DECLARE_LOGGING_CATEGORY(lcReport)
