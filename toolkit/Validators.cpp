#include "Validators.h"

#include <QRegularExpression>

namespace KavrinGUIToolkit {

CIntValidator::CIntValidator(int bottom, int top, QObject *parent)
    : QValidator(parent), m_bottom(qMin(bottom, top)), m_top(qMax(bottom, top))
{
}

void CIntValidator::setRange(int bottom, int top)
{
    m_bottom = qMin(bottom, top);
    m_top = qMax(bottom, top);
    emit changed();
}

bool CIntValidator::IsAcceptable(const QString &text) const
{
    // Plain decimal only: no sign but '-', no blanks, no leading zeros.
    static const QRegularExpression re(QStringLiteral("^-?(0|[1-9][0-9]{0,9})$"));
    if (!re.match(text).hasMatch() || text == QLatin1String("-0"))
        return false;
    bool ok = false;
    const qlonglong v = text.toLongLong(&ok, 10);
    return ok && v >= m_bottom && v <= m_top;
}

// Can appending digits to the typed magnitude reach a value in range?
bool CIntValidator::canGrowIntoRange(const QString &digits, bool negative) const
{
    if (digits.startsWith(QLatin1Char('0')))
        return false; // nothing typed after a leading 0 makes a valid number
    // The magnitudes that are in range.
    const qlonglong lo = negative ? qMax(0LL, -qlonglong(m_top)) : qMax(0LL, qlonglong(m_bottom));
    const qlonglong hi = negative ? -qlonglong(m_bottom) : qlonglong(m_top);
    if (hi < lo)
        return false;
    // Appending k digits to v reaches [v * 10^k, v * 10^k + 10^k - 1].
    qlonglong first = digits.toLongLong();
    qlonglong span = 1;
    while (first <= hi) {
        const qlonglong last = first + span - 1;
        if (last >= lo)
            return true;
        first *= 10;
        span *= 10;
    }
    return false;
}

QValidator::State CIntValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    if (input.isEmpty())
        return Intermediate;
    bool negative = false;
    QString digits = input;
    if (digits.startsWith(QLatin1Char('-'))) {
        if (m_bottom >= 0)
            return Invalid;
        negative = true;
        digits.remove(0, 1);
        if (digits.isEmpty())
            return Intermediate;
    }
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
    }
    if (digits.size() > 10)
        return Invalid;
    if (IsAcceptable(input))
        return Acceptable;
    return canGrowIntoRange(digits, negative) ? Intermediate : Invalid;
}

void CIntValidator::fixup(QString &input) const
{
    bool ok = false;
    const qlonglong v = input.toLongLong(&ok, 10);
    if (!ok)
        return;
    if (v < m_bottom)
        input = QString::number(m_bottom);
    else if (v > m_top)
        input = QString::number(m_top);
}

CRegExpValidator::CRegExpValidator(int maxLength, QObject *parent)
    : QValidator(parent), m_maxLength(maxLength)
{
}

QValidator::State CRegExpValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    if (input.size() > m_maxLength)
        return Invalid;
    for (const QChar c : input) {
        if (c.category() == QChar::Other_Control)
            return Invalid;
    }
    return Acceptable;
}

} // namespace KavrinGUIToolkit
