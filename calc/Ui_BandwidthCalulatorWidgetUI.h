#pragma once

#include <TableView.h>
#include <Widgets.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QIcon>
#include <QSpacerItem>

/// The form of the bandwidth calculator: the result row at the left,
/// Calculate at the right.
class Ui_BandwidthCalulatorWidgetUI
{
public:
    QGridLayout *gridLayout = nullptr;
    KavrinGUIToolkit::CTableView *tableBandWidth = nullptr;
    KavrinGUIToolkit::CPushButton *btnCalculate = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("BandwidthCalulatorWidgetUI"));
        form->resize(400, 300);
        gridLayout = new QGridLayout(form);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setSpacing(6);
        gridLayout->setContentsMargins(11, 11, 11, 11);
        tableBandWidth = new KavrinGUIToolkit::CTableView(form);
        tableBandWidth->setObjectName(QStringLiteral("tableBandWidth"));
        tableBandWidth->setMaximumHeight(80);
        gridLayout->addWidget(tableBandWidth, 0, 0, 2, 1, Qt::AlignTop);
        btnCalculate = new KavrinGUIToolkit::CPushButton(form);
        btnCalculate->setObjectName(QStringLiteral("btnCalculate"));
        btnCalculate->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
        btnCalculate->setMinimumSize(150, 48);
        btnCalculate->setIcon(
            QIcon(QStringLiteral(":/kivui/complex/Images/System/Complex/calculate.png")));
        btnCalculate->setIconSize(QSize(32, 32));
        gridLayout->addWidget(btnCalculate, 0, 1, 1, 1);
        // A spacer that wants no more than the pane has: the skin lowers the
        // button's minimum height, and a taller spacer would squeeze it.
        gridLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding),
                            1, 1, 1, 1);
        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(
            QCoreApplication::translate("BandwidthCalulatorWidgetUI", "BandwidthCalulatorWidget"));
        btnCalculate->setText(
            QCoreApplication::translate("BandwidthCalulatorWidgetUI", "Calculate"));
    }
};
