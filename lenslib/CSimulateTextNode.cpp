#include "CSimulateTextNode.h"

#include <QFont>
#include <QPainter>

#include <cmath>

namespace pendrik {

QString degreeSignText()
{
    return QString(kDegreeSign);
}

} // namespace pendrik

namespace {

const QColor kTextColour(96, 145, 165);

} // namespace

CSimulateTextNode::CSimulateTextNode(QWidget *parent) : QFrame(parent)
{
    resize(35, 13);
    // The node sits over a drawing whose handles must stay draggable.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

CSimulateTextNode::~CSimulateTextNode() = default;

void CSimulateTextNode::setValue(double value)
{
    if (!std::isfinite(value)) {
        m_strValue = QStringLiteral("--");
    } else if (value > 1000) {
        // Printed from the truncated double, so widths far beyond the range
        // of an int still show their digits.
        m_strValue = QString::number(std::trunc(value), 'f', 0);
    } else {
        m_strValue = QString::asprintf("%.1f", value);
    }
}

void CSimulateTextNode::setValue(int value)
{
    m_strValue = QString::number(value);
}

void CSimulateTextNode::setUnit(const QString &unit)
{
    m_strUnit = unit;
}

void CSimulateTextNode::setText(const QString &text)
{
    m_strValue = text;
}

void CSimulateTextNode::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    QFont font;
    font.setBold(false);
    font.setPointSize(9);
    painter.setFont(font);
    painter.setPen(kTextColour);
    painter.drawText(QRect(0, 0, width(), height()), Qt::AlignCenter, m_strValue);

    // "--" stands for no value, which has no unit.
    if (m_strUnit == pendrik::degreeSignText() && m_strValue != QLatin1String("--")) {
        font.setPointSize(10);
        painter.setFont(font);
        painter.drawText(QRect(width() * 2 / 3 - 10, 0, 20, height()), Qt::AlignCenter, m_strUnit);
    }
}
