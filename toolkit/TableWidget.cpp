#include "TableWidget.h"

#include <QHeaderView>
#include <QStandardItemModel>

namespace KavrinGUIToolkit {

CTableWidget::CTableWidget(QWidget *parent)
    : QTableView(parent), m_model(new QStandardItemModel(this))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setStretchLastSection(true);
    setWordWrap(false);
}

void CTableWidget::SetColumnCount(int count)
{
    m_model->setColumnCount(count);
}

void CTableWidget::SetHeaderLabels(const QStringList &labels)
{
    if (m_model->columnCount() < labels.size())
        m_model->setColumnCount(int(labels.size()));
    m_model->setHorizontalHeaderLabels(labels);
}

void CTableWidget::Clear()
{
    m_model->removeRows(0, m_model->rowCount());
}

int CTableWidget::AddBottomLevelItem()
{
    const int row = m_model->rowCount();
    m_model->insertRow(row);
    return row;
}

void CTableWidget::SetText(int row, int column, const QString &text)
{
    if (row < 0 || row >= m_model->rowCount() || column < 0 || column >= m_model->columnCount())
        return;
    auto *item = new QStandardItem(text);
    item->setToolTip(text);
    item->setEditable(false);
    m_model->setItem(row, column, item);
}

QString CTableWidget::GetText(int row, int column) const
{
    const QStandardItem *item = m_model->item(row, column);
    return item ? item->text() : QString();
}

int CTableWidget::RowCount() const
{
    return m_model->rowCount();
}

} // namespace KavrinGUIToolkit
