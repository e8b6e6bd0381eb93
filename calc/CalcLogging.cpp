#include "CalcLogging.h"

Q_LOGGING_CATEGORY(lcCalc, "varnel.calc")
