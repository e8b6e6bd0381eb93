#pragma once

#include <QCoreApplication>
#include <QFrame>
#include <QMainWindow>
#include <QVBoxLayout>
#include <QWidget>

/// The main window's form: a central widget holding the frame of the panes.
class Ui_VarnelClass
{
public:
    QWidget *centralWidget = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QFrame *centralFrame = nullptr;

    void setupUi(QMainWindow *window)
    {
        if (window->objectName().isEmpty())
            window->setObjectName(QStringLiteral("VarnelClass"));
        window->resize(1247, 603);
        centralWidget = new QWidget(window);
        centralWidget->setObjectName(QStringLiteral("centralWidget"));
        verticalLayout = new QVBoxLayout(centralWidget);
        verticalLayout->setSpacing(1);
        verticalLayout->setContentsMargins(0, 0, 0, 0);
        centralFrame = new QFrame(centralWidget);
        centralFrame->setObjectName(QStringLiteral("centralFrame"));
        centralFrame->setFrameShape(QFrame::StyledPanel);
        centralFrame->setFrameShadow(QFrame::Raised);
        centralFrame->setStyleSheet(
            QStringLiteral("QFrame#centralFrame\n{\n\tbackground-color: rgb(235, 235, 235);\n}"));
        verticalLayout->addWidget(centralFrame);
        window->setCentralWidget(centralWidget);
        retranslateUi(window);
    }

    void retranslateUi(QMainWindow *window)
    {
        window->setWindowTitle(QCoreApplication::translate("VarnelClass", "Varnel"));
    }
};
