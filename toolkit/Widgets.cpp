#include "Widgets.h"

namespace KavrinGUIToolkit {

CPushButton::CPushButton(QWidget *parent) : QPushButton(parent)
{
    setCursor(Qt::PointingHandCursor);
}

CPushButton::CPushButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

CComboBox::CComboBox(QWidget *parent) : QComboBox(parent)
{
}

void CComboBox::AddItem(const QString &text, const QString &toolTip, const QVariant &data)
{
    addItem(text, data);
    if (!toolTip.isEmpty())
        setItemData(count() - 1, toolTip, Qt::ToolTipRole);
}

CLabel::CLabel(QWidget *parent) : QLabel(parent)
{
}

CLabel::CLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
}

CSpinBox::CSpinBox(QWidget *parent) : QSpinBox(parent)
{
}

CLineEdit::CLineEdit(QWidget *parent) : QLineEdit(parent)
{
}

CCheckBox::CCheckBox(QWidget *parent) : QCheckBox(parent)
{
}

CCheckBox::CCheckBox(const QString &text, QWidget *parent) : QCheckBox(text, parent)
{
}

CTextEdit::CTextEdit(QWidget *parent) : QTextEdit(parent)
{
}

} // namespace KavrinGUIToolkit
