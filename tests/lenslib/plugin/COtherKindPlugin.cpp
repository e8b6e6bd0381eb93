#include "COtherKindPlugin.h"

QString COtherKindPlugin::kind() const
{
    return QStringLiteral("other");
}
