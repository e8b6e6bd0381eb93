#pragma once

#include <BaseDialogWithBottom.h>

#include <QString>
#include <QVector>

class QLabel;

namespace KavrinGUIToolkit {
class CComboBox;
class CIntValidator;
class CLineEdit;
} // namespace KavrinGUIToolkit

namespace kiv {

/// What the lens, shield and stand dialogs share: the catalogue's types of
/// one device model in a combo box and a count of 1 to 1000. The caller may
/// preset a stored pair with setValues(), runs exec() and reads the chosen
/// pair with getValues() once it returned QDialog::Accepted. Nothing is
/// written here.
class AccessoryTypeDialog : public KavrinGUIToolkit::CBaseDialogWithBottom
{
    Q_OBJECT
public:
    ~AccessoryTypeDialog() override;
    Q_DISABLE_COPY_MOVE(AccessoryTypeDialog)

    /// The catalogue gave at least one type for the model.
    bool hasTypes() const { return m_hasTypes; }
    /// Selects @p type and shows @p count, for editing a stored accessory.
    /// A type the catalogue no longer lists is added to the list and
    /// selected, so the stored type is what a confirm hands back.
    void setValues(const QString &type, int count);
    /// The selected type and the count field as a decimal number (0 when
    /// it is not one).
    void getValues(QString &type, int &count) const;

    QString deviceType() const { return m_deviceType; }

public slots:
    /// Accepts when the count is a whole number from 1 to 1000; otherwise
    /// shows the range at the count field and stays open.
    void onConfirm();

protected:
    /// The form on the content area, its object name @p formName; the
    /// captions come translated in the form's own context.
    AccessoryTypeDialog(const QString &deviceType, const QString &formName,
                        const QString &modelCaption, const QString &numberCaption, QWidget *parent);

    /// Fills the type list (in the order given) and sets hasTypes() when it
    /// is not empty. Called before the type-changed connection is made.
    void addTypes(const QVector<QString> &types);
    /// The count follows the type: the preset count for the preset type,
    /// 1 for any other.
    void typeChanged(const QString &text);
    KavrinGUIToolkit::CComboBox *typeBox() const { return m_typeBox; }

private:
    KavrinGUIToolkit::CComboBox *m_typeBox = nullptr;
    KavrinGUIToolkit::CLineEdit *m_countEdit = nullptr;
    KavrinGUIToolkit::CIntValidator *m_countValidator = nullptr;
    QLabel *m_modelLabel = nullptr;
    QLabel *m_numberLabel = nullptr;

    QString m_deviceType;
    bool m_hasTypes = false;
    QString m_storedType;
    int m_storedCount = 0;
};

} // namespace kiv
