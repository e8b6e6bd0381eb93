#include "GuiInit.h"

#include <QMutex>
#include <QMutexLocker>
#include <QStringDecoder>

namespace KavrinGUIToolkit {

namespace {

struct GuiSettings
{
    QMutex mutex;
    QStringConverter::Encoding encoding = QStringConverter::System;
    QLocale locale;
};

GuiSettings &settings()
{
    static GuiSettings s;
    return s;
}

} // namespace

void InitGuiTextCodec(QStringConverter::Encoding encoding)
{
    GuiSettings &s = settings();
    QMutexLocker lock(&s.mutex);
    s.encoding = encoding;
}

QStringConverter::Encoding GuiTextEncoding()
{
    GuiSettings &s = settings();
    QMutexLocker lock(&s.mutex);
    return s.encoding;
}

QString DecodeGuiText(const QByteArray &bytes)
{
    QStringDecoder decoder(GuiTextEncoding());
    return decoder.decode(bytes);
}

void InitGuiLocale(const QLocale &locale)
{
    {
        GuiSettings &s = settings();
        QMutexLocker lock(&s.mutex);
        s.locale = locale;
    }
    QLocale::setDefault(locale);
}

QLocale GuiLocale()
{
    GuiSettings &s = settings();
    QMutexLocker lock(&s.mutex);
    return s.locale;
}

} // namespace KavrinGUIToolkit
