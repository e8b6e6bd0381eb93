#pragma once

#include <TreeView.h>

#include <QCoreApplication>
#include <QGridLayout>

/// The form of the record-plan copy dialog, built on the dialog's content
/// area: the list of the task's devices to copy to.
class Ui_RecordPlanCopyWidget
{
public:
    QGridLayout *gridLayout = nullptr;
    KavrinGUIToolkit::CTreeView *treeView = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("RecordPlanCopyWidget"));
        form->resize(400, 300);
        gridLayout = new QGridLayout(form);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setSpacing(6);
        gridLayout->setContentsMargins(11, 11, 11, 11);
        treeView = new KavrinGUIToolkit::CTreeView(form);
        treeView->setObjectName(QStringLiteral("treeView"));
        treeView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        treeView->setMinimumSize(200, 160);
        gridLayout->addWidget(treeView, 0, 0);
        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(
            QCoreApplication::translate("RecordPlanCopyWidget", "RecordPlanCopyWidget"));
    }
};
