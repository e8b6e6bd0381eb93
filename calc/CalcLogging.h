#pragma once

#include <QLoggingCategory>

/// The calculators' diagnostics: results that could not be read or stored.
Q_DECLARE_LOGGING_CATEGORY(lcCalc)
