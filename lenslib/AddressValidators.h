#pragma once

#include <QString>

namespace pendrik {

/// A dotted IPv4 host address: four numbers below 256, the last not 0, and
/// nothing but digits and three dots.
bool isValidIPv4(const QString &text);
/// Four "."-separated unsigned numbers up to 255, the fourth not 0.
bool isValidIPv4Parts(const QString &text);
/// An IPv6 address: up to eight hexadecimal groups, one "::" at most, an
/// optional IPv4 tail and an optional "%zone" suffix.
bool isValidIPv6(const QString &text);
/// A contiguous IPv4 network mask such as 255.255.255.0 (0.0.0.0 included,
/// 255.255.255.255 not).
bool isValidMask(const QString &text);
/// An IPv4 address (at the start of the text) in the multicast range 224 to
/// 239.
bool isMulticastIPv4(const QString &text);
/// Six colon-separated pairs of hexadecimal digits.
bool isValidMac(const QString &text);
/// False only for days that a month never has beyond the 29th of February:
/// the 30th and 31st of February and the 31st of April, June, September and
/// November.
bool isValidDayOfMonth(int month, int day);

} // namespace pendrik
