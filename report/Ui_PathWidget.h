#pragma once

#include <PathComboBox.h>

#include <QCoreApplication>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

/// The form of the path dialog, built on the dialog's content area.
class Ui_PathWidget
{
public:
    QGridLayout *gridLayout = nullptr;
    QLabel *label = nullptr;
    QLineEdit *edtName = nullptr;
    QLabel *labelSelectPath = nullptr;
    KavrinGUIToolkit::CPathComboBox *comboBox = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("PathWidget"));
        gridLayout = new QGridLayout(form);
        gridLayout->setSpacing(6);
        gridLayout->setContentsMargins(11, 11, 11, 11);

        QFont bold;
        bold.setBold(true);

        label = new QLabel(form);
        label->setObjectName(QStringLiteral("label"));
        label->setFont(bold);
        edtName = new QLineEdit(form);
        edtName->setObjectName(QStringLiteral("edtName"));
        labelSelectPath = new QLabel(form);
        labelSelectPath->setObjectName(QStringLiteral("labelSelectPath"));
        labelSelectPath->setFont(bold);
        comboBox = new KavrinGUIToolkit::CPathComboBox(form);
        comboBox->setObjectName(QStringLiteral("comboBox"));
        comboBox->setMinimumHeight(25);

        gridLayout->addWidget(label, 0, 0);
        gridLayout->addWidget(edtName, 1, 0);
        gridLayout->addWidget(labelSelectPath, 2, 0);
        gridLayout->addWidget(comboBox, 3, 0);
        gridLayout->setRowStretch(4, 1);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *)
    {
        label->setText(QCoreApplication::translate("PathWidget", "File Name:"));
        labelSelectPath->setText(
            QCoreApplication::translate("PathWidget", "Please select file path:"));
    }
};
