#pragma once

#include <Widgets.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QSpacerItem>

/// The form of the stream-server calculator: the result field under its
/// caption, Calculate at the right.
class Ui_StreamServerCalulatorWidgetUI
{
public:
    QGridLayout *gridLayout = nullptr;
    QLabel *labServerCount = nullptr;
    QLineEdit *edtServerCount = nullptr;
    KavrinGUIToolkit::CPushButton *btnCalculate = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("StreamServerCalulatorWidgetUI"));
        form->resize(435, 300);
        gridLayout = new QGridLayout(form);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setSpacing(6);
        gridLayout->setContentsMargins(11, 11, 11, 11);
        labServerCount = new QLabel(form);
        labServerCount->setObjectName(QStringLiteral("labServerCount"));
        labServerCount->setMinimumHeight(30);
        labServerCount->setMinimumWidth(260);
        labServerCount->setMaximumWidth(270);
        labServerCount->setStyleSheet(
            QStringLiteral("background-color: rgba(225, 225, 225, 225);"));
        gridLayout->addWidget(labServerCount, 0, 0, 1, 1);
        edtServerCount = new QLineEdit(form);
        edtServerCount->setObjectName(QStringLiteral("edtServerCount"));
        edtServerCount->setFixedHeight(30);
        edtServerCount->setMaximumWidth(270);
        gridLayout->addWidget(edtServerCount, 1, 0, 1, 1);
        btnCalculate = new KavrinGUIToolkit::CPushButton(form);
        btnCalculate->setObjectName(QStringLiteral("btnCalculate"));
        btnCalculate->setMinimumSize(150, 48);
        btnCalculate->setIcon(
            QIcon(QStringLiteral(":/kivui/complex/Images/System/Complex/calculate.png")));
        btnCalculate->setIconSize(QSize(32, 32));
        gridLayout->addWidget(btnCalculate, 0, 2, 2, 1, Qt::AlignTop);
        gridLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum),
                            0, 1, 1, 1);
        gridLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding),
                            2, 0, 1, 1);
        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(QCoreApplication::translate("StreamServerCalulatorWidgetUI",
                                                         "StreamServerCalulatorWidget"));
        labServerCount->setText(
            QCoreApplication::translate("StreamServerCalulatorWidgetUI", "Stream Server Count"));
        btnCalculate->setText(
            QCoreApplication::translate("StreamServerCalulatorWidgetUI", "Calculate"));
    }
};
