#pragma once

#include "KavrinGUIToolkitExport.h"

#include <QMenu>

namespace KavrinGUIToolkit {

/// The toolkit's drop-down menu; its look comes from the skin's style sheets.
class KAVRIN_EXPORT CMenu : public QMenu
{
    Q_OBJECT
public:
    explicit CMenu(QWidget *parent = nullptr);
    ~CMenu() override;
    Q_DISABLE_COPY_MOVE(CMenu)
};

} // namespace KavrinGUIToolkit
