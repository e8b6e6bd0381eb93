#include "ChaseDialog.h"

#include "Widgets.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QMutex>
#include <QMutexLocker>
#include <QVBoxLayout>

namespace KavrinGUIToolkit {

namespace {

struct ChaseState
{
    QMutex mutex;
    CChaseDialog::Responder responder;
    QStringList history;
};

ChaseState &state()
{
    static ChaseState s;
    return s;
}

} // namespace

CChaseDialog::CChaseDialog(QWidget *parent, const QString &animationPath, const QString &text,
                           bool closable)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_animationPath(animationPath),
      m_closable(closable)
{
    setObjectName(QStringLiteral("CChaseDialog"));
    setModal(true);
    setAttribute(Qt::WA_StyledBackground);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(10);
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    m_animation = new QLabel(this);
    m_animation->setObjectName(QStringLiteral("CChaseDialogAnimation"));
    m_movie = new QMovie(animationPath, QByteArray(), this);
    if (m_movie->isValid())
        m_animation->setMovie(m_movie);
    else
        m_animation->hide();
    m_text = new QLabel(text, this);
    m_text->setObjectName(QStringLiteral("CChaseDialogText"));
    row->addWidget(m_animation);
    row->addWidget(m_text, 1);
    layout->addLayout(row);
    if (m_closable) {
        m_cancelBtn = new CPushButton(tr("Cancel"), this);
        m_cancelBtn->setObjectName(QStringLiteral("CChaseDialogCancelBtn"));
        layout->addWidget(m_cancelBtn, 0, Qt::AlignRight);
        connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    }
    setMinimumWidth(240);
}

CChaseDialog::~CChaseDialog() = default;

QString CChaseDialog::GetText() const
{
    return m_text->text();
}

int CChaseDialog::exec()
{
    Responder responder;
    {
        ChaseState &s = state();
        QMutexLocker lock(&s.mutex);
        s.history.append(GetText());
        responder = s.responder;
    }
    // The work may have finished before the dialog got to run.
    if (m_stopped)
        return QDialog::Accepted;
    if (responder) {
        if (responder(GetText())) {
            m_stopped = true;
            return QDialog::Accepted;
        }
        QEventLoop loop;
        m_unseenLoop = &loop;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        m_unseenLoop = nullptr;
        return m_stopped ? QDialog::Accepted : QDialog::Rejected;
    }
    if (m_movie->isValid())
        m_movie->start();
    const int result = QDialog::exec();
    m_movie->stop();
    return m_stopped ? QDialog::Accepted : result;
}

void CChaseDialog::reject()
{
    // Escape and the window's close land here; only a closable chase ends.
    if (!m_closable && !m_stopped)
        return;
    if (m_unseenLoop)
        m_unseenLoop->quit();
    QDialog::reject();
}

void CChaseDialog::OnImmediatelyStopChase()
{
    m_stopped = true;
    if (m_unseenLoop)
        m_unseenLoop->quit();
    if (isVisible())
        done(QDialog::Accepted);
}

void CChaseDialog::SetResponder(Responder responder)
{
    ChaseState &s = state();
    QMutexLocker lock(&s.mutex);
    s.responder = std::move(responder);
}

QStringList CChaseDialog::History()
{
    ChaseState &s = state();
    QMutexLocker lock(&s.mutex);
    return s.history;
}

void CChaseDialog::ClearHistory()
{
    ChaseState &s = state();
    QMutexLocker lock(&s.mutex);
    s.history.clear();
}

} // namespace KavrinGUIToolkit
