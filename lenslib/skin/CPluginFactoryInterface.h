#pragma once

#include <QString>
#include <QStringList>
#include <QtPlugin>

/// The lens library's skin plug-ins: a plug-in offers skins by name and
/// applies one on request. The main program's skins use another interface;
/// each loader passes over the other's plug-ins.
class CPluginFactoryInterface
{
public:
    virtual ~CPluginFactoryInterface() = default;

    /// The names of the skins this plug-in offers.
    virtual QStringList keys() const = 0;
    /// Applies the skin @p name; false when the plug-in does not offer it or
    /// cannot apply it.
    virtual bool create(const QString &name) = 0;
};

#define CPluginFactoryInterface_iid "com.CPluginFactoryInterface"
Q_DECLARE_INTERFACE(CPluginFactoryInterface, CPluginFactoryInterface_iid)
