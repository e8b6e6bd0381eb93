#pragma once

#include "KavrinGUIToolkitExport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QVariant>

namespace KavrinGUIToolkit {

// Styled widgets: the look comes from the skin's style sheets, which address
// them by class name; behaviour is that of their Qt bases.

class KAVRIN_EXPORT CPushButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CPushButton(QWidget *parent = nullptr);
    explicit CPushButton(const QString &text, QWidget *parent = nullptr);
};

class KAVRIN_EXPORT CComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CComboBox(QWidget *parent = nullptr);
    /// Adds an item showing @p text, with @p toolTip as its tool tip and
    /// @p data as its user data.
    void AddItem(const QString &text, const QString &toolTip = QString(),
                 const QVariant &data = QVariant());
};

class KAVRIN_EXPORT CLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CLabel(QWidget *parent = nullptr);
    explicit CLabel(const QString &text, QWidget *parent = nullptr);
};

class KAVRIN_EXPORT CSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit CSpinBox(QWidget *parent = nullptr);
};

class KAVRIN_EXPORT CLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit CLineEdit(QWidget *parent = nullptr);
};

class KAVRIN_EXPORT CCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit CCheckBox(QWidget *parent = nullptr);
    explicit CCheckBox(const QString &text, QWidget *parent = nullptr);
};

class KAVRIN_EXPORT CTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit CTextEdit(QWidget *parent = nullptr);
};

} // namespace KavrinGUIToolkit
