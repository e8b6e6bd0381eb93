#include "WidgetItem.h"

namespace KavrinGUIToolkit {

CWidgetItem::CWidgetItem(QWidget *widget, Qt::Alignment alignment) : QWidgetItem(widget)
{
    setAlignment(alignment);
}

CWidgetItem::~CWidgetItem() = default;

} // namespace KavrinGUIToolkit
