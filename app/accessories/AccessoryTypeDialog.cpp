#include "AccessoryTypeDialog.h"

#include <Limits.h>
#include <ToolTip.h>
#include <Validators.h>
#include <Widgets.h>

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpacerItem>

namespace kiv {

AccessoryTypeDialog::AccessoryTypeDialog(const QString &deviceType, const QString &formName,
                                         const QString &modelCaption, const QString &numberCaption,
                                         QWidget *parent)
    : KavrinGUIToolkit::CBaseDialogWithBottom(parent), m_deviceType(deviceType)
{
    QWidget *form = GetSetUpUiWidget();
    // The toolkit's content area keeps its own name, which its style sheet
    // addresses; the form's name is only the context of its texts.
    if (form->objectName().isEmpty())
        form->setObjectName(formName);
    auto *grid = new QGridLayout(form);
    grid->setSpacing(6);
    grid->setContentsMargins(11, 11, 11, 11);
    m_modelLabel = new QLabel(modelCaption, form);
    m_modelLabel->setObjectName(QStringLiteral("lblModel"));
    m_modelLabel->setFixedWidth(60);
    m_typeBox = new KavrinGUIToolkit::CComboBox(form);
    m_typeBox->setObjectName(QStringLiteral("combType"));
    m_typeBox->setMinimumWidth(135);
    m_numberLabel = new QLabel(numberCaption, form);
    m_numberLabel->setObjectName(QStringLiteral("lblNumber"));
    m_numberLabel->setFixedWidth(60);
    m_countEdit = new KavrinGUIToolkit::CLineEdit(form);
    m_countEdit->setObjectName(QStringLiteral("edtCount"));
    m_countEdit->setMinimumWidth(135);

    grid->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding), 0, 1);
    grid->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 1, 0);
    grid->addWidget(m_modelLabel, 1, 1);
    grid->addWidget(m_typeBox, 1, 2);
    grid->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 1, 3);
    grid->addWidget(m_numberLabel, 2, 1);
    grid->addWidget(m_countEdit, 2, 2);
    grid->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding), 3, 1);

    m_countValidator = new KavrinGUIToolkit::CIntValidator(limits::kMinAccessoryCount,
                                                           limits::kMaxAccessoryCount, this);
    m_countEdit->setValidator(m_countValidator);
    m_countEdit->setText(QStringLiteral("1"));

    KavrinGUIToolkit::CBaseDialogWithBottom::ReConnect(GetConfirmBtn(), "clicked()", this,
                                                       "onConfirm()", Qt::AutoConnection);
}

AccessoryTypeDialog::~AccessoryTypeDialog() = default;

void AccessoryTypeDialog::addTypes(const QVector<QString> &types)
{
    if (types.isEmpty())
        return;
    for (const QString &type : types)
        m_typeBox->addItem(type);
    m_hasTypes = true;
}

void AccessoryTypeDialog::setValues(const QString &type, int count)
{
    m_storedType = type;
    m_storedCount = count;
    const QSignalBlocker quiet(m_typeBox);
    int index = m_typeBox->findText(type, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 && !type.isEmpty()) {
        // The catalogue no longer lists it; keep it on offer rather than
        // hand back another type, or none, on confirm.
        m_typeBox->addItem(type);
        index = m_typeBox->count() - 1;
    }
    if (index >= 0)
        m_typeBox->setCurrentIndex(index);
    m_countEdit->setText(QString::number(count));
}

void AccessoryTypeDialog::getValues(QString &type, int &count) const
{
    type = m_typeBox->currentText();
    bool ok = false;
    count = m_countEdit->text().toInt(&ok, 10);
    if (!ok)
        count = 0;
}

void AccessoryTypeDialog::onConfirm()
{
    // The validator keeps typing within the range, but a preset stored
    // count (0, or above the range) reaches the field without it.
    if (!m_countValidator->IsAcceptable(m_countEdit->text())) {
        KavrinGUIToolkit::CToolTip::ShowText(m_countEdit->mapToGlobal(QPoint(0, 0)),
                                             tr("Number Range [1~1000]"));
        return;
    }
    accept();
}

void AccessoryTypeDialog::typeChanged(const QString &text)
{
    if (text == m_storedType)
        m_countEdit->setText(QString::number(m_storedCount));
    else
        m_countEdit->setText(QStringLiteral("1"));
}

} // namespace kiv
