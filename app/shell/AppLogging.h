#pragma once

#include <QLoggingCategory>

/// The application's diagnostics: start-up, skin, single instance, the panes.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
