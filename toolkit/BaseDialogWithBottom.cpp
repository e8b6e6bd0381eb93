#include "BaseDialogWithBottom.h"

#include "ToolkitLogging.h"
#include "Widgets.h"

#include <QBoxLayout>
#include <QMetaMethod>

namespace KavrinGUIToolkit {

namespace {

// "2clicked()" (SIGNAL()), "1onConfirm()" (SLOT()) or plain "clicked()".
QByteArray signatureOf(const char *text)
{
    QByteArray sig(text ? text : "");
    if (!sig.isEmpty() && (sig.at(0) == '0' || sig.at(0) == '1' || sig.at(0) == '2'))
        sig.remove(0, 1);
    return QMetaObject::normalizedSignature(sig.constData());
}

} // namespace

CBaseDialogWithBottom::CBaseDialogWithBottom(QWidget *parent) : CBaseDialog(parent)
{
    m_bottom = new QWidget(this);
    m_bottom->setObjectName(QStringLiteral("CBaseDialogBottom"));
    m_bottom->setAttribute(Qt::WA_StyledBackground);
    auto *row = new QHBoxLayout(m_bottom);
    row->setContentsMargins(12, 8, 12, 10);
    row->setSpacing(10);
    row->addStretch(1);
    m_confirmBtn = new CPushButton(tr("Confirm"), m_bottom);
    m_confirmBtn->setObjectName(QStringLiteral("CBaseDialogConfirmBtn"));
    m_confirmBtn->setMinimumWidth(80);
    m_confirmBtn->setDefault(true);
    m_cancelBtn = new CPushButton(tr("Cancel"), m_bottom);
    m_cancelBtn->setObjectName(QStringLiteral("CBaseDialogCancelBtn"));
    m_cancelBtn->setMinimumWidth(80);
    m_cancelBtn->setAutoDefault(false);
    row->addWidget(m_confirmBtn);
    row->addWidget(m_cancelBtn);
    if (auto *outer = qobject_cast<QBoxLayout *>(layout()))
        outer->addWidget(m_bottom);

    connect(m_confirmBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

CBaseDialogWithBottom::~CBaseDialogWithBottom() = default;

void CBaseDialogWithBottom::SetConfirmBtnText(const QString &text)
{
    m_confirmBtn->setText(text);
}

void CBaseDialogWithBottom::SetCancelBtnText(const QString &text)
{
    m_cancelBtn->setText(text);
}

void CBaseDialogWithBottom::SetCancelBtnVisible(bool visible)
{
    m_cancelBtn->setVisible(visible);
}

bool CBaseDialogWithBottom::ReConnect(QObject *sender, const char *signal, QObject *receiver,
                                      const char *method, Qt::ConnectionType type)
{
    if (!sender || !receiver) {
        qCWarning(lcToolkit) << "[CBaseDialogWithBottom::ReConnect] no sender or receiver";
        return false;
    }
    const QByteArray signalSig = signatureOf(signal);
    const QByteArray methodSig = signatureOf(method);
    const QMetaObject *smo = sender->metaObject();
    const QMetaObject *rmo = receiver->metaObject();
    const int si = smo->indexOfSignal(signalSig.constData());
    const int mi = rmo->indexOfMethod(methodSig.constData());
    if (si < 0 || mi < 0 ||
        !QMetaObject::checkConnectArgs(signalSig.constData(), methodSig.constData())) {
        qCWarning(lcToolkit) << "[CBaseDialogWithBottom::ReConnect] cannot connect" << signalSig
                             << "to" << methodSig;
        return false;
    }
    const QMetaMethod signalMethod = smo->method(si);
    const QMetaMethod slotMethod = rmo->method(mi);
    QObject::disconnect(sender, signalMethod, nullptr, QMetaMethod());
    return bool(QObject::connect(sender, signalMethod, receiver, slotMethod, type));
}

} // namespace KavrinGUIToolkit
