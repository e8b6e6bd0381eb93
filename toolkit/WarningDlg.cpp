#include "WarningDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMutex>
#include <QMutexLocker>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace KavrinGUIToolkit {

namespace {

struct MessageState
{
    QMutex mutex;
    CWarningDlg::Responder responder;
    QList<CWarningDlg::Shown> history;
};

MessageState &state()
{
    static MessageState s;
    return s;
}

} // namespace

CWarningDlg::CWarningDlg(QWidget *parent, bool question) : CBaseDialog(parent)
{
    setObjectName(QStringLiteral("CWarningDlg"));
    setModal(true);
    setMinimumWidth(320);

    QWidget *content = GetSetUpUiWidget();
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(14);

    auto *row = new QHBoxLayout;
    m_icon = new QLabel(content);
    m_icon->setObjectName(QStringLiteral("CWarningDlgIcon"));
    const QStyle::StandardPixmap sp =
        question ? QStyle::SP_MessageBoxQuestion : QStyle::SP_MessageBoxInformation;
    m_icon->setPixmap(style()->standardIcon(sp).pixmap(32, 32));
    m_text = new QLabel(content);
    m_text->setObjectName(QStringLiteral("CWarningDlgText"));
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(m_icon, 0, Qt::AlignTop);
    row->addWidget(m_text, 1);
    layout->addLayout(row, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_okBtn = new QPushButton(tr("OK"), content);
    m_okBtn->setObjectName(QStringLiteral("CWarningDlgOkBtn"));
    m_okBtn->setDefault(true);
    buttons->addWidget(m_okBtn);
    connect(m_okBtn, &QPushButton::clicked, this, &QDialog::accept);
    if (question) {
        m_cancelBtn = new QPushButton(tr("Cancel"), content);
        m_cancelBtn->setObjectName(QStringLiteral("CWarningDlgCancelBtn"));
        buttons->addWidget(m_cancelBtn);
        connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    }
    layout->addLayout(buttons);
}

CWarningDlg::~CWarningDlg() = default;

void CWarningDlg::SetMessage(const QString &title, const QString &text)
{
    SetTitle(title);
    m_text->setText(text);
}

QString CWarningDlg::GetMessage() const
{
    return m_text->text();
}

int CWarningDlg::ShowMessageInfo(const QString &title, const QString &text, QWidget *parent)
{
    run(title, text, parent, false);
    return 1;
}

int CWarningDlg::CheckMessageInfo(const QString &title, const QString &text, QWidget *parent)
{
    return run(title, text, parent, true);
}

int CWarningDlg::run(const QString &title, const QString &text, QWidget *parent, bool question)
{
    Responder responder;
    {
        MessageState &s = state();
        QMutexLocker lock(&s.mutex);
        s.history.append(Shown{title, text, question});
        responder = s.responder;
    }
    if (responder)
        return responder(Shown{title, text, question}) == 1 ? 1 : 0;

    CWarningDlg dlg(parent, question);
    dlg.SetMessage(title, text);
    dlg.adjustSize();
    return dlg.exec() == QDialog::Accepted ? 1 : 0;
}

void CWarningDlg::SetResponder(Responder responder)
{
    MessageState &s = state();
    QMutexLocker lock(&s.mutex);
    s.responder = std::move(responder);
}

QList<CWarningDlg::Shown> CWarningDlg::History()
{
    MessageState &s = state();
    QMutexLocker lock(&s.mutex);
    return s.history;
}

void CWarningDlg::ClearHistory()
{
    MessageState &s = state();
    QMutexLocker lock(&s.mutex);
    s.history.clear();
}

} // namespace KavrinGUIToolkit
