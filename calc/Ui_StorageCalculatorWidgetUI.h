#pragma once

#include <TableView.h>
#include <TimeUnitButton.h>
#include <Widgets.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QSpacerItem>
#include <QVBoxLayout>

/// The form of the storage calculator: the recorder and its disks on the
/// first row, the RAID layout on the second, the result row below, Calculate
/// at the right.
class Ui_StorageCalculatorWidgetUI
{
public:
    QGridLayout *gridLayout = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QLabel *labelStorageDeviceClass = nullptr;
    KavrinGUIToolkit::CComboBox *combStorageDeviceClass = nullptr;
    QLabel *labelDeviceType = nullptr;
    KavrinGUIToolkit::CComboBox *combDeviceType = nullptr;
    QLabel *labDiskPos = nullptr;
    QLineEdit *edtDiskPos = nullptr;
    QLabel *labelHDDCapcity = nullptr;
    KavrinGUIToolkit::CComboBox *combHDDCapcity = nullptr;
    QLabel *labelRecordTime = nullptr;
    QLineEdit *edtTime = nullptr;
    kivui::TimeUnitButton *btnRecordTime = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    KavrinGUIToolkit::CPushButton *btnCalculate = nullptr;
    QHBoxLayout *horizontalLayout_3 = nullptr;
    QLabel *labelHDDType = nullptr;
    KavrinGUIToolkit::CComboBox *combHDDType = nullptr;
    QLabel *labelRaidType = nullptr;
    KavrinGUIToolkit::CComboBox *combRaidType = nullptr;
    QLabel *labRaid1Count = nullptr;
    QLineEdit *edtRaid1Count = nullptr;
    QLabel *labRaid5Count = nullptr;
    QLineEdit *edtRaid5Count = nullptr;
    QLabel *labRaidGroup = nullptr;
    QLineEdit *edtRaidGroup = nullptr;
    QLabel *labHotspare = nullptr;
    QLineEdit *edtHotspare = nullptr;
    KavrinGUIToolkit::CTableView *tableResult = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("StorageCalculatorWidgetUI"));
        form->resize(1040, 263);
        gridLayout = new QGridLayout(form);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setSpacing(6);
        gridLayout->setContentsMargins(11, 11, 11, 11);

        horizontalLayout = new QHBoxLayout;
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        horizontalLayout->setSpacing(10);
        labelStorageDeviceClass = label(form, "labelStorageDeviceClass");
        combStorageDeviceClass = combo(form, "combStorageDeviceClass", 60, 23);
        labelDeviceType = label(form, "labelDeviceType");
        combDeviceType = combo(form, "combDeviceType", 150, 23);
        labDiskPos = label(form, "labDiskPos");
        edtDiskPos = edit(form, "edtDiskPos", 50);
        labelHDDCapcity = label(form, "labelHDDCapcity");
        combHDDCapcity = combo(form, "combHDDCapcity", 60, 23);
        combHDDCapcity->setMaximumWidth(60);
        labelRecordTime = label(form, "labelRecordTime");
        edtTime = edit(form, "edtTime", 50);
        btnRecordTime = new kivui::TimeUnitButton(form);
        btnRecordTime->setObjectName(QStringLiteral("btnRecordTime"));
        btnRecordTime->setMinimumSize(75, 23);
        for (QWidget *w : std::initializer_list<QWidget *>{
                 labelStorageDeviceClass, combStorageDeviceClass, labelDeviceType, combDeviceType,
                 labDiskPos, edtDiskPos, labelHDDCapcity, combHDDCapcity, labelRecordTime, edtTime,
                 btnRecordTime})
            horizontalLayout->addWidget(w);
        horizontalLayout->addItem(
            new QSpacerItem(13, 24, QSizePolicy::Expanding, QSizePolicy::Minimum));
        gridLayout->addLayout(horizontalLayout, 0, 0, 1, 1);

        verticalLayout = new QVBoxLayout;
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
        verticalLayout->setSpacing(6);
        verticalLayout->setContentsMargins(0, -1, -1, -1);
        btnCalculate = new KavrinGUIToolkit::CPushButton(form);
        btnCalculate->setObjectName(QStringLiteral("btnCalculate"));
        btnCalculate->setMinimumSize(150, 48);
        btnCalculate->setIcon(
            QIcon(QStringLiteral(":/kivui/complex/Images/System/Complex/calculate.png")));
        btnCalculate->setIconSize(QSize(32, 32));
        verticalLayout->addWidget(btnCalculate);
        verticalLayout->addItem(
            new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
        gridLayout->addLayout(verticalLayout, 0, 1, 3, 1);

        horizontalLayout_3 = new QHBoxLayout;
        horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
        horizontalLayout_3->setSpacing(10);
        labelHDDType = label(form, "labelHDDType");
        combHDDType = combo(form, "combHDDType", 0, 23);
        labelRaidType = label(form, "labelRaidType");
        combRaidType = combo(form, "combRaidType", 80, 23);
        labRaid1Count = label(form, "labRaid1Count");
        edtRaid1Count = edit(form, "edtRaid1Count", 40);
        labRaid5Count = label(form, "labRaid5Count");
        edtRaid5Count = edit(form, "edtRaid5Count", 40);
        labRaidGroup = label(form, "labRaidGroup");
        edtRaidGroup = edit(form, "edtRaidGroup", 40);
        labHotspare = label(form, "labHotspare");
        edtHotspare = edit(form, "edtHotspare", 40);
        for (QWidget *w : std::initializer_list<QWidget *>{
                 labelHDDType, combHDDType, labelRaidType, combRaidType, labRaid1Count,
                 edtRaid1Count, labRaid5Count, edtRaid5Count, labRaidGroup, edtRaidGroup,
                 labHotspare, edtHotspare})
            horizontalLayout_3->addWidget(w);
        horizontalLayout_3->addItem(
            new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
        gridLayout->addLayout(horizontalLayout_3, 1, 0, 1, 1);

        tableResult = new KavrinGUIToolkit::CTableView(form);
        tableResult->setObjectName(QStringLiteral("tableResult"));
        tableResult->setMaximumHeight(80);
        gridLayout->addWidget(tableResult, 2, 0, 1, 1);
        gridLayout->addItem(new QSpacerItem(20, 113, QSizePolicy::Minimum, QSizePolicy::Expanding),
                            3, 0, 1, 1);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(
            QCoreApplication::translate("StorageCalculatorWidgetUI", "StorageCalculatorWidget"));
        labelStorageDeviceClass->setText(
            QCoreApplication::translate("StorageCalculatorWidgetUI", "Class:"));
        labelDeviceType->setText(QCoreApplication::translate("StorageCalculatorWidgetUI", "Type"));
        labDiskPos->setText(QCoreApplication::translate("StorageCalculatorWidgetUI", "HDD Bay:"));
        labelHDDCapcity->setText(
            QCoreApplication::translate("StorageCalculatorWidgetUI", "HDD Capcity"));
        labelRecordTime->setText(
            QCoreApplication::translate("StorageCalculatorWidgetUI", "Recoding Time:"));
        btnCalculate->setText(
            QCoreApplication::translate("StorageCalculatorWidgetUI", "Calculate"));
        labelHDDType->setText(QCoreApplication::translate("StorageCalculatorWidgetUI", "HDD Type"));
        labelRaidType->setText(
            QCoreApplication::translate("StorageCalculatorWidgetUI", "RAID Type:"));
        labRaid1Count->setText(
            QCoreApplication::translate("StorageCalculatorWidgetUI", "RAID1 Count"));
        labRaid5Count->setText(
            QCoreApplication::translate("StorageCalculatorWidgetUI", "RAID5 Count"));
        labRaidGroup->setText(
            QCoreApplication::translate("StorageCalculatorWidgetUI", "RAID Group"));
        labHotspare->setText(QCoreApplication::translate("StorageCalculatorWidgetUI", "Hot spare"));
    }

private:
    static QLabel *label(QWidget *form, const char *name)
    {
        auto *l = new QLabel(form);
        l->setObjectName(QLatin1String(name));
        l->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
        return l;
    }
    static KavrinGUIToolkit::CComboBox *combo(QWidget *form, const char *name, int minWidth,
                                              int minHeight)
    {
        auto *c = new KavrinGUIToolkit::CComboBox(form);
        c->setObjectName(QLatin1String(name));
        c->setMinimumSize(minWidth, minHeight);
        return c;
    }
    static QLineEdit *edit(QWidget *form, const char *name, int maxWidth)
    {
        auto *e = new QLineEdit(form);
        e->setObjectName(QLatin1String(name));
        e->setMinimumHeight(23);
        e->setMaximumWidth(maxWidth);
        return e;
    }
};
