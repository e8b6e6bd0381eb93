#include "AddressValidators.h"

#include <QRegularExpression>
#include <QStringList>

namespace pendrik {

namespace {

// A decimal number below 256; digits only, so a sign or a blank never passes.
bool isByteNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("\\A\\d+\\z"));
    if (!digits.match(text).hasMatch())
        return false;
    bool ok = false;
    const uint value = text.toUInt(&ok, 10);
    return ok && value < 256;
}

bool isHexGroup(const QString &text)
{
    static const QRegularExpression hex(QStringLiteral("\\A[0-9A-Fa-f]{1,4}\\z"));
    return hex.match(text).hasMatch();
}

// The groups of one side of a "::" (or of a whole address without one):
// hexadecimal groups, the last may be an IPv4 address when @p ipv4Allowed.
// Returns the number of 16-bit groups, or -1 when a part is not valid.
int countGroups(const QString &side, bool ipv4Allowed)
{
    if (side.isEmpty())
        return 0;
    const QStringList parts = side.split(QLatin1Char(':'), Qt::KeepEmptyParts);
    int groups = 0;
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        const bool last = i == parts.size() - 1;
        if (last && ipv4Allowed && part.contains(QLatin1Char('.'))) {
            if (!isValidIPv4Parts(part))
                return -1;
            groups += 2;
        } else if (isHexGroup(part)) {
            groups += 1;
        } else {
            return -1;
        }
    }
    return groups;
}

} // namespace

bool isValidIPv4(const QString &text)
{
    static const QRegularExpression other(QStringLiteral("[^0-9.]"));
    if (text.contains(other))
        return false;
    if (text.count(QLatin1Char('.')) != 3)
        return false;
    static const QRegularExpression address(
        QStringLiteral("(\\d+)(\\.)(\\d+)(\\.)(\\d+)(\\.)(\\d+)"));
    const QRegularExpressionMatch match = address.match(
        text, 0, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch())
        return false;
    for (int capture : {1, 3, 5, 7}) {
        if (!isByteNumber(match.captured(capture)))
            return false;
    }
    return match.captured(7).toUInt() != 0;
}

bool isValidIPv4Parts(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() != 4)
        return false;
    for (const QString &part : parts) {
        if (!isByteNumber(part))
            return false;
    }
    return parts.at(3).toUInt() != 0;
}

bool isValidIPv6(const QString &text)
{
    QString address = text;
    const int zone = address.lastIndexOf(QLatin1Char('%'));
    if (zone >= 0)
        address.truncate(zone);

    const QStringList parts = address.split(QLatin1Char(':'), Qt::KeepEmptyParts);
    if (parts.size() < 3 || parts.size() > 8)
        return false;
    if (address.contains(QStringLiteral(":::")))
        return false;

    const int doubleColons = address.count(QStringLiteral("::"));
    if (doubleColons > 1)
        return false;
    if (doubleColons == 0)
        return countGroups(address, true) == 8;

    // "::" stands for one or more groups of zeros.
    const int at = address.indexOf(QStringLiteral("::"));
    const QString head = address.left(at);
    const QString tail = address.mid(at + 2);
    const int headGroups = countGroups(head, false);
    const int tailGroups = countGroups(tail, true);
    if (headGroups < 0 || tailGroups < 0)
        return false;
    return headGroups + tailGroups <= 7;
}

bool isValidMask(const QString &text)
{
    static const QRegularExpression mask(
        QStringLiteral("\\A(?:(254|252|248|240|224|192|128|0)\\.0\\.0\\.0"
                       "|255\\.(254|252|248|240|224|192|128|0)\\.0\\.0"
                       "|255\\.255\\.(254|252|248|240|224|192|128|0)\\.0"
                       "|255\\.255\\.255\\.(254|252|248|240|224|192|128|0))\\z"));
    return mask.match(text).hasMatch();
}

bool isMulticastIPv4(const QString &text)
{
    static const QRegularExpression address(
        QStringLiteral("(\\d+)(\\.)(\\d+)(\\.)(\\d+)(\\.)(\\d+)"));
    const QRegularExpressionMatch match = address.match(
        text, 0, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch())
        return false;
    for (int capture : {1, 3, 5, 7}) {
        if (!isByteNumber(match.captured(capture)))
            return false;
    }
    const uint first = match.captured(1).toUInt();
    return first >= 224 && first <= 239;
}

bool isValidMac(const QString &text)
{
    static const QRegularExpression mac(QStringLiteral(
        "\\A[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}:[0-9A-Fa-f]{2}:"
        "[0-9A-Fa-f]{2}\\z"));
    return mac.match(text).hasMatch();
}

bool isValidDayOfMonth(int month, int day)
{
    if (month == 2 && (day == 30 || day == 31))
        return false;
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31)
        return false;
    return true;
}

} // namespace pendrik
