#include "DlgAbout.h"

#include "ui_CDlgAboutClass.h"

namespace kiv {

CDlgAbout::CDlgAbout(QWidget *parent)
    : KavrinGUIToolkit::CBaseDialog(parent), m_form(std::make_unique<Ui::CDlgAboutClass>())
{
    setObjectName(QStringLiteral("VarnelAboutDialog"));
    m_form->setupUi(GetSetUpUiWidget());
    setFixedSize(520, 200);
    SetTitle(tr("About"));
    m_form->label_2->setText(tr("Name:"));
    m_form->label_5->setText(tr("Version:"));
    m_form->pLabelAbout->setText(tr(" v1.0.0.1") + QStringLiteral(" Build") +
                                 QString::number(getBuildNumber()));
    m_form->m_pOkBtn->setFocusPolicy(Qt::NoFocus);
    connect(m_form->m_pOkBtn, &QPushButton::clicked, this, &QDialog::accept);
}

CDlgAbout::~CDlgAbout() = default;

unsigned int CDlgAbout::getBuildNumber()
{
    return buildNumberFromDate(QString::fromLatin1(__DATE__));
}

unsigned int CDlgAbout::buildNumberFromDate(const QString &stamp)
{
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (stamp.size() < 11)
        return 0;
    const QString month = stamp.mid(0, 3);
    int monthNumber = 0;
    for (int i = 0; i < 12; ++i) {
        if (month == QLatin1String(months[i]))
            monthNumber = i + 1;
    }
    bool dayOk = false;
    bool yearOk = false;
    const int day = stamp.mid(4, 2).trimmed().toInt(&dayOk, 10);
    const int year = stamp.mid(7, 4).toInt(&yearOk, 10);
    if (monthNumber == 0 || !dayOk || !yearOk)
        return 0;
    return QStringLiteral("%1%2%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(monthNumber, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'))
        .toUInt();
}

} // namespace kiv
