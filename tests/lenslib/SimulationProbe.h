#pragma once

#include <CUnidimensionalArrowNode.h>

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QWidget>
#include <QtTest>

// Looks into a simulation's scene by the names its items carry.
namespace lenstest {

inline QGraphicsItem *sceneItem(const QWidget *simulation, const QString &name)
{
    const auto *view = simulation->findChild<QGraphicsView *>(QStringLiteral("m_pView"));
    if (!view || !view->scene())
        return nullptr;
    const QList<QGraphicsItem *> items = view->scene()->items();
    for (QGraphicsItem *item : items) {
        if (item->data(pendrik::kItemNameKey).toString() == name)
            return item;
    }
    return nullptr;
}

inline CUnidimensionalArrowNode *arrowItem(const QWidget *simulation, const char *name)
{
    return dynamic_cast<CUnidimensionalArrowNode *>(
        sceneItem(simulation, QString::fromLatin1(name)));
}

inline QString sceneText(const QWidget *simulation, const char *name)
{
    auto *text =
        dynamic_cast<QGraphicsSimpleTextItem *>(sceneItem(simulation, QString::fromLatin1(name)));
    return text ? text->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

} // namespace lenstest
