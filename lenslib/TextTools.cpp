#include "TextTools.h"

#include <TargetPath.h>

#include <QDir>
#include <QEvent>
#include <QLocale>
#include <QMimeData>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QUrl>

namespace pendrik {

QString appDirWithSlash()
{
    // The toolkit's program folder is the application folder; going through
    // it lets a test point the whole library at a temporary folder.
    return KavrinGUIToolkit::GetTargetPath();
}

QString absolutePath(const QString &path)
{
    if (QDir::isAbsolutePath(path))
        return path;
    return appDirWithSlash() + path;
}

QString translationsBase()
{
    return appDirWithSlash();
}

QString localToUnicode(const QByteArray &text, bool flag)
{
    Q_UNUSED(flag);
    QStringDecoder decoder(QStringDecoder::System);
    if (!decoder.isValid())
        return QString::fromUtf8(text);
    return decoder.decode(text);
}

std::string unicodeToLocalStd(const QString &text, bool flag)
{
    const QByteArray bytes = unicodeToLocal8Bit(text, flag);
    return std::string(bytes.constData(), size_t(bytes.size()));
}

QByteArray unicodeToLocal8Bit(const QString &text, bool flag)
{
    Q_UNUSED(flag);
    QStringEncoder encoder(QStringEncoder::System);
    if (!encoder.isValid())
        return text.toLocal8Bit();
    return encoder.encode(text);
}

QString quoteText(const QString &text)
{
    const QString quot = QStringLiteral("&quot;");
    QString quoted = QStringLiteral("&quot;%1&quot;").arg(text);
    quoted.replace(quot, QStringLiteral("\""), Qt::CaseSensitive);
    return quoted;
}

QString copyText(const QString &text)
{
    return text;
}

QString sizeText(quint64 bytes)
{
    const QLocale locale;
    const quint64 kb = 1024, mb = kb * 1024, gb = mb * 1024, tb = gb * 1024;
    if (bytes >= tb)
        return QStringLiteral("%1 TB").arg(locale.toString(double(bytes) / double(tb), 'f', 3));
    if (bytes >= gb)
        return QStringLiteral("%1 GB").arg(locale.toString(double(bytes) / double(gb), 'f', 2));
    if (bytes >= mb)
        return QStringLiteral("%1 MB").arg(locale.toString(double(bytes) / double(mb), 'f', 1));
    if (bytes >= kb)
        return QStringLiteral("%1 KB").arg(locale.toString(qulonglong(bytes / kb)));
    return locale.toString(qulonglong(bytes));
}

QString eventTypeName(int type)
{
    struct Name
    {
        QEvent::Type type;
        const char *name;
    };
    static const Name names[] = {
        {QEvent::None, "None"},
        {QEvent::MouseButtonPress, "MouseButtonPress"},
        {QEvent::MouseButtonRelease, "MouseButtonRelease"},
        {QEvent::MouseButtonDblClick, "MouseButtonDblClick"},
        {QEvent::MouseMove, "MouseMove"},
        {QEvent::KeyPress, "KeyPress"},
        {QEvent::KeyRelease, "KeyRelease"},
        {QEvent::FocusIn, "FocusIn"},
        {QEvent::FocusOut, "FocusOut"},
        {QEvent::Enter, "Enter"},
        {QEvent::Leave, "Leave"},
        {QEvent::Paint, "Paint"},
        {QEvent::Move, "Move"},
        {QEvent::Resize, "Resize"},
        {QEvent::Show, "Show"},
        {QEvent::Hide, "Hide"},
        {QEvent::WindowActivate, "WindowActivate"},
        {QEvent::WindowDeactivate, "WindowDeactivate"},
        {QEvent::Wheel, "Wheel"},
        {QEvent::HoverEnter, "HoverEnter"},
        {QEvent::HoverLeave, "HoverLeave"},
        {QEvent::HoverMove, "HoverMove"},
    };
    for (const Name &n : names) {
        if (int(n.type) == type)
            return QString::fromLatin1(n.name);
    }
    return QString::number(type);
}

bool hasDoubleByteChars(const char *text)
{
    if (!text)
        return false;
    const auto *bytes = reinterpret_cast<const unsigned char *>(text);
    const size_t length = qstrlen(text);
    for (size_t i = 0; i < length; ++i) {
        if (bytes[i] < 0x81 || bytes[i] > 0xFE)
            continue;
        // The last byte of a longer string stands in for its own trail byte.
        unsigned char next;
        if (i + 1 < length)
            next = bytes[i + 1];
        else if (length >= 2)
            next = bytes[i];
        else
            continue;
        if (next >= 0x40 && next <= 0xFE)
            return true;
    }
    return false;
}

bool hasNoForbiddenChars(const QString &text)
{
    static const QRegularExpression forbidden(QStringLiteral("'|\\\\|/|:|\\*|\\?|\"|<|>|\\|"));
    return !text.contains(forbidden);
}

QStringList localFilesFromMime(const QMimeData *mime)
{
    QStringList files;
    if (!mime)
        return files;
    const QList<QUrl> urls = mime->urls();
    for (const QUrl &url : urls) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty())
            files << path;
    }
    return files;
}

} // namespace pendrik
