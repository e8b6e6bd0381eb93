#pragma once

#include <QFrame>
#include <QGridLayout>
#include <QWidget>

/// The form of the lens host: one grid layout whose only cell the lens
/// library's window takes over.
class Ui_PendrikWidget
{
public:
    QGridLayout *gridLayout = nullptr;
    QFrame *frame = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("PendrikWidget"));
        form->resize(400, 300);
        gridLayout = new QGridLayout(form);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setSpacing(6);
        gridLayout->setContentsMargins(11, 11, 11, 11);
        frame = new QFrame(form);
        frame->setObjectName(QStringLiteral("frame"));
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Raised);
        gridLayout->addWidget(frame, 0, 0, 1, 1);
    }
};
