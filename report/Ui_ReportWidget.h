#pragma once

#include <Widgets.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QIcon>
#include <QSpacerItem>

/// The form of the report window, built on the dialog's content area.
class Ui_ReportWidget
{
public:
    QGridLayout *gridLayout = nullptr;
    KavrinGUIToolkit::CTextEdit *textEdit = nullptr;
    KavrinGUIToolkit::CPushButton *btnSavePdf = nullptr;
    KavrinGUIToolkit::CPushButton *btnSaveExcel = nullptr;
    KavrinGUIToolkit::CPushButton *btnPrint = nullptr;
    QSpacerItem *horizontalSpacer = nullptr;
    KavrinGUIToolkit::CPushButton *btnClose = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("ReportWidget"));
        form->resize(582, 466);
        gridLayout = new QGridLayout(form);
        gridLayout->setSpacing(6);
        gridLayout->setContentsMargins(11, 11, 11, 11);

        textEdit = new KavrinGUIToolkit::CTextEdit(form);
        textEdit->setObjectName(QStringLiteral("textEdit"));
        textEdit->setStyleSheet(QString());
        gridLayout->addWidget(textEdit, 0, 0, 1, 5);

        const auto button = [form](const char *name, const char *icon, int minimumWidth) {
            auto *b = new KavrinGUIToolkit::CPushButton(form);
            b->setObjectName(QLatin1String(name));
            b->setMinimumSize(minimumWidth, 0);
            b->setAutoDefault(false);
            if (icon)
                b->setIcon(QIcon(QLatin1String(icon)));
            return b;
        };
        btnSavePdf = button("btnSavePdf", ":/kivui/complex/Images/System/Complex/pdf.png", 120);
        btnSaveExcel =
            button("btnSaveExcel", ":/kivui/complex/Images/System/Complex/excel.png", 120);
        btnPrint = button("btnPrint", ":/kivui/complex/Images/System/Complex/print.png", 120);
        btnClose = button("btnClose", nullptr, 90);
        horizontalSpacer = new QSpacerItem(125, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);

        gridLayout->addWidget(btnSavePdf, 1, 0, 1, 1);
        gridLayout->addWidget(btnSaveExcel, 1, 1, 1, 1);
        gridLayout->addWidget(btnPrint, 1, 2, 1, 1);
        gridLayout->addItem(horizontalSpacer, 1, 3, 1, 1);
        gridLayout->addWidget(btnClose, 1, 4, 1, 1);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *)
    {
        btnSavePdf->setText(QCoreApplication::translate("ReportWidget", "Save as PDF"));
        btnSaveExcel->setText(QCoreApplication::translate("ReportWidget", "Save as Excel"));
        btnPrint->setText(QCoreApplication::translate("ReportWidget", "Print"));
        btnClose->setText(QCoreApplication::translate("ReportWidget", "Close"));
    }
};
