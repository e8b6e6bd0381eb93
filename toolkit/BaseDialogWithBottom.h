#pragma once

#include "BaseDialog.h"

#include <QObject>

#include <type_traits>
#include <utility>

class QPushButton;

namespace KavrinGUIToolkit {

/// CBaseDialog with a bottom row holding a confirm and a cancel button. The
/// confirm button accepts the dialog until ReConnect() hands its click to
/// the dialog's own slot, which checks the input and calls accept() only when
/// it is good; so exec() gives 1 only after accept(). Cancel and the title
/// bar's close button reject.
class KAVRIN_EXPORT CBaseDialogWithBottom : public CBaseDialog
{
    Q_OBJECT
public:
    explicit CBaseDialogWithBottom(QWidget *parent = nullptr);
    ~CBaseDialogWithBottom() override;

    QPushButton *GetConfirmBtn() const { return m_confirmBtn; }
    QPushButton *GetCancelBtn() const { return m_cancelBtn; }
    void SetConfirmBtnText(const QString &text);
    void SetCancelBtnText(const QString &text);
    void SetCancelBtnVisible(bool visible);

    /// Disconnects every receiver of @p signal of @p sender, then connects it
    /// to @p method of @p receiver. Both are signature texts such as
    /// "clicked()" and "onConfirm()" (SIGNAL()/SLOT() texts are taken too).
    /// Nothing changes, and the result is false, when either is unknown or
    /// their arguments do not fit.
    static bool ReConnect(QObject *sender, const char *signal, QObject *receiver,
                          const char *method, Qt::ConnectionType type = Qt::AutoConnection);

    /// The same for a signal given as a pointer to member and any slot
    /// (member, function or functor), checked by the compiler.
    template <typename Sender, typename Signal, typename Receiver, typename Slot,
              typename = std::enable_if_t<!std::is_convertible_v<Signal, const char *>>>
    static QMetaObject::Connection ReConnect(Sender *sender, Signal signal,
                                             const Receiver *receiver, Slot slot,
                                             Qt::ConnectionType type = Qt::AutoConnection)
    {
        QObject::disconnect(sender, signal, nullptr, nullptr);
        return QObject::connect(sender, signal, receiver, std::move(slot), type);
    }

private:
    QWidget *m_bottom = nullptr;
    QPushButton *m_confirmBtn = nullptr;
    QPushButton *m_cancelBtn = nullptr;
};

} // namespace KavrinGUIToolkit
