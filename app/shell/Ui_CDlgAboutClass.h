#pragma once

#include <Widgets.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

/// The form of the About box, built on the dialog's content area.
class Ui_CDlgAboutClass
{
public:
    QGridLayout *gridLayout = nullptr;
    QPushButton *pushButton = nullptr;
    QLabel *label_2 = nullptr;
    QLabel *label_3 = nullptr;
    QLabel *label_5 = nullptr;
    QLabel *pLabelAbout = nullptr;
    KavrinGUIToolkit::CPushButton *m_pOkBtn = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("CDlgAboutClass"));
        gridLayout = new QGridLayout(form);
        gridLayout->setSpacing(6);
        gridLayout->setContentsMargins(11, 11, 11, 11);

        pushButton = new QPushButton(form);
        pushButton->setObjectName(QStringLiteral("pushButton"));
        pushButton->setFixedSize(32, 32);
        pushButton->setIcon(QIcon(QStringLiteral(":/kivui/complex/Images/System/Complex/App.png")));
        pushButton->setIconSize(QSize(32, 32));
        pushButton->setFlat(true);
        pushButton->setAutoDefault(false);
        pushButton->setFocusPolicy(Qt::NoFocus);
        pushButton->setStyleSheet(QStringLiteral("border:none;"));

        label_2 = new QLabel(form);
        label_2->setObjectName(QStringLiteral("label_2"));
        label_2->setMaximumWidth(50);
        label_3 = new QLabel(form);
        label_3->setObjectName(QStringLiteral("label_3"));
        label_3->setMinimumWidth(250);
        label_5 = new QLabel(form);
        label_5->setObjectName(QStringLiteral("label_5"));
        label_5->setMaximumWidth(50);
        pLabelAbout = new QLabel(form);
        pLabelAbout->setObjectName(QStringLiteral("pLabelAbout"));
        pLabelAbout->setMinimumWidth(250);
        m_pOkBtn = new KavrinGUIToolkit::CPushButton(form);
        m_pOkBtn->setObjectName(QStringLiteral("m_pOkBtn"));
        m_pOkBtn->setMinimumWidth(80);

        // Icon at the left over two rows, captions and values beside it, OK
        // at the bottom right.
        gridLayout->addWidget(pushButton, 0, 0, 2, 1, Qt::AlignTop);
        gridLayout->addWidget(label_2, 0, 1);
        gridLayout->addWidget(label_3, 0, 2);
        gridLayout->addWidget(label_5, 1, 1);
        gridLayout->addWidget(pLabelAbout, 1, 2);
        gridLayout->setRowStretch(2, 1);
        gridLayout->addWidget(m_pOkBtn, 3, 2, Qt::AlignRight);
        gridLayout->setColumnStretch(2, 1);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *)
    {
        label_2->setText(QCoreApplication::translate("CDlgAboutClass", "Name:"));
        label_3->setText(QCoreApplication::translate("CDlgAboutClass", "Vivureri Rize"));
        label_5->setText(QCoreApplication::translate("CDlgAboutClass", "Version:"));
        m_pOkBtn->setText(QCoreApplication::translate("CDlgAboutClass", "OK"));
    }
};
