#pragma once

#include <QStringList>
#include <QtPlugin>

/// A skin plug-in of the main program: a Qt plug-in in plugins/skins/ that
/// carries style sheets (and any images of its own) as resources, which it
/// registers when it is loaded.
class ISkinPlugin
{
public:
    virtual ~ISkinPlugin() = default;
    /// The names of the skins the plug-in provides, such as "BlackRedSkin".
    virtual QStringList GetSkinNames() const = 0;
};

#define ISkinPlugin_iid "com.ISkinPlugin/1.1"
Q_DECLARE_INTERFACE(ISkinPlugin, ISkinPlugin_iid)
