#include "ToolkitLogging.h"

Q_LOGGING_CATEGORY(lcToolkit, "varnel.toolkit")
