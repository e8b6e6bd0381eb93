#include "WidgetsLogging.h"

Q_LOGGING_CATEGORY(lcWidgets, "varnel.widgets")
