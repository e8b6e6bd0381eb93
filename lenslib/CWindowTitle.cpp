#include "CWindowTitle.h"

#include "GeometryTools.h"

#include <Widgets.h>

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QSpacerItem>

namespace {

// The pictures are glyphs on a transparent ground: each rule clears the
// face and padding that the application's button style would otherwise
// paint under them, a pale square on the dark bar.
QString pictureButtonStyle(const char *picture, const char *hoverPicture = nullptr)
{
    const QString plain = QStringLiteral("border:none;margin:0;padding:0;background:transparent;");
    QString style =
        QStringLiteral("QPushButton{%1border-image:url(%2);}").arg(plain, QLatin1String(picture));
    if (hoverPicture) {
        style += QStringLiteral("QPushButton:hover{%1border-image:url(%2);}")
                     .arg(plain, QLatin1String(hoverPicture));
    }
    return style;
}

QString minimiseStyle()
{
    return pictureButtonStyle(":/images/title/mini.png", ":/images/title/mini_hover.png");
}

QString closeStyle()
{
    return pictureButtonStyle(":/images/title/close.png", ":/images/title/close_hover.png");
}

// Shows "restore": the window is full screen or maximised.
QString restoreStyle()
{
    return pictureButtonStyle(":/images/title/back.png", ":/images/title/back_hover.png");
}

// Shows "maximise".
QString maximiseStyle()
{
    return pictureButtonStyle(":/images/title/full-screen.png",
                              ":/images/title/full-screen_hover.png");
}

} // namespace

CWindowTitle::CWindowTitle(QWidget *window) : QWidget(window), m_window(window)
{
    setObjectName(QStringLiteral("CWindowTitle"));

    m_mainLayout = new QHBoxLayout(this);
    m_mainLayout->setSpacing(1);
    m_mainLayout->setContentsMargins(4, 1, 4, 1);
    m_leftLayout = new QHBoxLayout;
    m_leftLayout->setSpacing(1);
    m_rightLayout = new QHBoxLayout;
    m_rightLayout->setSpacing(1);

    m_iconBtn = new KavrinGUIToolkit::CPushButton(this);
    m_iconBtn->setObjectName(QStringLiteral("pBtnTitleIcon"));
    m_iconBtn->setFixedSize(32, 32);
    m_iconBtn->setStyleSheet(pictureButtonStyle(":/images/Pendrik/Cameralens.png"));
    m_iconBtn->setFocusPolicy(Qt::NoFocus);
    m_leftSpacer = new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum);
    m_leftLayout->addWidget(m_iconBtn);
    m_leftLayout->addItem(m_leftSpacer);

    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("pLabelTitle"));
    m_titleLabel->setText(tr("Pendrik"));
    m_titleLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_titleLabel->setStyleSheet(QStringLiteral("color:rgb(255, 255, 255);"));

    m_rightSpacer = new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum);
    m_minBtn = new KavrinGUIToolkit::CPushButton(this);
    m_minBtn->setObjectName(QStringLiteral("pBtnTitleMinimize"));
    m_maxBtn = new KavrinGUIToolkit::CPushButton(this);
    m_maxBtn->setObjectName(QStringLiteral("pBtnTitleMaxRestore"));
    m_closeBtn = new KavrinGUIToolkit::CPushButton(this);
    m_closeBtn->setObjectName(QStringLiteral("pBtnTitleClose"));
    m_rightLayout->addItem(m_rightSpacer);
    for (KavrinGUIToolkit::CPushButton *button : {m_minBtn, m_maxBtn, m_closeBtn}) {
        button->setFixedSize(20, 20);
        button->setFocusPolicy(Qt::ClickFocus);
        m_rightLayout->addWidget(button);
    }

    m_mainLayout->addLayout(m_leftLayout, 1);
    m_mainLayout->addWidget(m_titleLabel, 1);
    m_mainLayout->addLayout(m_rightLayout, 1);

    connect(m_maxBtn, &QPushButton::clicked, this, &CWindowTitle::ChaneMaxSizeOrRestore);
    connect(m_closeBtn, &QPushButton::clicked, this, &CWindowTitle::OnCloseWindow);
    connect(m_minBtn, &QPushButton::clicked, this, &CWindowTitle::showSmall);

    m_minBtn->setStyleSheet(minimiseStyle());
    m_closeBtn->setStyleSheet(closeStyle());
    const bool fullScreen = m_window && m_window->isFullScreen();
    m_maxBtn->setStyleSheet(fullScreen ? restoreStyle() : maximiseStyle());

    setAutoFillBackground(true);
    updateBackground();
}

CWindowTitle::~CWindowTitle() = default;

void CWindowTitle::setMinimizeVisible(bool visible)
{
    m_minBtn->setVisible(visible);
}

void CWindowTitle::updateBackground()
{
    const QPixmap background(QStringLiteral(":/images/title/title_bg.png"));
    if (background.isNull())
        return;
    QPalette pal = palette();
    pal.setBrush(QPalette::Window, QBrush(background.scaled(size(), Qt::IgnoreAspectRatio,
                                                            Qt::SmoothTransformation)));
    setPalette(pal);
}

void CWindowTitle::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The picture is scaled to the bar; a bar laid out after construction
    // would otherwise show a tiled picture of its first size.
    updateBackground();
}

void CWindowTitle::showSmall()
{
    if (m_window)
        m_window->showMinimized();
}

void CWindowTitle::OnCloseWindow()
{
    if (m_window)
        m_window->close();
}

bool CWindowTitle::screenLargeEnough() const
{
    const QScreen *screen = m_window ? m_window->screen() : nullptr;
    if (!screen)
        return false;
    const QSize size = screen->geometry().size();
    return size.width() >= 1024 && size.height() >= 768;
}

void CWindowTitle::ChangSizeToFull()
{
    if (!m_window || !screenLargeEnough())
        return;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return;
    const QRect available = primary->availableGeometry();
    m_window->setMaximumSize(available.size());
    m_window->resize(available.size());
    // The top-left of the free area: (0, 0) unless a task bar lies at the top
    // or on the left, where the window would otherwise start beneath it.
    m_window->move(available.topLeft());
    m_maximised = true;
    m_maxBtn->setStyleSheet(restoreStyle());
}

void CWindowTitle::ChaneMaxSizeOrRestore()
{
    if (!m_window || !screenLargeEnough())
        return;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return;
    const QRect available = primary->availableGeometry();
    if (m_window->width() == available.width() && m_window->height() == available.height()) {
        m_window->setFixedWidth(1024);
        m_window->setFixedHeight(768);
        m_window->move(available.left() + available.width() / 2 - 512,
                       available.top() + available.height() / 2 - 384);
        m_maxBtn->setStyleSheet(maximiseStyle());
        m_maximised = false;
        return;
    }
    ChangSizeToFull();
}

void CWindowTitle::mousePressEvent(QMouseEvent *event)
{
    if (!m_window || m_window->isFullScreen())
        return;
    m_dragging = 1;
    m_pressGlobal = event->globalPosition().toPoint();
    // Where the window was grabbed, relative to the window itself, so the
    // same point stays under the cursor while it moves.
    m_pressOffset = m_window->mapFromGlobal(m_pressGlobal);
}

void CWindowTitle::mouseMoveEvent(QMouseEvent *event)
{
    if (m_maximised || !m_dragging || !m_window)
        return;
    const QPoint cursor = pendrik::constrainToAvailable(event->globalPosition().toPoint());
    m_window->move(pendrik::pointDifference(cursor, m_pressOffset));
}

void CWindowTitle::mouseReleaseEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    m_dragging = 0;
}

void CWindowTitle::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    ChaneMaxSizeOrRestore();
}
