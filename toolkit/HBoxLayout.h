#pragma once

#include "KavrinGUIToolkitExport.h"

#include <QHBoxLayout>

namespace KavrinGUIToolkit {

/// The toolkit's horizontal layout.
class KAVRIN_EXPORT CHBoxLayout : public QHBoxLayout
{
    Q_OBJECT
public:
    explicit CHBoxLayout(QWidget *parent = nullptr);
    ~CHBoxLayout() override;
    Q_DISABLE_COPY_MOVE(CHBoxLayout)
};

} // namespace KavrinGUIToolkit
