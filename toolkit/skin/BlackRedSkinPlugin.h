#pragma once

#include <ISkinPlugin.h>

#include <QObject>

/// The main program's default skin, "BlackRedSkin": a dark-red title bar over
/// light panes. While its instance lives the plug-in's style sheets are
/// registered under ":/Torvel/Qss/Qss/"; the pictures they name belong to
/// the toolkit.
class CBlackRedSkinPlugin : public QObject, public ISkinPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ISkinPlugin_iid FILE "BlackRedSkin.json")
    Q_INTERFACES(ISkinPlugin)
public:
    CBlackRedSkinPlugin();
    ~CBlackRedSkinPlugin() override;
    Q_DISABLE_COPY_MOVE(CBlackRedSkinPlugin)

    QStringList GetSkinNames() const override;
};
