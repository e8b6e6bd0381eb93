#include "StandardItem.h"

namespace KavrinGUIToolkit {

CStandardItem::CStandardItem() = default;

CStandardItem::CStandardItem(const QString &text) : QStandardItem(text)
{
}

CStandardItem::~CStandardItem() = default;

} // namespace KavrinGUIToolkit
