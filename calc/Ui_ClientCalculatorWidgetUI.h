#pragma once

#include <Widgets.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QSpacerItem>

/// The form of the client calculator: the client software, the result field
/// under its caption, Calculate at the right.
class Ui_ClientCalculatorWidgetUI
{
public:
    QGridLayout *gridLayout = nullptr;
    QLabel *labelClient = nullptr;
    KavrinGUIToolkit::CComboBox *combClient = nullptr;
    QLabel *labClientCount = nullptr;
    QLineEdit *edtClientCount = nullptr;
    KavrinGUIToolkit::CPushButton *btnCalculate = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("ClientCalculatorWidgetUI"));
        form->resize(692, 206);
        gridLayout = new QGridLayout(form);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setSpacing(6);
        gridLayout->setContentsMargins(11, 11, 11, 11);
        labelClient = new QLabel(form);
        labelClient->setObjectName(QStringLiteral("labelClient"));
        gridLayout->addWidget(labelClient, 0, 0, 1, 1);
        combClient = new KavrinGUIToolkit::CComboBox(form);
        combClient->setObjectName(QStringLiteral("combClient"));
        combClient->setMinimumSize(200, 25);
        gridLayout->addWidget(combClient, 0, 1, 1, 1, Qt::AlignLeft);
        labClientCount = new QLabel(form);
        labClientCount->setObjectName(QStringLiteral("labClientCount"));
        labClientCount->setMinimumHeight(30);
        labClientCount->setMinimumWidth(260);
        labClientCount->setAlignment(Qt::AlignCenter);
        labClientCount->setStyleSheet(
            QStringLiteral("background-color: rgba(225, 225, 225, 225);"));
        gridLayout->addWidget(labClientCount, 1, 0, 1, 2);
        edtClientCount = new QLineEdit(form);
        edtClientCount->setObjectName(QStringLiteral("edtClientCount"));
        edtClientCount->setFixedHeight(30);
        gridLayout->addWidget(edtClientCount, 2, 0, 1, 2);
        btnCalculate = new KavrinGUIToolkit::CPushButton(form);
        btnCalculate->setObjectName(QStringLiteral("btnCalculate"));
        btnCalculate->setMinimumSize(150, 48);
        btnCalculate->setIcon(
            QIcon(QStringLiteral(":/kivui/complex/Images/System/Complex/calculate.png")));
        btnCalculate->setIconSize(QSize(32, 32));
        gridLayout->addWidget(btnCalculate, 0, 3, 2, 1, Qt::AlignTop);
        gridLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum),
                            0, 2, 1, 1);
        gridLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding),
                            3, 0, 1, 1);
        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(
            QCoreApplication::translate("ClientCalculatorWidgetUI", "ClientCalculatorWidget"));
        labelClient->setText(QCoreApplication::translate("ClientCalculatorWidgetUI", "Client:"));
        labClientCount->setText(
            QCoreApplication::translate("ClientCalculatorWidgetUI", "Client Count"));
        btnCalculate->setText(QCoreApplication::translate("ClientCalculatorWidgetUI", "Calculate"));
    }
};
