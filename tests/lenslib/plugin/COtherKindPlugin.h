#pragma once

#include <QObject>
#include <QtPlugin>

/// An interface that is not the lens library's skin interface.
class COtherKindInterface
{
public:
    virtual ~COtherKindInterface() = default;
    virtual QString kind() const = 0;
};

#define COtherKindInterface_iid "com.varnel.test.OtherKind"
Q_DECLARE_INTERFACE(COtherKindInterface, COtherKindInterface_iid)

/// A working Qt plug-in of that other interface.
class COtherKindPlugin : public QObject, public COtherKindInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID COtherKindInterface_iid)
    Q_INTERFACES(COtherKindInterface)
    Q_DISABLE_COPY_MOVE(COtherKindPlugin)
public:
    explicit COtherKindPlugin(QObject *parent = nullptr) : QObject(parent) {}
    QString kind() const override;
};
