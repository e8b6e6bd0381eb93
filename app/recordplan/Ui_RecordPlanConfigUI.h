#pragma once

#include <RecordWidget.h>
#include <Widgets.h>

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QSpacerItem>

/// The form of the record-plan editor: the three paint buttons, "Copy to...",
/// the event frequency, and the 24-hour grid under them.
class Ui_RecordPlanConfigUI
{
public:
    QGridLayout *gridLayout_2 = nullptr;
    QGridLayout *gridLayout = nullptr;
    KavrinGUIToolkit::CPushButton *btnSchedule = nullptr;
    KavrinGUIToolkit::CPushButton *btnEvent = nullptr;
    KavrinGUIToolkit::CPushButton *btnNoRecord = nullptr;
    KavrinGUIToolkit::CPushButton *btnCopyTo = nullptr;
    QSpacerItem *horizontalSpacer = nullptr;
    QLabel *labelEventFrenquency = nullptr;
    KavrinGUIToolkit::CComboBox *combFrenquency = nullptr;
    QFrame *line = nullptr;
    kivui::RecordWidget *widgetPlan = nullptr;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("RecordPlanConfigUI"));
        form->resize(700, 155);
        form->setStyleSheet(QStringLiteral(
            "QDialog\n{\n   border-image:url(:/Torvel/Tree/Images/Public/Control/Tree/"
            "TableBg.png) 1;\n   border-width:1px;\n}"));
        gridLayout_2 = new QGridLayout(form);
        gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
        gridLayout_2->setSpacing(6);
        gridLayout_2->setContentsMargins(11, 11, 11, 11);
        gridLayout = new QGridLayout;
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setSpacing(6);

        btnSchedule = button(form, "btnSchedule", "Continuous.png");
        gridLayout->addWidget(btnSchedule, 0, 0);
        btnEvent = button(form, "btnEvent", "Event.png");
        gridLayout->addWidget(btnEvent, 0, 1);
        btnNoRecord = button(form, "btnNoRecord", "norecord.png");
        gridLayout->addWidget(btnNoRecord, 0, 2);
        line = new QFrame(form);
        line->setObjectName(QStringLiteral("line"));
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        gridLayout->addWidget(line, 0, 3);
        btnCopyTo = button(form, "btnCopyTo", nullptr);
        gridLayout->addWidget(btnCopyTo, 0, 4);
        horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        gridLayout->addItem(horizontalSpacer, 0, 5);
        labelEventFrenquency = new QLabel(form);
        labelEventFrenquency->setObjectName(QStringLiteral("labelEventFrenquency"));
        labelEventFrenquency->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        labelEventFrenquency->setAlignment(Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter);
        gridLayout->addWidget(labelEventFrenquency, 0, 6);
        combFrenquency = new KavrinGUIToolkit::CComboBox(form);
        combFrenquency->setObjectName(QStringLiteral("combFrenquency"));
        combFrenquency->setMinimumWidth(80);
        gridLayout->addWidget(combFrenquency, 0, 7);
        gridLayout_2->addLayout(gridLayout, 0, 0);

        widgetPlan = new kivui::RecordWidget(form);
        widgetPlan->setObjectName(QStringLiteral("widgetPlan"));
        widgetPlan->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
        gridLayout_2->addWidget(widgetPlan, 1, 0);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(QCoreApplication::translate("RecordPlanConfigUI", "RecordPlanWidget"));
        btnSchedule->setText(QCoreApplication::translate("RecordPlanConfigUI", "Schedule"));
        btnEvent->setText(QCoreApplication::translate("RecordPlanConfigUI", "Event"));
        btnNoRecord->setText(QCoreApplication::translate("RecordPlanConfigUI", "No Record"));
        btnCopyTo->setText(QCoreApplication::translate("RecordPlanConfigUI", "Copy to..."));
        labelEventFrenquency->setText(
            QCoreApplication::translate("RecordPlanConfigUI", "Event Frenquency"));
    }

private:
    static KavrinGUIToolkit::CPushButton *button(QWidget *form, const char *name, const char *icon)
    {
        auto *b = new KavrinGUIToolkit::CPushButton(form);
        b->setObjectName(QLatin1String(name));
        b->setMinimumWidth(90);
        if (icon)
            b->setIcon(QIcon(QStringLiteral(":/kivui/complex/Images/System/Complex/") +
                             QLatin1String(icon)));
        return b;
    }
};
