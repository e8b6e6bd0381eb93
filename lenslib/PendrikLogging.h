#pragma once

#include <QLoggingCategory>

/// The lens calculator's diagnostics: catalogues, settings, skin.
Q_DECLARE_LOGGING_CATEGORY(lcPendrik)
