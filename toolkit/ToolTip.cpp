#include "ToolTip.h"

#include "TipPlacement.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace KavrinGUIToolkit {

namespace {

class TipLabel : public QLabel
{
public:
    // In a window with no free place beside the field, a tip stands over a
    // field next to the one it speaks of: the window system hands every
    // click on it to the window below, so the planner's next click reaches
    // that field. X11 keeps a tip on top of every window anyway; asking for
    // that here spares the tip's window from being made anew when it first
    // shows, which would lose its pass-through.
    TipLabel()
        : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                              Qt::WindowTransparentForInput | Qt::WindowStaysOnTopHint)
    {
        setObjectName(QStringLiteral("CToolTip"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setMargin(4);
        setWordWrap(false);
        setStyleSheet(QStringLiteral("QLabel#CToolTip { background: #fff8dc; color: #3a1010;"
                                     " border: 1px solid #8b1a1a; }"));
        m_hideTimer.setSingleShot(true);
        QObject::connect(&m_hideTimer, &QTimer::timeout, this, [this] { hide(); });
        m_leaveTimer.setInterval(200);
        QObject::connect(&m_leaveTimer, &QTimer::timeout, this, [this] {
            if (!m_area || !m_area->isVisible() ||
                !m_rect.contains(m_area->mapFromGlobal(QCursor::pos())))
                hide();
        });
    }

    void showTip(const QPoint &pos, const QString &text, QWidget *area, const QRect &rect)
    {
        setText(text);
        adjustSize();
        move(placeTip(pos, size(), this));
        m_last = pos;
        m_area = area;
        m_rect = rect;
        show();
        raise();
        m_hideTimer.start(qBound(4000, 40 * int(text.size()) + 3000, 10000));
        if (m_area && !m_rect.isNull())
            m_leaveTimer.start();
        else
            m_leaveTimer.stop();
    }

    void hideTip()
    {
        m_hideTimer.stop();
        m_leaveTimer.stop();
        hide();
    }

    QPoint m_last;

private:
    QTimer m_hideTimer;
    QTimer m_leaveTimer;
    QPointer<QWidget> m_area;
    QRect m_rect;
};

QPointer<TipLabel> &tipHolder()
{
    static QPointer<TipLabel> tip;
    return tip;
}

QFont &tipFont()
{
    static QFont font;
    return font;
}

bool &fontSet()
{
    static bool set = false;
    return set;
}

TipLabel *tip()
{
    QPointer<TipLabel> &holder = tipHolder();
    if (!holder && qobject_cast<QApplication *>(QCoreApplication::instance())) {
        holder = new TipLabel;
        // The tip has no parent; it goes with the application.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, holder.data(),
                         &QObject::deleteLater);
    }
    if (holder && fontSet())
        holder->setFont(tipFont());
    return holder.data();
}

} // namespace

void CToolTip::ShowText(const QPoint &globalPos, const QString &text, QWidget *widget)
{
    ShowText(globalPos, text, widget, QRect());
}

void CToolTip::ShowText(const QPoint &globalPos, const QString &text, QWidget *widget,
                        const QRect &rect)
{
    TipLabel *t = tip();
    if (!t)
        return;
    if (text.isEmpty()) {
        t->hideTip();
        return;
    }
    t->showTip(globalPos, text, widget, rect);
}

void CToolTip::HideTipImmediately()
{
    if (TipLabel *t = tipHolder().data())
        t->hideTip();
}

void CToolTip::SetFont(const QFont &font)
{
    tipFont() = font;
    fontSet() = true;
    if (TipLabel *t = tipHolder().data())
        t->setFont(font);
}

QFont CToolTip::Font()
{
    return fontSet() ? tipFont() : QApplication::font();
}

QString CToolTip::CurrentText()
{
    TipLabel *t = tipHolder().data();
    return (t && t->isVisible()) ? t->text() : QString();
}

bool CToolTip::IsShowing()
{
    TipLabel *t = tipHolder().data();
    return t && t->isVisible();
}

QPoint CToolTip::LastPosition()
{
    TipLabel *t = tipHolder().data();
    return t ? t->m_last : QPoint();
}

} // namespace KavrinGUIToolkit
