#include "AttributeFrame.h"

#include "WidgetsLogging.h"

#include <QLabel>
#include <QPushButton>

namespace kivui {

namespace {

const char kEditSheet[] =
    "QPushButton#m_editButton{\tborder-image:url(:/kivui/complex/Images/System/Complex/"
    "edit.png);}QPushButton:hover#m_editButton{\tborder-image:url(:/kivui/complex/Images/"
    "System/Complex/editSel.png);}QPushButton:pressed#m_editButton{\tborder-image:url(:/kivui/"
    "complex/Images/System/Complex/edit.png);}";
const char kClearSheet[] =
    "QPushButton#m_clearButton{\tborder-image:url(:/kivui/complex/Images/System/Complex/"
    "delete.png);}QPushButton:hover#m_clearButton{\tborder-image:url(:/kivui/complex/Images/"
    "System/Complex/deleteSel.png);}QPushButton:pressed#m_clearButton{\tborder-image:url(:/"
    "kivui/complex/Images/System/Complex/delete.png);}";

constexpr int kButtonSize = 16;
constexpr int kButtonTop = 5;
constexpr int kLabelTop = kButtonTop + 21;

} // namespace

AttributeFrame::AttributeFrame(QWidget *parent) : QFrame(parent)
{
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("m_attributeLabel"));
    m_clearButton = new QPushButton(this);
    m_editButton = new QPushButton(this);
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_label->setStyleSheet(QStringLiteral("font: 8pt"));

    connect(m_editButton, &QPushButton::clicked, this, &AttributeFrame::signalEdit);
    connect(m_clearButton, &QPushButton::clicked, this, &AttributeFrame::signalClear);

    m_editButton->setObjectName(QStringLiteral("m_editButton"));
    m_clearButton->setObjectName(QStringLiteral("m_clearButton"));
    m_editButton->setStyleSheet(QString::fromLatin1(kEditSheet));
    m_clearButton->setStyleSheet(QString::fromLatin1(kClearSheet));
    m_editButton->setFixedSize(kButtonSize, kButtonSize);
    m_clearButton->setFixedSize(kButtonSize, kButtonSize);
    m_editButton->setCursor(Qt::PointingHandCursor);
    m_clearButton->setCursor(Qt::PointingHandCursor);
}

AttributeFrame::~AttributeFrame() = default;

void AttributeFrame::setAttribute(const QString &name, int count)
{
    m_name = name;
    m_count = count;
    m_label->setText(name + QStringLiteral(" X") + QString::number(count));
}

void AttributeFrame::clear()
{
    m_label->clear();
}

QString AttributeFrame::text() const
{
    return m_label->text();
}

void AttributeFrame::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_clearButton->move(w - kButtonSize, kButtonTop);
    m_editButton->move(w - 2 * kButtonSize, kButtonTop);
    m_label->move(0, kLabelTop);
    m_label->setFixedHeight(qMax(0, h - kLabelTop - 1));
    m_label->setFixedWidth(w);
    qCDebug(lcWidgets).noquote() << "attribute:" << m_label->text();
}

} // namespace kivui
