#pragma once

#include "CPluginFactoryInterface.h"

#include <QObject>

/// The lens library's skin "BlackRedSkin": style rules for the library's
/// windows, added to the application's style sheet. The rules name the
/// library's windows only, so a host program keeps its own look.
class CPendrikSkinPlugin : public QObject, public CPluginFactoryInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CPluginFactoryInterface_iid FILE "PendrikSkin.json")
    Q_INTERFACES(CPluginFactoryInterface)
    Q_DISABLE_COPY_MOVE(CPendrikSkinPlugin)
public:
    explicit CPendrikSkinPlugin(QObject *parent = nullptr);
    ~CPendrikSkinPlugin() override;

    QStringList keys() const override;
    bool create(const QString &name) override;
};
