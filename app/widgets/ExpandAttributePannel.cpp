#include "ExpandAttributePannel.h"

#include "AttributeFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kivui {

namespace {

const char kDisplaySheet[] =
    "QFrame#m_displayFrame{border-image:url(:/kivui/complex/Images/System/Complex/Supportbg.png)"
    " 1 1 1 1;border-width:1px 1px 1px 1px;}";
const char kAddSheet[] =
    "QPushButton#m_addButton{\tborder-image:url(:/kivui/complex/Images/System/Complex/"
    "addSupport.png) 1 1 1 1;   border-width:1px 1px 1px 1px;}QPushButton:hover#m_addButton{\t"
    "border-image:url(:/kivui/complex/Images/System/Complex/addSupportSel.png) 1 1 1 1;   "
    "border-width:1px 1px 1px 1px;}QPushButton:pressed#m_addButton{\tborder-image:url(:/kivui/"
    "complex/Images/System/Complex/addSupport.png) 1 1 1 1;   border-width:1px 1px 1px 1px;}";

constexpr int kTitleHeight = 35;

} // namespace

ExpandAttributePannel::ExpandAttributePannel(QWidget *parent) : QWidget(parent)
{
    m_displayFrame = new QFrame(this);
    m_displayFrame->setObjectName(QStringLiteral("m_displayFrame"));
    m_attribute = new AttributeFrame(m_displayFrame);
    m_addButton = new QPushButton(m_displayFrame);
    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("m_titleLabel"));

    auto *display = new QHBoxLayout(m_displayFrame);
    display->setContentsMargins(0, 0, 0, 0);
    display->addWidget(m_addButton);
    display->addWidget(m_attribute);
    m_addButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_titleLabel->setFixedHeight(kTitleHeight);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_displayFrame);
    column->addWidget(m_titleLabel);

    m_attribute->hide();
    m_addButton->show();

    connect(m_attribute, &AttributeFrame::signalClear, this,
            &ExpandAttributePannel::clearAttribute);
    connect(m_addButton, &QPushButton::clicked, this, &ExpandAttributePannel::signalAdd);
    connect(m_attribute, &AttributeFrame::signalEdit, this, &ExpandAttributePannel::editSignal);

    m_titleLabel->resize(width(), kTitleHeight);
    m_titleLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    m_titleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_titleLabel->setStyleSheet(QStringLiteral("font: 10pt;"));
    m_addButton->setObjectName(QStringLiteral("m_addButton"));
    m_addButton->setStyleSheet(QString::fromLatin1(kAddSheet));
    m_addButton->setCursor(Qt::PointingHandCursor);
    m_displayFrame->setStyleSheet(QString::fromLatin1(kDisplaySheet));
}

ExpandAttributePannel::~ExpandAttributePannel() = default;

void ExpandAttributePannel::setTitle(const QString &title)
{
    if (title.isEmpty())
        return;
    m_titleLabel->setText(title);
}

QString ExpandAttributePannel::title() const
{
    return m_titleLabel->text();
}

void ExpandAttributePannel::setAttribute(const QString &name, int count)
{
    if (name.isEmpty())
        return;
    m_attribute->setAttribute(name, count);
    m_attribute->show();
    m_addButton->hide();
}

bool ExpandAttributePannel::hasAttribute() const
{
    return !m_attribute->isHidden();
}

void ExpandAttributePannel::clearAttribute()
{
    m_attribute->clear();
    m_addButton->show();
    m_attribute->hide();
    emit signalClear();
}

} // namespace kivui
