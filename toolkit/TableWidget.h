#pragma once

#include "KavrinGUIToolkitExport.h"

#include <QStringList>
#include <QTableView>

class QStandardItemModel;

namespace KavrinGUIToolkit {

/// A read-only one-table list: rows of text cells, whole-row single
/// selection. The current row is read through currentIndex().
class KAVRIN_EXPORT CTableWidget : public QTableView
{
    Q_OBJECT
public:
    explicit CTableWidget(QWidget *parent = nullptr);

    void SetColumnCount(int count);
    void SetHeaderLabels(const QStringList &labels);
    /// Removes every row; the columns and header stay.
    void Clear();
    /// Appends an empty row and returns its index.
    int AddBottomLevelItem();
    void SetText(int row, int column, const QString &text);
    QString GetText(int row, int column) const;
    int RowCount() const;

private:
    QStandardItemModel *m_model;
};

} // namespace KavrinGUIToolkit
