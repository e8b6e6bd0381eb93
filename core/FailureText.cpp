#include "FailureText.h"

namespace kiv {

QString failureText(const QString &text, const QString &reason)
{
    if (reason.isEmpty())
        return text;
    return text + QLatin1Char('\n') + reason;
}

} // namespace kiv
