#include "CoreLogging.h"

Q_LOGGING_CATEGORY(lcCore, "varnel.core")
Q_LOGGING_CATEGORY(lcCatalogue, "varnel.catalogue", QtInfoMsg)
