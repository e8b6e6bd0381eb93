#include "XmlFile.h"

#include "XmlNode.h"

#include <QDebug>
#include <QFileInfo>

bool openXmlDataFile(XmlNode &root, const QString &path, const QString &rootTag)
{
    const QFileInfo info(path);
    if (info.exists() && info.size() > 0) {
        if (!root.load(path))
            return false;
        if (!root.parsed()) {
            qDebug() << "file does not parse, left untouched:" << path;
            return false;
        }
        return true;
    }

    XmlNode fresh;
    fresh.createRoot(rootTag);
    if (!fresh.save(path))
        return false;
    return root.load(path) && root.parsed();
}
