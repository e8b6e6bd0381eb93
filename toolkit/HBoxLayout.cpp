#include "HBoxLayout.h"

namespace KavrinGUIToolkit {

CHBoxLayout::CHBoxLayout(QWidget *parent) : QHBoxLayout(parent)
{
}

CHBoxLayout::~CHBoxLayout() = default;

} // namespace KavrinGUIToolkit
