#include "TreeViewWithRightPixmapDelegate.h"

#include <QAbstractItemView>

namespace KavrinGUIToolkit {

CTreeViewWithRightPixmapDelegate::CTreeViewWithRightPixmapDelegate(QAbstractItemView *view)
    : CPixmapDelegate(IconsAtRight, view)
{
}

CTreeViewWithRightPixmapDelegate::~CTreeViewWithRightPixmapDelegate() = default;

} // namespace KavrinGUIToolkit
