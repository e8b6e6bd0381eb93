#pragma once

#include <TreeView.h>
#include <Widgets.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

/// The form of the add-device dialog, built on the dialog's content area:
/// the parameter trees of the three device classes at the left, the device
/// types they leave with the keyword box at the right, and the new entry's
/// fields under them.
class Ui_AddDeviceWidgetUI
{
public:
    QHBoxLayout *horizontalLayout = nullptr;
    QTabWidget *pararmTabWidget = nullptr;
    QWidget *tab = nullptr;
    QWidget *tab_2 = nullptr;
    QWidget *tab_3 = nullptr;
    KavrinGUIToolkit::CTreeView *pIPCTreeView = nullptr;
    KavrinGUIToolkit::CTreeView *pDomeTreeView = nullptr;
    KavrinGUIToolkit::CTreeView *pDVRTreeView = nullptr;
    QVBoxLayout *rightLayout = nullptr;
    QGroupBox *groupBox = nullptr;
    KavrinGUIToolkit::CPushButton *btnReset = nullptr;
    QLabel *label = nullptr;
    KavrinGUIToolkit::CLineEdit *edtKeyword = nullptr;
    KavrinGUIToolkit::CTreeView *devTreeView = nullptr;
    QLabel *labToolTip = nullptr;
    QWidget *widgetDevParam = nullptr;
    QLabel *label_2 = nullptr;
    KavrinGUIToolkit::CLineEdit *edtDevType = nullptr;
    QLabel *label_3 = nullptr;
    KavrinGUIToolkit::CLineEdit *edtRemark = nullptr;
    QLabel *label_4 = nullptr;
    KavrinGUIToolkit::CLineEdit *edtDevCount = nullptr;
    QWidget *streamWidget = nullptr;
    QGroupBox *groupBox_3 = nullptr;
    QLabel *label_5 = nullptr;
    KavrinGUIToolkit::CComboBox *combMainStream = nullptr;
    KavrinGUIToolkit::CLineEdit *edtMainStream = nullptr;
    QLabel *label_6 = nullptr;
    KavrinGUIToolkit::CComboBox *combSubStream = nullptr;
    KavrinGUIToolkit::CLineEdit *edtSubStream = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("AddDeviceWidgetUI"));
        // One sheet for the whole form: the tabs drawn with the toolkit's tab
        // images, the pane and both group boxes framed alike.
        form->setStyleSheet(QStringLiteral(
            "QTabWidget#pararmTabWidget QTabBar::tab {\n"
            "    border-image: url(:/Torvel/Tab/Images/Public/Control/Tab/TabWidget.png) 4 3 0 3;\n"
            "    border-width: 4px 3px 0px 3px;\n"
            "    height: 20px;\n"
            "    min-width: 60px;\n"
            "    padding: 0px 8px;\n"
            "}\n"
            "QTabWidget#pararmTabWidget QTabBar::tab:selected {\n"
            "    border-image: url(:/Torvel/Tab/Images/Public/Control/Tab/TabWidgetSelected.png) "
            "4 3 0 3;\n"
            "}\n"
            "QTabWidget#pararmTabWidget::pane { border: 1px solid rgb(178, 208, 199); }\n"
            "QGroupBox#groupBox, QGroupBox#groupBox_3 {\n"
            "    border: 1px solid rgb(178, 208, 199);\n"
            "    margin-top: 0px;\n"
            "}"));
        horizontalLayout = new QHBoxLayout(form);
        horizontalLayout->setSpacing(8);
        horizontalLayout->setContentsMargins(11, 11, 11, 6);

        pararmTabWidget = new QTabWidget(form);
        pararmTabWidget->setObjectName(QStringLiteral("pararmTabWidget"));
        pararmTabWidget->setMinimumWidth(320);
        tab = new QWidget();
        tab->setObjectName(QStringLiteral("tab"));
        pIPCTreeView = treeOnPage(tab, QStringLiteral("pIPCTreeView"));
        tab_2 = new QWidget();
        tab_2->setObjectName(QStringLiteral("tab_2"));
        pDomeTreeView = treeOnPage(tab_2, QStringLiteral("pDomeTreeView"));
        tab_3 = new QWidget();
        tab_3->setObjectName(QStringLiteral("tab_3"));
        pDVRTreeView = treeOnPage(tab_3, QStringLiteral("pDVRTreeView"));
        pararmTabWidget->addTab(tab, QString());
        pararmTabWidget->addTab(tab_2, QString());
        pararmTabWidget->addTab(tab_3, QString());
        horizontalLayout->addWidget(pararmTabWidget, 1);

        rightLayout = new QVBoxLayout();
        rightLayout->setSpacing(6);
        horizontalLayout->addLayout(rightLayout, 1);

        groupBox = new QGroupBox(form);
        groupBox->setObjectName(QStringLiteral("groupBox"));
        auto *boxLayout = new QVBoxLayout(groupBox);
        boxLayout->setContentsMargins(8, 8, 8, 8);
        boxLayout->setSpacing(6);
        auto *keywordRow = new QHBoxLayout();
        label = new QLabel(groupBox);
        label->setObjectName(QStringLiteral("label"));
        edtKeyword = new KavrinGUIToolkit::CLineEdit(groupBox);
        edtKeyword->setObjectName(QStringLiteral("edtKeyword"));
        btnReset = new KavrinGUIToolkit::CPushButton(groupBox);
        btnReset->setObjectName(QStringLiteral("btnReset"));
        btnReset->setMinimumWidth(60);
        btnReset->setAutoDefault(false);
        keywordRow->addWidget(label);
        keywordRow->addWidget(edtKeyword, 1);
        keywordRow->addWidget(btnReset);
        boxLayout->addLayout(keywordRow);
        devTreeView = new KavrinGUIToolkit::CTreeView(groupBox);
        devTreeView->setObjectName(QStringLiteral("devTreeView"));
        devTreeView->header()->hide();
        devTreeView->setRootIsDecorated(false);
        boxLayout->addWidget(devTreeView, 1);
        labToolTip = new QLabel(groupBox);
        labToolTip->setObjectName(QStringLiteral("labToolTip"));
        labToolTip->setWordWrap(true);
        boxLayout->addWidget(labToolTip);
        rightLayout->addWidget(groupBox, 1);

        widgetDevParam = new QWidget(form);
        widgetDevParam->setObjectName(QStringLiteral("widgetDevParam"));
        auto *fields = new QGridLayout(widgetDevParam);
        fields->setContentsMargins(0, 0, 0, 0);
        fields->setHorizontalSpacing(6);
        fields->setVerticalSpacing(6);
        label_2 = fieldLabel(widgetDevParam, QStringLiteral("label_2"));
        edtDevType = fieldEdit(widgetDevParam, QStringLiteral("edtDevType"));
        label_3 = fieldLabel(widgetDevParam, QStringLiteral("label_3"));
        edtRemark = fieldEdit(widgetDevParam, QStringLiteral("edtRemark"));
        label_4 = fieldLabel(widgetDevParam, QStringLiteral("label_4"));
        edtDevCount = fieldEdit(widgetDevParam, QStringLiteral("edtDevCount"));
        fields->addWidget(label_2, 0, 0);
        fields->addWidget(edtDevType, 0, 1);
        fields->addWidget(label_3, 1, 0);
        fields->addWidget(edtRemark, 1, 1);
        fields->addWidget(label_4, 2, 0);
        fields->addWidget(edtDevCount, 2, 1);
        fields->setColumnMinimumWidth(0, 110);
        fields->setColumnStretch(1, 1);
        rightLayout->addWidget(widgetDevParam);

        streamWidget = new QWidget(form);
        streamWidget->setObjectName(QStringLiteral("streamWidget"));
        auto *streamLayout = new QVBoxLayout(streamWidget);
        streamLayout->setContentsMargins(0, 0, 0, 0);
        groupBox_3 = new QGroupBox(streamWidget);
        groupBox_3->setObjectName(QStringLiteral("groupBox_3"));
        auto *streams = new QGridLayout(groupBox_3);
        streams->setContentsMargins(8, 8, 8, 8);
        streams->setHorizontalSpacing(6);
        streams->setVerticalSpacing(6);
        label_5 = fieldLabel(groupBox_3, QStringLiteral("label_5"));
        combMainStream = new KavrinGUIToolkit::CComboBox(groupBox_3);
        combMainStream->setObjectName(QStringLiteral("combMainStream"));
        combMainStream->setMinimumWidth(160);
        edtMainStream = fieldEdit(groupBox_3, QStringLiteral("edtMainStream"));
        label_6 = fieldLabel(groupBox_3, QStringLiteral("label_6"));
        combSubStream = new KavrinGUIToolkit::CComboBox(groupBox_3);
        combSubStream->setObjectName(QStringLiteral("combSubStream"));
        combSubStream->setMinimumWidth(160);
        edtSubStream = fieldEdit(groupBox_3, QStringLiteral("edtSubStream"));
        streams->addWidget(label_5, 0, 0);
        streams->addWidget(combMainStream, 0, 1);
        streams->addWidget(edtMainStream, 0, 2);
        streams->addWidget(label_6, 1, 0);
        streams->addWidget(combSubStream, 1, 1);
        streams->addWidget(edtSubStream, 1, 2);
        streams->setColumnMinimumWidth(0, 102);
        streams->setColumnStretch(2, 1);
        streamLayout->addWidget(groupBox_3);
        rightLayout->addWidget(streamWidget);

        pararmTabWidget->setCurrentIndex(0);
        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(QCoreApplication::translate("AddDeviceWidgetUI", "AddDeviceWidget"));
        pararmTabWidget->setTabText(0, QCoreApplication::translate("AddDeviceWidgetUI", "IPC"));
        pararmTabWidget->setTabText(1, QCoreApplication::translate("AddDeviceWidgetUI", "Dome"));
        pararmTabWidget->setTabText(2, QCoreApplication::translate("AddDeviceWidgetUI", "DVR"));
        btnReset->setText(QCoreApplication::translate("AddDeviceWidgetUI", "Reset"));
        label->setText(QCoreApplication::translate("AddDeviceWidgetUI", "Keyword"));
        labToolTip->setText(QCoreApplication::translate(
            "AddDeviceWidgetUI", "Look at device parameters by double clicked device type."));
        label_2->setText(QCoreApplication::translate("AddDeviceWidgetUI", "Device Type:"));
        label_3->setText(QCoreApplication::translate("AddDeviceWidgetUI", "Remark:"));
        label_4->setText(QCoreApplication::translate("AddDeviceWidgetUI", "Device Count:"));
        label_5->setText(QCoreApplication::translate("AddDeviceWidgetUI", "Main Stream:"));
        label_6->setText(QCoreApplication::translate("AddDeviceWidgetUI", "Sub Stream:"));
    }

private:
    static KavrinGUIToolkit::CTreeView *treeOnPage(QWidget *page, const QString &name)
    {
        auto *layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *tree = new KavrinGUIToolkit::CTreeView(page);
        tree->setObjectName(name);
        tree->header()->hide();
        layout->addWidget(tree);
        return tree;
    }

    static QLabel *fieldLabel(QWidget *parent, const QString &name)
    {
        auto *label = new QLabel(parent);
        label->setObjectName(name);
        return label;
    }

    static KavrinGUIToolkit::CLineEdit *fieldEdit(QWidget *parent, const QString &name)
    {
        auto *edit = new KavrinGUIToolkit::CLineEdit(parent);
        edit->setObjectName(name);
        return edit;
    }
};
