#include "TextConvert.h"

#include <QStringDecoder>

namespace KavrinGUIToolkit {

QString ConvertToUnicode(const char *text, const char *codec)
{
    if (!text)
        return QString();
    if (!codec)
        return QString::fromUtf8(text);
    QStringDecoder decoder(codec);
    if (!decoder.isValid())
        return QString::fromUtf8(text);
    return decoder.decode(QByteArrayView(text));
}

} // namespace KavrinGUIToolkit
