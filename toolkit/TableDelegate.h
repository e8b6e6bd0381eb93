#pragma once

#include "PixmapDelegate.h"

class QAbstractItemView;

namespace KavrinGUIToolkit {

/// The delegate of the toolkit's tables: icons centred in their cell, choice
/// and length-limited editors (see CPixmapDelegate).
class KAVRIN_EXPORT CTableDelegate : public CPixmapDelegate
{
    Q_OBJECT
public:
    explicit CTableDelegate(QAbstractItemView *view);
    ~CTableDelegate() override;
    Q_DISABLE_COPY_MOVE(CTableDelegate)
};

} // namespace KavrinGUIToolkit
