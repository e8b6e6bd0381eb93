#pragma once

#include <QStylePlugin>

/// Offers the style "CKavrinStyle" to Qt's style factory from
/// plugins/styles of the program folder.
class CKavrinStylePlugin : public QStylePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "CKavrinStyle.json")
public:
    CKavrinStylePlugin() = default;
    ~CKavrinStylePlugin() override = default;
    Q_DISABLE_COPY_MOVE(CKavrinStylePlugin)

    QStyle *create(const QString &key) override;
};
