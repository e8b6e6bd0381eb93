#include "PendrikLogging.h"

Q_LOGGING_CATEGORY(lcPendrik, "pendrik")
