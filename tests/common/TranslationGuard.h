#pragma once

#include "ChildProcess.h"

#include <QDomDocument>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

/// Checks that every text the sources hold has a finished Chinese
/// translation: lupdate scans the sources into a temporary catalogue, and
/// each text found must be translated in one of the shipped Chinese
/// catalogues, by something other than the English text itself.
namespace translationguard {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

inline QString key(const Message &m)
{
    return m.context + QLatin1Char('|') + m.source;
}

inline QList<Message> readTs(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QDomDocument doc;
    if (!doc.setContent(&file))
        return messages;
    for (QDomElement ctx = doc.documentElement().firstChildElement(QStringLiteral("context"));
         !ctx.isNull(); ctx = ctx.nextSiblingElement(QStringLiteral("context"))) {
        const QString name = ctx.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement m = ctx.firstChildElement(QStringLiteral("message")); !m.isNull();
             m = m.nextSiblingElement(QStringLiteral("message"))) {
            const QDomElement t = m.firstChildElement(QStringLiteral("translation"));
            messages.append({name, m.firstChildElement(QStringLiteral("source")).text(), t.text(),
                             t.attribute(QStringLiteral("type"))});
        }
    }
    return messages;
}

/// Runs lupdate on @p sources (files or folders, scanned recursively for .h
/// and .cpp) into the catalogue @p ts.
inline ChildRun runLupdate(const QString &lupdate, const QStringList &sources, const QString &ts)
{
    QStringList args{QStringLiteral("-silent"),     QStringLiteral("-locations"),
                     QStringLiteral("none"),        QStringLiteral("-recursive"),
                     QStringLiteral("-extensions"), QStringLiteral("h,cpp")};
    args << sources << QStringLiteral("-ts") << ts;
    ChildSetup setup;
    setup.timeoutMs = 120000;
    return runChild(lupdate, args, setup);
}

/// The texts that lupdate finds in @p sources; none when it fails.
inline QList<Message> scan(const QString &lupdate, const QStringList &sources)
{
    QTemporaryDir dir;
    const QString scanned = dir.filePath(QStringLiteral("scan.ts"));
    const ChildRun run = runLupdate(lupdate, sources, scanned);
    if (!run.exited() || run.exitCode != 0)
        return {};
    return readTs(scanned);
}

/// Texts that read the same in English and Chinese: names, units, codes.
inline bool readsTheSameInBoth(const QString &text)
{
    static const QSet<QString> same{
        QStringLiteral("Varnel"), QStringLiteral("Pendrik"), QStringLiteral("Vivureri Rize"),
        QStringLiteral("PAL"),    QStringLiteral("NTSC"),    QStringLiteral("IPC"),
        QStringLiteral("DVR"),    QStringLiteral("NVR"),     QStringLiteral("CVR"),
        QStringLiteral("HDD"),    QStringLiteral("RAID"),    QStringLiteral("raid"),
        QStringLiteral("RAID0"),  QStringLiteral("RAID1"),   QStringLiteral("RAID5"),
        QStringLiteral("RAID6"),  QStringLiteral("RAID10"),  QStringLiteral("RAID50"),
        QStringLiteral("JBOD"),   QStringLiteral("Kbps"),    QStringLiteral("kbps"),
        QStringLiteral("Mbps"),   QStringLiteral("Gbps"),    QStringLiteral("fps"),
        QStringLiteral("mm"),     QStringLiteral("m"),       QStringLiteral("T"),
        QStringLiteral("G"),      QStringLiteral("TB"),      QStringLiteral("GB"),
        QStringLiteral("PDF"),    QStringLiteral("Excel"),   QStringLiteral("OK"),
    };
    if (same.contains(text))
        return true;
    // Numbers, units with numbers, punctuation: nothing to translate.
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    return !word.match(text).hasMatch();
}

/// Fails the running test for every text of @p found that the catalogues
/// @p chineseCatalogues leave untranslated or translate with the English
/// text itself.
inline void verifyTranslated(const QList<Message> &found, const QStringList &chineseCatalogues)
{
    QVERIFY2(!found.isEmpty(), "lupdate found no texts");
    QHash<QString, Message> chinese;
    for (const QString &path : chineseCatalogues) {
        QVERIFY2(QFile::exists(path), qPrintable(path + QStringLiteral(" is missing")));
        const QList<Message> messages = readTs(path);
        for (const Message &m : messages)
            chinese.insert(key(m), m);
    }
    QStringList missing;
    QStringList unchanged;
    for (const Message &m : found) {
        const auto it = chinese.constFind(key(m));
        if (it == chinese.constEnd() || it->translation.isEmpty() || !it->type.isEmpty())
            missing << key(m);
        else if (it->translation == m.source && !readsTheSameInBoth(m.source))
            unchanged << key(m);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("No finished Chinese translation: ") +
                                           missing.join(QStringLiteral("; "))));
    QVERIFY2(unchanged.isEmpty(),
             qPrintable(QStringLiteral("Chinese translation is the English text: ") +
                        unchanged.join(QStringLiteral("; "))));
}

} // namespace translationguard
