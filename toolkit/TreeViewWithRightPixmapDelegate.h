#pragma once

#include "PixmapDelegate.h"

class QAbstractItemView;

namespace KavrinGUIToolkit {

/// The delegate of the toolkit's lists whose rows end in icons: the icons
/// stand at the right of their cell (see CPixmapDelegate).
class KAVRIN_EXPORT CTreeViewWithRightPixmapDelegate : public CPixmapDelegate
{
    Q_OBJECT
public:
    explicit CTreeViewWithRightPixmapDelegate(QAbstractItemView *view);
    ~CTreeViewWithRightPixmapDelegate() override;
    Q_DISABLE_COPY_MOVE(CTreeViewWithRightPixmapDelegate)
};

} // namespace KavrinGUIToolkit
