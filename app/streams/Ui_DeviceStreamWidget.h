#pragma once

#include <TreeView.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpacerItem>

/// The form of the stream editor: the stream table over a centred button
/// that adds a stream.
class Ui_DeviceStreamWidget
{
public:
    QGridLayout *gridLayout = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QPushButton *btnAddStream = nullptr;
    KavrinGUIToolkit::CTreeView *treeStreamView = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("DeviceStreamWidget"));
        form->resize(546, 346);
        form->setStyleSheet(QStringLiteral("QDialog\n{\n   border-image:url(:/Torvel/Tree/Images/"
                                           "Public/Control/Tree/TableBg.png) 1;\n   "
                                           "border-width:1px;\n}"));
        gridLayout = new QGridLayout(form);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setSpacing(6);
        gridLayout->setContentsMargins(11, 11, 11, 11);

        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        horizontalLayout->setSpacing(6);
        horizontalLayout->addItem(
            new QSpacerItem(0, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
        btnAddStream = new QPushButton(form);
        btnAddStream->setObjectName(QStringLiteral("btnAddStream"));
        btnAddStream->setMinimumSize(130, 31);
        // Enter in the table must not add a stream.
        btnAddStream->setAutoDefault(false);
        btnAddStream->setStyleSheet(QStringLiteral(
            "QPushButton{border-image:url(:/kivui/complex/Images/System/Complex/add.png);"
            "border-width:1px;}\n"
            "QPushButton:hover{border-image:url(:/kivui/complex/Images/System/Complex/addSel.png);"
            "border-width:1px;}\n"
            "QPushButton:focus{border-image:url(:/kivui/complex/Images/System/Complex/addSel.png);"
            "border-width:1px;}\n"
            "QPushButton:pressed{border-image:url(:/kivui/complex/Images/System/Complex/add.png);"
            "border-width:1px;}"));
        horizontalLayout->addWidget(btnAddStream);
        horizontalLayout->addItem(
            new QSpacerItem(0, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
        gridLayout->addLayout(horizontalLayout, 1, 0);

        treeStreamView = new KavrinGUIToolkit::CTreeView(form);
        treeStreamView->setObjectName(QStringLiteral("treeStreamView"));
        gridLayout->addWidget(treeStreamView, 0, 0);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(
            QCoreApplication::translate("DeviceStreamWidget", "DeviceStreamWidget"));
        btnAddStream->setText(QString());
        btnAddStream->setToolTip(QCoreApplication::translate("DeviceStreamWidget", "Add Stream"));
    }
};
