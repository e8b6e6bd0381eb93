#pragma once

#include <QLoggingCategory>

/// The core's diagnostics: files left untouched, refused names, failed saves
/// and failed catalogue queries.
Q_DECLARE_LOGGING_CATEGORY(lcCore)

/// Every catalogue statement as it runs and the codes the parameter filter
/// looks up: off unless asked for (QT_LOGGING_RULES="varnel.catalogue.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcCatalogue)
