#include "KavrinStylePlugin.h"

#include "KavrinStyle.h"

QStyle *CKavrinStylePlugin::create(const QString &key)
{
    if (key.compare(QLatin1String("CKavrinStyle"), Qt::CaseInsensitive) == 0)
        return new CKavrinStyle;
    return nullptr;
}
