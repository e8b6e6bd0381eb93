#include "TableDelegate.h"

#include <QAbstractItemView>

namespace KavrinGUIToolkit {

CTableDelegate::CTableDelegate(QAbstractItemView *view) : CPixmapDelegate(IconsCentred, view)
{
}

CTableDelegate::~CTableDelegate() = default;

} // namespace KavrinGUIToolkit
