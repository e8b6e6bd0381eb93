#pragma once

#include <TreeView.h>
#include <Widgets.h>

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

/// The form of the import-solution dialog: the industry above, its scenes
/// and the devices of the scene clicked side by side, the buttons below.
class Ui_ImportSolutionWidgetUI
{
public:
    QVBoxLayout *verticalLayout = nullptr;
    QLabel *labelIndustry = nullptr;
    KavrinGUIToolkit::CComboBox *combIndustry = nullptr;
    KavrinGUIToolkit::CTreeView *treeScene = nullptr;
    KavrinGUIToolkit::CTreeView *treeDeviceType = nullptr;
    QLabel *labToolTip = nullptr;
    KavrinGUIToolkit::CPushButton *btnPrevious = nullptr;
    KavrinGUIToolkit::CPushButton *btnFinish = nullptr;
    KavrinGUIToolkit::CPushButton *btnCancel = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("ImportSolutionWidgetUI"));
        verticalLayout = new QVBoxLayout(form);
        verticalLayout->setSpacing(8);
        verticalLayout->setContentsMargins(11, 11, 11, 11);

        auto *industryRow = new QHBoxLayout();
        labelIndustry = new QLabel(form);
        labelIndustry->setObjectName(QStringLiteral("labelIndustry"));
        combIndustry = new KavrinGUIToolkit::CComboBox(form);
        combIndustry->setObjectName(QStringLiteral("combIndustry"));
        combIndustry->setMinimumWidth(120);
        industryRow->addWidget(labelIndustry);
        industryRow->addWidget(combIndustry);
        industryRow->addStretch(1);
        verticalLayout->addLayout(industryRow);

        auto *lists = new QHBoxLayout();
        treeScene = new KavrinGUIToolkit::CTreeView(form);
        treeScene->setObjectName(QStringLiteral("treeScene"));
        treeScene->setMaximumWidth(180);
        treeScene->setRootIsDecorated(false);
        treeDeviceType = new KavrinGUIToolkit::CTreeView(form);
        treeDeviceType->setObjectName(QStringLiteral("treeDeviceType"));
        treeDeviceType->setRootIsDecorated(false);
        lists->addWidget(treeScene);
        lists->addWidget(treeDeviceType, 1);
        verticalLayout->addLayout(lists, 1);

        labToolTip = new QLabel(form);
        labToolTip->setObjectName(QStringLiteral("labToolTip"));
        verticalLayout->addWidget(labToolTip);

        auto *buttons = new QHBoxLayout();
        buttons->addStretch(1);
        btnPrevious = button(form, QStringLiteral("btnPrevious"));
        btnFinish = button(form, QStringLiteral("btnFinish"));
        btnCancel = button(form, QStringLiteral("btnCancel"));
        buttons->addWidget(btnPrevious);
        buttons->addWidget(btnFinish);
        buttons->addWidget(btnCancel);
        verticalLayout->addLayout(buttons);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *)
    {
        labelIndustry->setText(QCoreApplication::translate("ImportSolutionWidgetUI", "Industry:"));
        labToolTip->setText(QCoreApplication::translate(
            "ImportSolutionWidgetUI", "Look at device parameters by double clicked device type."));
        btnPrevious->setText(QCoreApplication::translate("ImportSolutionWidgetUI", "Previous"));
        btnFinish->setText(QCoreApplication::translate("ImportSolutionWidgetUI", "Finish"));
        btnCancel->setText(QCoreApplication::translate("ImportSolutionWidgetUI", "Cancel"));
    }

private:
    static KavrinGUIToolkit::CPushButton *button(QWidget *parent, const QString &name)
    {
        auto *b = new KavrinGUIToolkit::CPushButton(parent);
        b->setObjectName(name);
        b->setMinimumWidth(75);
        b->setAutoDefault(false);
        return b;
    }
};
