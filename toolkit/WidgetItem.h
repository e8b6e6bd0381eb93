#pragma once

#include "KavrinGUIToolkitExport.h"

#include <QLayoutItem>

namespace KavrinGUIToolkit {

/// A layout item holding one widget with an alignment, for
/// QLayout::addItem(); the layout then owns the item.
class KAVRIN_EXPORT CWidgetItem : public QWidgetItem
{
public:
    CWidgetItem(QWidget *widget, Qt::Alignment alignment);
    ~CWidgetItem() override;
};

} // namespace KavrinGUIToolkit
