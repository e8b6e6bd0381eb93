#include "HeaderView.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionHeader>

namespace KavrinGUIToolkit {

CHeaderView::CHeaderView(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent)
{
    setSectionsClickable(true);
    setSectionsMovable(false);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(this, &QHeaderView::sectionClicked, this, &CHeaderView::onSectionClicked);
    connect(this, &QHeaderView::sectionResized, this, [this](int logicalIndex) {
        if (logicalIndex != m_fillSection)
            fitFillSection();
    });
    connect(this, &QHeaderView::sectionCountChanged, this, &CHeaderView::fitFillSection);
}

CHeaderView::~CHeaderView() = default;

void CHeaderView::setModel(QAbstractItemModel *newModel)
{
    if (m_dataChanged)
        disconnect(m_dataChanged);
    QHeaderView::setModel(newModel);
    if (newModel)
        m_dataChanged =
            connect(newModel, &QAbstractItemModel::dataChanged, this, &CHeaderView::onDataChanged);
}

void CHeaderView::SetFillSection(int logicalIndex, int minimumWidth)
{
    m_fillSection = logicalIndex;
    m_fillMinimum = minimumWidth;
    fitFillSection();
}

void CHeaderView::resizeEvent(QResizeEvent *event)
{
    QHeaderView::resizeEvent(event);
    fitFillSection();
}

void CHeaderView::fitFillSection()
{
    if (m_fitting || m_fillSection < 0 || m_fillSection >= count() ||
        orientation() != Qt::Horizontal)
        return;
    m_fitting = true;
    int others = 0;
    for (int i = 0; i < count(); ++i) {
        if (i != m_fillSection && !isSectionHidden(i))
            others += sectionSize(i);
    }
    resizeSection(m_fillSection, qMax(m_fillMinimum, viewport()->width() - others));
    m_fitting = false;
}

bool CHeaderView::HasCheckBox(int logicalIndex) const
{
    return model() && model()->headerData(logicalIndex, orientation(), HeaderCheckBoxRole).toBool();
}

Qt::CheckState CHeaderView::CheckState(int logicalIndex) const
{
    if (!model())
        return Qt::Unchecked;
    return Qt::CheckState(
        model()->headerData(logicalIndex, orientation(), Qt::CheckStateRole).toInt());
}

int CHeaderView::checkBoxWidth() const
{
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) + 6;
}

void CHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!HasCheckBox(logicalIndex)) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    initStyleOptionForIndex(&opt, logicalIndex);
    opt.rect = rect;
    painter->save();
    style()->drawControl(QStyle::CE_HeaderSection, &opt, painter, this);

    QStyleOptionButton box;
    box.initFrom(this);
    const int w = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    const int h = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    box.rect = QRect(rect.x() + 4, rect.y() + (rect.height() - h) / 2, w, h);
    switch (CheckState(logicalIndex)) {
    case Qt::Checked:
        box.state |= QStyle::State_On;
        break;
    case Qt::PartiallyChecked:
        box.state |= QStyle::State_NoChange;
        break;
    default:
        box.state |= QStyle::State_Off;
        break;
    }
    box.state |= QStyle::State_Enabled;
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, this);

    opt.rect = rect.adjusted(checkBoxWidth(), 0, 0, 0);
    style()->drawControl(QStyle::CE_HeaderLabel, &opt, painter, this);
    painter->restore();
}

QSize CHeaderView::sectionSizeFromContents(int logicalIndex) const
{
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    if (HasCheckBox(logicalIndex))
        size.rwidth() += checkBoxWidth();
    return size;
}

template <typename Fn> void CHeaderView::forEachCheckable(int logicalIndex, Fn fn) const
{
    QAbstractItemModel *m = model();
    if (!m || orientation() != Qt::Horizontal)
        return;
    // Depth-first over the rows, so tree models tick their children too.
    QList<QModelIndex> parents{QModelIndex()};
    while (!parents.isEmpty()) {
        const QModelIndex parent = parents.takeLast();
        const int rows = m->rowCount(parent);
        for (int row = 0; row < rows; ++row) {
            const QModelIndex cell = m->index(row, logicalIndex, parent);
            const Qt::ItemFlags f = m->flags(cell);
            if ((f & Qt::ItemIsUserCheckable) && (f & Qt::ItemIsEnabled))
                fn(cell);
            const QModelIndex first = m->index(row, 0, parent);
            if (m->hasChildren(first))
                parents.append(first);
        }
    }
}

void CHeaderView::onSectionClicked(int logicalIndex)
{
    if (!m_autoCheck || !HasCheckBox(logicalIndex))
        return;
    const Qt::CheckState next =
        CheckState(logicalIndex) == Qt::Checked ? Qt::Unchecked : Qt::Checked;
    m_updating = true;
    model()->setHeaderData(logicalIndex, orientation(), next, Qt::CheckStateRole);
    forEachCheckable(logicalIndex, [this, next](const QModelIndex &cell) {
        if (cell.data(Qt::CheckStateRole).toInt() != next)
            model()->setData(cell, next, Qt::CheckStateRole);
    });
    m_updating = false;
    viewport()->update();
}

void CHeaderView::onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                const QList<int> &roles)
{
    if (!m_autoCheck || m_updating || orientation() != Qt::Horizontal)
        return;
    if (!roles.isEmpty() && !roles.contains(Qt::CheckStateRole))
        return;
    for (int section = topLeft.column(); section <= bottomRight.column(); ++section) {
        if (HasCheckBox(section))
            recount(section);
    }
}

void CHeaderView::recount(int logicalIndex)
{
    int cells = 0;
    int ticked = 0;
    forEachCheckable(logicalIndex, [&](const QModelIndex &cell) {
        ++cells;
        if (cell.data(Qt::CheckStateRole).toInt() == Qt::Checked)
            ++ticked;
    });
    if (cells == 0)
        return;
    const Qt::CheckState state = ticked == 0       ? Qt::Unchecked
                                 : ticked == cells ? Qt::Checked
                                                   : Qt::PartiallyChecked;
    if (state == CheckState(logicalIndex))
        return;
    m_updating = true;
    model()->setHeaderData(logicalIndex, orientation(), state, Qt::CheckStateRole);
    m_updating = false;
    viewport()->update();
}

} // namespace KavrinGUIToolkit
