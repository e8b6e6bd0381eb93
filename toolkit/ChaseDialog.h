#pragma once

#include "KavrinGUIToolkitExport.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QEventLoop;
class QLabel;
class QMovie;
class QPushButton;

namespace KavrinGUIToolkit {

/// A modal busy dialog: an animation and a text while work runs elsewhere
/// (typically a worker thread whose finished signal is connected to
/// OnImmediatelyStopChase()). exec() returns QDialog::Accepted once the chase
/// is stopped, also when the stop came before exec() started.
///
/// Unless @p closable, the planner cannot end it early: Escape and the
/// window's close are ignored. A closable dialog shows a Cancel button and
/// ends with QDialog::Rejected when it is used.
class KAVRIN_EXPORT CChaseDialog : public QDialog
{
    Q_OBJECT
public:
    CChaseDialog(QWidget *parent, const QString &animationPath, const QString &text,
                 bool closable = false);
    ~CChaseDialog() override;
    Q_DISABLE_COPY_MOVE(CChaseDialog)

    int exec() override;
    void reject() override;

    QString GetText() const;
    QString GetAnimationPath() const { return m_animationPath; }
    bool IsStopped() const { return m_stopped; }

    /// Runs busy dialogs without showing them (automated runs). The responder
    /// gets the dialog's text and returns true to end it at once, false to
    /// wait, unseen, for OnImmediatelyStopChase(). An empty function restores
    /// the real dialog.
    using Responder = std::function<bool(const QString &text)>;
    static void SetResponder(Responder responder);
    /// The texts of the busy dialogs run since the last ClearHistory().
    static QStringList History();
    static void ClearHistory();

public slots:
    void OnImmediatelyStopChase();

private:
    QString m_animationPath;
    QMovie *m_movie = nullptr;
    QLabel *m_animation = nullptr;
    QLabel *m_text = nullptr;
    QPushButton *m_cancelBtn = nullptr;
    QEventLoop *m_unseenLoop = nullptr;
    bool m_closable;
    bool m_stopped = false;
};

} // namespace KavrinGUIToolkit
