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

} // namespace kiv
