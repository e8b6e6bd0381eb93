#pragma once

#include "KavrinGUIToolkitExport.h"

#include <QStandardItem>

namespace KavrinGUIToolkit {

/// QStandardItem with the toolkit's spelling of its switches.
class KAVRIN_EXPORT CStandardItem : public QStandardItem
{
public:
    CStandardItem();
    explicit CStandardItem(const QString &text);
    ~CStandardItem() override;

    /// A disabled item can be neither selected nor ticked by the planner.
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    bool IsEnabled() const { return isEnabled(); }
};

} // namespace KavrinGUIToolkit
