#include "WindowTitle.h"

#include "SystemMenu.h"

#include <HBoxLayout.h>
#include <WidgetItem.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QSpacerItem>
#include <QStyle>
#include <QToolButton>

namespace kivui {

namespace {

const char kImages[] = ":/kivui/title/Images/System/Title/";

} // namespace

WindowTitle::WindowTitle(QWidget *parent) : KavrinGUIToolkit::CFancyTitle(parent)
{
    m_labelTitle = new QLabel(this);
    SetOpenDoubleClickEnable(false);
    init();
}

WindowTitle::~WindowTitle() = default;

QToolButton *WindowTitle::makeButton(const QString &objectName, const QString &icon,
                                     const QString &tip, Qt::FocusPolicy focus)
{
    auto *button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setFocusPolicy(focus);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    button->setIconSize(QSize(16, 16));
    if (!icon.isEmpty())
        button->setIcon(QIcon(icon));
    // The application shows a widget's own text as its tool tip, so an icon
    // button carries its tip as its (hidden) text too.
    button->setText(tip);
    button->setToolTip(tip);
    return button;
}

void WindowTitle::init()
{
    setObjectName(QStringLiteral("WindowTitle"));
    setFixedHeight(28);
    // The skin's style sheet gives the bar its look. Without the skin (or
    // with a skin that has no title rule) the bar would take the style's
    // light grey, under which the white glyphs vanish: fill it dark red
    // first; a style sheet that draws the bar paints over this.
    setAutoFillBackground(true);
    QPalette bar = palette();
    bar.setColor(QPalette::Window, QColor(0x8b, 0x1a, 0x1a));
    bar.setColor(QPalette::WindowText, Qt::white);
    bar.setColor(QPalette::Button, QColor(0xa8, 0x30, 0x2f));
    bar.setColor(QPalette::ButtonText, Qt::white);
    setPalette(bar);
    m_labelTitle->setText(tr("Varnel"));
    m_labelTitle->setObjectName(QStringLiteral("m_labelTitle"));

    const QString images = QString::fromLatin1(kImages);
    m_btnIcon = makeButton(QStringLiteral("m_btnIcon"),
                           QStringLiteral(":/kivui/complex/Images/System/Complex/App.png"),
                           QString(), Qt::NoFocus);
    m_btnIcon->setIconSize(QSize(20, 20));
    m_btnMinimize =
        makeButton(QStringLiteral("m_btnMinimize"), images + QStringLiteral("Minimize.png"),
                   tr("Minimize"), Qt::ClickFocus);
    m_btnMaximize =
        makeButton(QStringLiteral("m_btnMaximize"), images + QStringLiteral("Maximize.png"),
                   tr("Maximize"), Qt::ClickFocus);
    m_btnClose = makeButton(QStringLiteral("m_btnClose"), images + QStringLiteral("Close.png"),
                            tr("Close"), Qt::ClickFocus);
    m_btnClose->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    m_systemMenu = new SystemMenu(this);
    m_btnSystemMenu = makeButton(QStringLiteral("m_btnSystemMenu"),
                                 images + QStringLiteral("Menu.png"), tr("Menu"), Qt::ClickFocus);
    m_btnSystemMenu->setMenu(m_systemMenu);
    m_btnSystemMenu->setPopupMode(QToolButton::InstantPopup);

    auto *layout = new KavrinGUIToolkit::CHBoxLayout(this);
    layout->setContentsMargins(1, 0, 4, 0);
    layout->setSpacing(0);
    layout->addWidget(m_btnIcon);
    layout->addItem(new KavrinGUIToolkit::CWidgetItem(m_labelTitle, Qt::AlignLeft));
    layout->addItem(new QSpacerItem(5, 1, QSizePolicy::Fixed, QSizePolicy::Minimum));
    auto *right = new QWidget(this);
    right->setObjectName(QStringLiteral("WindowTitleButtons"));
    auto *rightLayout = new QHBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    rightLayout->addStretch(1);
    rightLayout->addWidget(m_btnSystemMenu);
    rightLayout->addWidget(m_btnMinimize);
    rightLayout->addWidget(m_btnMaximize);
    rightLayout->addWidget(m_btnClose);
    layout->addWidget(right, 1);

    connect(m_btnClose, &QToolButton::clicked, this, &WindowTitle::closeWindow);
    connect(m_btnMinimize, &QToolButton::clicked, this, &WindowTitle::minimizeWindow);
    // Queued: the window changes state after the click has been handled.
    connect(m_btnMaximize, &QToolButton::clicked, this, &WindowTitle::maxOrRestoreWindow,
            Qt::QueuedConnection);
}

void WindowTitle::minimizeWindow()
{
    if (QWidget *window = GetIndependentWindow(this))
        window->showMinimized();
}

void WindowTitle::closeWindow()
{
    if (QWidget *window = GetIndependentWindow(this))
        window->close();
    emit signalCloseApp();
}

void WindowTitle::maxOrRestoreWindow()
{
    QWidget *window = GetIndependentWindow(this);
    if (!window)
        return;
    const QString images = QString::fromLatin1(kImages);
    if (IsMaximized(window)) {
        ShowNormal(window, QSize());
        m_btnMaximize->setObjectName(QStringLiteral("m_btnMaximize"));
        m_btnMaximize->setIcon(QIcon(images + QStringLiteral("Maximize.png")));
        m_btnMaximize->setText(tr("Maximize"));
        m_btnMaximize->setToolTip(tr("Maximize"));
    } else {
        ShowMaximized(window);
        m_btnMaximize->setObjectName(QStringLiteral("m_btnResore"));
        m_btnMaximize->setIcon(QIcon(images + QStringLiteral("Restore.png")));
        m_btnMaximize->setText(tr("Restore"));
        m_btnMaximize->setToolTip(tr("Restore"));
    }
    // Style-sheet rules follow object names only after a new polish.
    m_btnMaximize->style()->unpolish(m_btnMaximize);
    m_btnMaximize->style()->polish(m_btnMaximize);
    m_btnMaximize->update();
}

void WindowTitle::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    QWidget *window = GetIndependentWindow(this);
    if (!window)
        return;
    if (IsFullScreen(window) || IsMaximized(window))
        ShowNormal(window, QSize());
    else
        ShowMaximized(window);
    emit SignalWndSizeStatusChanged();
}

} // namespace kivui
