#pragma once

// Seeded mutations of a small good data file, for the tests that feed the
// readers damaged input: bit flips, truncation at every tenth byte, inserted
// junk, NUL bytes, invalid GB2312 sequences, deep nesting, a 10 MB text node
// (over the size limit) and a 3 MB one, huge numbers in every numeric field
// and attribute, entity expansion and external entities. The same seed gives
// the same mutations, in the same order.

#include <QByteArray>
#include <QPair>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QString>
#include <QUrl>
#include <QVector>

struct Mutant
{
    QString kind;
    QByteArray bytes;
};

class Mutator
{
public:
    explicit Mutator(quint32 seed) : m_random(seed) {}

    QVector<Mutant> mutate(const QByteArray &seed, const QString &secretPath)
    {
        QVector<Mutant> out;
        for (int i = 0; i < 60; ++i)
            out.append({QStringLiteral("bit flip"), flipBits(seed)});
        for (qsizetype size = 10; size < seed.size(); size += 10)
            out.append({QStringLiteral("truncation"), seed.left(size)});
        for (int i = 0; i < 20; ++i)
            out.append({QStringLiteral("inserted junk"), insertJunk(seed)});
        for (int i = 0; i < 10; ++i)
            out.append({QStringLiteral("NUL bytes"), insertNul(seed, i % 2 == 0)});
        for (int i = 0; i < 12; ++i)
            out.append({QStringLiteral("invalid GB2312"), invalidGb2312(seed, i)});
        for (const QByteArray &deep : deepNestings(seed))
            out.append({QStringLiteral("deep nesting"), deep});
        out.append(
            {QStringLiteral("10 MB text node"), intoFirstField(seed, QByteArray(10 << 20, 'A'))});
        // Over the size limit the file is refused unread; under it, parsed.
        out.append(
            {QStringLiteral("3 MB text node"), intoFirstField(seed, QByteArray(3 << 20, 'A'))});
        for (const QByteArray &huge : hugeNumbers(seed))
            out.append({QStringLiteral("huge number"), huge});
        for (const QByteArray &entity : entities(seed, secretPath))
            out.append({QStringLiteral("entity"), entity});
        return out;
    }

    quint32 bounded(quint32 limit) { return m_random.bounded(limit); }

private:
    QByteArray flipBits(QByteArray bytes)
    {
        const int flips = 1 + int(bounded(4));
        for (int i = 0; i < flips; ++i)
            bytes[bounded(quint32(bytes.size()))] ^= char(1 << bounded(8));
        return bytes;
    }

    QByteArray insertJunk(QByteArray bytes)
    {
        QByteArray junk(1 + int(bounded(64)), '\0');
        for (char &c : junk)
            c = char(bounded(256));
        return bytes.insert(bounded(quint32(bytes.size())), junk);
    }

    QByteArray insertNul(QByteArray bytes, bool replace)
    {
        const quint32 at = bounded(quint32(bytes.size()));
        if (replace) {
            bytes[at] = '\0';
            return bytes;
        }
        return bytes.insert(at, QByteArray(1 + int(bounded(8)), '\0'));
    }

    // Lead bytes without their trail, trail bytes alone, rows GB2312 leaves
    // empty; half of them in a file that claims to be GB2312.
    QByteArray invalidGb2312(QByteArray bytes, int which)
    {
        static const QByteArray sequences[] = {"\xA1\x20", "\xFF\xFF", "\xB0",
                                               "\xAA\xA1", "\xF8\xA0", "\x80\x7F"};
        if (which % 2 == 0)
            bytes.replace("encoding=\"UTF-8\"", "encoding=\"GB2312\"");
        return intoFirstField(bytes, sequences[which % 6] + QByteArray("x"));
    }

    static QVector<QByteArray> deepNestings(const QByteArray &seed)
    {
        const qsizetype end = seed.lastIndexOf("</");
        const auto nested = [&](int depth, bool closed) {
            QByteArray inner = QByteArray("<a>").repeated(depth);
            if (closed)
                inner += QByteArray("</a>").repeated(depth);
            return seed.left(end) + inner + seed.mid(end);
        };
        return {nested(100000, true), nested(65, true), nested(100000, false)};
    }

    // @p text in place of the text of the first element that has text.
    static QByteArray intoFirstField(QByteArray bytes, const QByteArray &text)
    {
        const qsizetype close = bytes.indexOf("</");
        const qsizetype open = bytes.lastIndexOf('>', close);
        if (close < 0 || open < 0)
            return bytes + text;
        return bytes.replace(open + 1, close - open - 1, text);
    }

    // Every number of the file, in an element or an attribute, one at a
    // time, replaced by numbers no field can hold.
    static QVector<QByteArray> hugeNumbers(const QByteArray &seed)
    {
        static const QByteArray huge[] = {
            "2147483648", "-2147483649", "99999999999999999999999999", "1e400", "-1e400",
            "NaN",        "0x7fffffff",  "1" + QByteArray(300, '0')};
        static const QRegularExpression number(
            QStringLiteral("(?:>|=\")(-?[0-9]+(?:\\.[0-9]+)?)(?:<|\")"));
        QVector<QByteArray> out;
        // Latin-1 keeps one character a byte, so offsets carry over.
        auto matches = number.globalMatch(QString::fromLatin1(seed));
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            for (const QByteArray &value : huge)
                out.append(QByteArray(seed).replace(match.capturedStart(1), match.capturedLength(1),
                                                    value));
        }
        return out;
    }

    // A document type after the declaration, its entity used in the first
    // field: nested expansion, one long entity used many times, and external
    // entities that point at another file.
    static QVector<QByteArray> entities(const QByteArray &seed, const QString &secretPath)
    {
        const QByteArray secret = QUrl::fromLocalFile(secretPath).toEncoded();
        QByteArray laughs = "<!ENTITY e0 \"laugh\">";
        for (int i = 1; i <= 9; ++i)
            laughs += "<!ENTITY e" + QByteArray::number(i) + " \"" +
                      QByteArray("&e" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
        const QVector<QPair<QByteArray, QByteArray>> kinds = {
            {laughs, "&e9;"},
            {"<!ENTITY e \"" + QByteArray(4000, 'x') + "\">", QByteArray("&e;").repeated(20000)},
            {"<!ENTITY e SYSTEM \"" + secret + "\">", "&e;"},
            {"<!ENTITY % p SYSTEM \"" + secret + "\"> %p;", "x"},
        };
        QVector<QByteArray> out;
        const qsizetype declared = seed.startsWith("<?xml") ? seed.indexOf("?>") + 2 : 0;
        for (const auto &kind : kinds) {
            QByteArray bytes = intoFirstField(seed, kind.second);
            bytes.insert(declared, "\n<!DOCTYPE r [" + kind.first + "]>\n");
            out.append(bytes);
        }
        return out;
    }

    QRandomGenerator m_random;
};
