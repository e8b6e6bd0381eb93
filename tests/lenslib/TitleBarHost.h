#pragma once

#include <CWindowTitle.h>

#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

/// A frameless window with the lens library's title bar on top, as the
/// library's main window has it.
class TitleBarHost
{
public:
    explicit TitleBarHost(const QSize &size = QSize(1024, 768), const QPoint &at = QPoint(50, 60))
        : m_window(nullptr, Qt::Window | Qt::FramelessWindowHint)
    {
        auto *layout = new QVBoxLayout(&m_window);
        layout->setContentsMargins(0, 0, 0, 0);
        m_title = new CWindowTitle(&m_window);
        layout->addWidget(m_title);
        layout->addStretch(1);
        m_window.resize(size);
        m_window.move(at);
        m_window.show();
    }

    QWidget &window() { return m_window; }
    CWindowTitle *title() { return m_title; }
    QPushButton *button(const char *name)
    {
        return m_title->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    QPushButton *maxButton() { return button("pBtnTitleMaxRestore"); }

    /// A move with the left button held, as during a drag.
    void dragTo(const QPoint &global)
    {
        QMouseEvent move(QEvent::MouseMove, m_title->mapFromGlobal(global), global, Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_title, &move);
    }

private:
    QWidget m_window;
    CWindowTitle *m_title = nullptr;
};
