#pragma once

#include "RecordCell.h"

#include <QWidget>

#include <vector>

namespace kivui {

/// The 24-hour strip on which a device's record plan is painted: a row of
/// hour numbers 1 to 24 over one coloured cell per hour. A click on a cell,
/// or a drag along the cells, gives them the current type. Cells are squares
/// of width / 24 pixels; the owner gives the widget its size.
class RecordWidget : public QWidget
{
    Q_OBJECT
public:
    /// Hours of a plan, and so cells of the strip.
    static constexpr int kHours = 24;

    explicit RecordWidget(QWidget *parent = nullptr);
    ~RecordWidget() override;
    Q_DISABLE_COPY_MOVE(RecordWidget)

    /// The type that later clicks and drags give (0, 1 or 2).
    void setCurrentType(int type) { m_currentType = type; }
    int currentType() const { return m_currentType; }
    /// Takes a copy of @p plan when it has 24 cells; any other length is
    /// ignored. Shown at the next paint.
    void setRecordPlan(const std::vector<RecordCell> &plan);
    /// Overwrites @p plan with a copy of the shown plan.
    void getRecordPlan(std::vector<RecordCell> &plan) const;

    /// Side of one cell in pixels.
    int cellSize() const { return width() / kHours; }
    /// The type-row cell containing @p pos, or -1.
    int hourAt(const QPoint &pos) const;
    /// The full-height column containing @p pos, or -1.
    int columnAt(const QPoint &pos) const;

    /// The fill of each type; a cell of any other type takes the fill of the
    /// cell before it (white for the first).
    static QColor colourOf(int type, const QColor &before);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void paintSpan(int from, int to);

    std::vector<RecordCell> m_plan;
    int m_currentType = 1;
    // Type-row cell under the last press, -1 when it missed the type row.
    int m_pressIndex = 0;
    // Cell or column under the last release or move.
    int m_currentIndex = 0;
};

} // namespace kivui
