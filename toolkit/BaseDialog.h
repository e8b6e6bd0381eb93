#pragma once

#include "KavrinGUIToolkitExport.h"

#include <QDialog>
#include <QPoint>

class QLabel;
class QPushButton;

namespace KavrinGUIToolkit {

/// A frameless modal dialog with its own title bar (title text and a close
/// button) above a content widget on which the caller builds its form.
/// The title bar drags the dialog.
class KAVRIN_EXPORT CBaseDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CBaseDialog(QWidget *parent = nullptr);
    ~CBaseDialog() override;

    void SetTitle(const QString &title);
    QString GetTitle() const;
    void SetCloseBtnVisible(bool visible);
    /// The content widget that takes the dialog's form.
    QWidget *GetSetUpUiWidget() const { return m_content; }
    QWidget *GetTitleWidget() const { return m_titleBar; }
    QPushButton *GetCloseBtn() const { return m_closeBtn; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_titleBar = nullptr;
    QLabel *m_titleLabel = nullptr;
    QPushButton *m_closeBtn = nullptr;
    QWidget *m_content = nullptr;
    QPoint m_dragOffset;
    bool m_dragging = false;
};

} // namespace KavrinGUIToolkit
