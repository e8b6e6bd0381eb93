#include "CDlgAbout.h"

#include <Widgets.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QSpacerItem>

CDlgAbout::CDlgAbout(QWidget *parent) : KavrinGUIToolkit::CBaseDialog(parent)
{
    setObjectName(QStringLiteral("CDlgAbout"));
    QWidget *form = GetSetUpUiWidget();
    setUpForm(form);
    setFixedSize(520, 200);
    SetCloseBtnVisible(true);
    SetTitle(tr("About"));
    m_versionLabel->setText(versionText());
    connect(m_okBtn, &QPushButton::clicked, this, &QDialog::accept);
}

CDlgAbout::~CDlgAbout() = default;

void CDlgAbout::setUpForm(QWidget *form)
{
    form->resize(610, 283);

    auto *grid5 = new QGridLayout(form);
    grid5->setObjectName(QStringLiteral("gridLayout_5"));
    grid5->setSpacing(6);
    grid5->setContentsMargins(11, 11, 11, 11);
    grid5->addItem(new QSpacerItem(20, 88, QSizePolicy::Minimum, QSizePolicy::Expanding), 0, 0);

    auto *grid4 = new QGridLayout;
    grid4->setObjectName(QStringLiteral("gridLayout_4"));
    grid4->setSpacing(6);

    m_pictureLabel = new QLabel(form);
    m_pictureLabel->setObjectName(QStringLiteral("label"));
    m_pictureLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_pictureLabel->setPixmap(QPixmap(QStringLiteral(":/images/Pendrik/Cameralens.png")));
    m_pictureLabel->setAlignment(Qt::AlignCenter);
    grid4->addWidget(m_pictureLabel, 0, 0, 2, 1);

    auto *grid3 = new QGridLayout;
    grid3->setObjectName(QStringLiteral("gridLayout_3"));
    grid3->setSpacing(6);

    auto *grid2 = new QGridLayout;
    grid2->setObjectName(QStringLiteral("gridLayout_2"));
    m_nameCaption = new QLabel(form);
    m_nameCaption->setObjectName(QStringLiteral("label_2"));
    m_nameLabel = new QLabel(form);
    m_nameLabel->setObjectName(QStringLiteral("label_3"));
    grid2->addWidget(m_nameCaption, 0, 0);
    grid2->addWidget(m_nameLabel, 0, 1);
    grid3->addLayout(grid2, 0, 0);

    auto *grid1 = new QGridLayout;
    grid1->setObjectName(QStringLiteral("gridLayout"));
    grid1->setSpacing(6);
    m_versionCaption = new QLabel(form);
    m_versionCaption->setObjectName(QStringLiteral("label_5"));
    m_versionLabel = new QLabel(form);
    m_versionLabel->setObjectName(QStringLiteral("pLabelAboutLens"));
    grid1->addWidget(m_versionCaption, 0, 0);
    grid1->addWidget(m_versionLabel, 0, 1);
    grid3->addLayout(grid1, 1, 0);

    grid4->addLayout(grid3, 0, 1, 2, 1);
    grid4->addItem(new QSpacerItem(20, 17, QSizePolicy::Minimum, QSizePolicy::Expanding), 0, 2);
    m_okBtn = new KavrinGUIToolkit::CPushButton(form);
    m_okBtn->setObjectName(QStringLiteral("m_pOkBtn"));
    // A button of its own size at the right, not one stretched over the
    // room that the captions leave.
    m_okBtn->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    grid4->addWidget(m_okBtn, 1, 2, Qt::AlignRight | Qt::AlignBottom);

    grid5->addLayout(grid4, 1, 0);
    grid5->addItem(new QSpacerItem(20, 88, QSizePolicy::Minimum, QSizePolicy::Expanding), 2, 0);

    retranslateForm(form);
}

void CDlgAbout::retranslateForm(QWidget *form)
{
    form->setWindowTitle(QCoreApplication::translate("CDlgAboutClass", "About"));
    m_nameCaption->setText(QCoreApplication::translate("CDlgAboutClass", "Name:"));
    m_nameLabel->setText(QCoreApplication::translate("CDlgAboutClass", "Pendrik"));
    m_versionCaption->setText(QCoreApplication::translate("CDlgAboutClass", "Version:"));
    m_okBtn->setText(QCoreApplication::translate("CDlgAboutClass", "OK"));
}

unsigned int CDlgAbout::buildNumberFromDate(const QByteArray &date)
{
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QByteArray monthName = date.left(3);
    QByteArray month = monthName;
    for (int i = 0; i < 12; ++i) {
        if (monthName == months[i]) {
            month = QByteArray::number(i + 1).rightJustified(2, '0');
            break;
        }
    }
    const int day = date.mid(4, 2).trimmed().toInt();
    const QByteArray dayText = QByteArray::number(day).rightJustified(2, '0');
    const QByteArray year = date.mid(7, 4);
    bool ok = false;
    const unsigned int number = (year + month + dayText).toUInt(&ok, 10);
    return ok ? number : 0;
}

unsigned int CDlgAbout::buildNumber()
{
    return buildNumberFromDate(QByteArray(__DATE__));
}

QString CDlgAbout::versionText()
{
    return tr(" v1.00.02.07") + QStringLiteral(" Build") + QString::number(buildNumber());
}
