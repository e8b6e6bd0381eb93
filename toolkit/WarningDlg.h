#pragma once

#include "BaseDialog.h"

#include <QList>
#include <functional>

class QLabel;
class QPushButton;

namespace KavrinGUIToolkit {

/// The toolkit's message box: a plain message with "OK", or a question with
/// "OK" and "Cancel".
class KAVRIN_EXPORT CWarningDlg : public CBaseDialog
{
    Q_OBJECT
public:
    explicit CWarningDlg(QWidget *parent = nullptr, bool question = false);
    ~CWarningDlg() override;

    void SetMessage(const QString &title, const QString &text);
    QString GetMessage() const;

    /// Shows a modal message. The result is 1 once it was dismissed.
    static int ShowMessageInfo(const QString &title, const QString &text,
                               QWidget *parent = nullptr);
    /// Asks a question; 1 when the user confirms, 0 otherwise.
    static int CheckMessageInfo(const QString &title, const QString &text,
                                QWidget *parent = nullptr);

    /// One message as it was shown.
    struct Shown
    {
        QString title;
        QString text;
        bool question = false;
    };
    /// Answers messages without showing them (automated runs). The responder
    /// gets each message and returns the answer (1 confirm, 0 cancel). An
    /// empty function restores the real dialog.
    using Responder = std::function<int(const Shown &)>;
    static void SetResponder(Responder responder);
    /// Every message shown since the last ClearHistory(), oldest first.
    static QList<Shown> History();
    static void ClearHistory();

private:
    static int run(const QString &title, const QString &text, QWidget *parent, bool question);

    QLabel *m_icon = nullptr;
    QLabel *m_text = nullptr;
    QPushButton *m_okBtn = nullptr;
    QPushButton *m_cancelBtn = nullptr;
};

} // namespace KavrinGUIToolkit
