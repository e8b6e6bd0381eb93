#include "ToolTip.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace KavrinGUIToolkit {

namespace {

// Where a tip of @p size stands for the point @p pos on a screen whose free
// area is @p screen. The point is the top-left corner of the field the tip
// speaks of, so the tip goes just above it, its left edge on the field's;
// with no room above, just left of it. Either way the field, below and
// right of the point, stays in sight while the planner reads. Only a field
// in the screen's top-left corner leaves no such place: there the tip goes
// below and right of the point, as Qt's own tips do. The tip never leaves
// the screen.
QPoint placeBeside(const QPoint &pos, const QSize &size, const QRect &screen)
{
    constexpr int gap = 2;
    const int rightmost = qMax(screen.left(), screen.right() + 1 - size.width());
    const int lowest = qMax(screen.top(), screen.bottom() + 1 - size.height());
    const int above = pos.y() - gap - size.height();
    if (above >= screen.top())
        return {qBound(screen.left(), pos.x(), rightmost), above};
    const int left = pos.x() - gap - size.width();
    if (left >= screen.left())
        return {left, qBound(screen.top(), pos.y(), lowest)};
    return {qBound(screen.left(), pos.x() + 2, rightmost),
            qBound(screen.top(), pos.y() + 16, lowest)};
}

class TipLabel : public QLabel
{
public:
    // A tip may stand over a field next to the one it speaks of: the window
    // system hands every click on it to the window below, so the planner's
    // next click reaches that field. X11 keeps a tip on top of every window
    // anyway; asking for that here spares the tip's window from being made
    // anew when it first shows, which would lose its pass-through.
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
        const QScreen *screen = QGuiApplication::screenAt(pos);
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        move(screen ? placeBeside(pos, size(), screen->availableGeometry()) : pos);
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
