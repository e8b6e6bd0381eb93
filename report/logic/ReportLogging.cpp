#include "ReportLogging.h"

Q_LOGGING_CATEGORY(lcReport, "varnel.report")
