#include "TabWidget.h"

namespace KavrinGUIToolkit {

CTabWidget::CTabWidget(QWidget *parent) : QTabWidget(parent)
{
    setDocumentMode(false);
}

CTabWidget::~CTabWidget() = default;

} // namespace KavrinGUIToolkit
