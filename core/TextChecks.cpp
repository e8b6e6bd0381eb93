#include "TextChecks.h"

namespace kiv {

bool isDigits(const QString &text)
{
    for (const QChar c : text) {
        // Full-width and other Unicode digits are not decimal digits here.
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return false;
    }
    return true;
}

bool decimalInt(const QString &text, int &value)
{
    if (text.isEmpty() || !isDigits(text))
        return false;
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    if (ok)
        value = number;
    return ok;
}

} // namespace kiv
