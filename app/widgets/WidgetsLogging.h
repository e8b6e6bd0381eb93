#pragma once

#include <QLoggingCategory>

/// The custom widgets' diagnostics.
Q_DECLARE_LOGGING_CATEGORY(lcWidgets)
