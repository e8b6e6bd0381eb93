#include "File.h"

#include <QFile>

namespace KavrinGUIToolkit {

QString CFile::ReadAll(const QStringList &files, const QString &folder)
{
    QStringList texts;
    for (const QString &name : files) {
        QFile file(folder + name);
        if (file.open(QIODevice::ReadOnly))
            texts << QString::fromUtf8(file.readAll());
    }
    return texts.join(QLatin1Char('\n'));
}

} // namespace KavrinGUIToolkit
