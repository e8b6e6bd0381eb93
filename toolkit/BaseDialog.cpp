#include "BaseDialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QVBoxLayout>

namespace KavrinGUIToolkit {

namespace {

// A button that draws a glyph while its text says what it does: programs
// built on the toolkit may show a button's text as its tool tip, and screen
// readers read the text too, so neither gets a bare cross.
class GlyphButton : public QPushButton
{
public:
    GlyphButton(const QString &glyph, QWidget *parent) : QPushButton(parent), m_glyph(glyph) {}

protected:
    void initStyleOption(QStyleOptionButton *option) const override
    {
        QPushButton::initStyleOption(option);
        option->text = m_glyph;
    }

private:
    QString m_glyph;
};

} // namespace

CBaseDialog::CBaseDialog(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::Dialog);
    setObjectName(QStringLiteral("CBaseDialog"));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(1, 1, 1, 1);
    outer->setSpacing(0);

    m_titleBar = new QWidget(this);
    m_titleBar->setObjectName(QStringLiteral("CBaseDialogTitle"));
    m_titleBar->setAttribute(Qt::WA_StyledBackground);
    m_titleBar->setFixedHeight(30);
    auto *titleLayout = new QHBoxLayout(m_titleBar);
    titleLayout->setContentsMargins(10, 0, 4, 0);
    m_titleLabel = new QLabel(m_titleBar);
    m_titleLabel->setObjectName(QStringLiteral("CBaseDialogTitleText"));
    m_closeBtn = new GlyphButton(QStringLiteral("\u00D7"), m_titleBar);
    m_closeBtn->setObjectName(QStringLiteral("CBaseDialogCloseBtn"));
    m_closeBtn->setFixedSize(24, 24);
    m_closeBtn->setFocusPolicy(Qt::NoFocus);
    m_closeBtn->setText(tr("Close"));
    m_closeBtn->setToolTip(tr("Close"));
    titleLayout->addWidget(m_titleLabel, 1);
    titleLayout->addWidget(m_closeBtn);
    connect(m_closeBtn, &QPushButton::clicked, this, &QDialog::reject);
    m_titleBar->installEventFilter(this);

    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("CBaseDialogContent"));
    m_content->setAttribute(Qt::WA_StyledBackground);

    outer->addWidget(m_titleBar);
    outer->addWidget(m_content, 1);
}

CBaseDialog::~CBaseDialog() = default;

void CBaseDialog::SetTitle(const QString &title)
{
    m_titleLabel->setText(title);
    setWindowTitle(title);
}

QString CBaseDialog::GetTitle() const
{
    return m_titleLabel->text();
}

void CBaseDialog::SetCloseBtnVisible(bool visible)
{
    m_closeBtn->setVisible(visible);
}

bool CBaseDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_titleBar) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto *me = static_cast<QMouseEvent *>(event);
            if (me->button() == Qt::LeftButton) {
                m_dragging = true;
                m_dragOffset = me->globalPosition().toPoint() - frameGeometry().topLeft();
            }
            break;
        }
        case QEvent::MouseMove:
            if (m_dragging) {
                auto *me = static_cast<QMouseEvent *>(event);
                move(me->globalPosition().toPoint() - m_dragOffset);
            }
            break;
        case QEvent::MouseButtonRelease:
            m_dragging = false;
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace KavrinGUIToolkit
