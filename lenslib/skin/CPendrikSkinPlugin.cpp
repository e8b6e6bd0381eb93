#include "CPendrikSkinPlugin.h"

#include <QApplication>
#include <QFile>

namespace {

const char kSkinName[] = "BlackRedSkin";
// Marks the skin's rules inside the application's style sheet, so applying
// the skin twice does not add them twice.
const char kMarker[] = "/* PendrikSkin:BlackRedSkin */";

} // namespace

CPendrikSkinPlugin::CPendrikSkinPlugin(QObject *parent) : QObject(parent)
{
}

CPendrikSkinPlugin::~CPendrikSkinPlugin() = default;

QStringList CPendrikSkinPlugin::keys() const
{
    return {QString::fromLatin1(kSkinName)};
}

bool CPendrikSkinPlugin::create(const QString &name)
{
    if (name != QLatin1String(kSkinName))
        return false;
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return false;
    QFile file(QStringLiteral(":/PendrikSkin/BlackRedSkin.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString marker = QString::fromLatin1(kMarker);
    const QString sheet = app->styleSheet();
    if (!sheet.contains(marker)) {
        QString rules = marker + QLatin1Char('\n') + QString::fromUtf8(file.readAll());
        app->setStyleSheet(sheet.isEmpty() ? rules : sheet + QLatin1Char('\n') + rules);
    }
    return true;
}
