#pragma once

#include <QLoggingCategory>

/// The toolkit's diagnostics.
Q_DECLARE_LOGGING_CATEGORY(lcToolkit)
