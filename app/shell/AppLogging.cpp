#include "AppLogging.h"

Q_LOGGING_CATEGORY(lcApp, "varnel.app")
