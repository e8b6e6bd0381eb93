#pragma once

#include "KavrinGUIToolkitExport.h"

#include <QTabWidget>

namespace KavrinGUIToolkit {

/// The toolkit's tab widget; style sheets address it as
/// "KavrinGUIToolkit--CTabWidget".
class KAVRIN_EXPORT CTabWidget : public QTabWidget
{
    Q_OBJECT
public:
    explicit CTabWidget(QWidget *parent = nullptr);
    ~CTabWidget() override;
    Q_DISABLE_COPY_MOVE(CTabWidget)
};

} // namespace KavrinGUIToolkit
