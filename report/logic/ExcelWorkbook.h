#pragma once

#include "SaveFailure.h"

#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>
#include <QVector>

#include <memory>

#include <sys/types.h>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace kiv {

/// An Excel workbook written the way rows go into a database table: open the
/// file, create the table (one sheet whose first row names the columns),
/// prepare an insert that maps placeholders to columns, then bind and
/// execute once per row, and close.
///
/// Nothing reaches the target before close(): the workbook is assembled in
/// a temporary file and put in place of the target in one step, so a failed
/// export leaves an old file as it was. Destroying a workbook that was not
/// closed discards it.
class ExcelWorkbook
{
public:
    /// One column: its name (the header cell) and its least width in
    /// characters; a longer line widens it.
    struct Column
    {
        QString name;
        double width = 0;
    };

    ExcelWorkbook();
    ~ExcelWorkbook();
    ExcelWorkbook(const ExcelWorkbook &) = delete;
    ExcelWorkbook &operator=(const ExcelWorkbook &) = delete;

    /// Starts a workbook that close() writes to @p path.
    bool open(const QString &path);
    bool isOpen() const { return m_book != nullptr; }

    /// Adds the sheet @p name (made a valid sheet name, sheetNameFor()) with
    /// the column names as its first row. One table per workbook.
    bool createTable(const QString &name, const QVector<Column> &columns);
    /// Names the placeholder of each column, in column order, for the rows
    /// that follow.
    bool prepareInsert(const QStringList &placeholders);
    /// Sets the value of a placeholder for the next exec(). A number goes in
    /// as a number, any other value as text; a text holding line breaks is
    /// wrapped in its cell.
    bool bindValue(const QString &placeholder, const QVariant &value);
    /// Writes one row from the bound values and forgets them: a placeholder
    /// left unbound leaves its cell empty.
    bool exec();
    /// Writes the workbook and puts it in place of the target. False when
    /// anything failed; the target is then untouched.
    bool close();

    /// What went wrong, for the log; empty after success.
    QString lastError() const { return m_lastError; }
    /// Why the last call failed, as the planner is told; None after success.
    SaveFailure failure() const { return m_failure; }
    /// The sheet's name as the workbook holds it.
    QString sheetName() const { return m_sheetName; }
    /// Rows written so far, the column names' row included.
    int rowCount() const { return m_row; }

    /// @p name made a valid sheet name: at most 31 characters, none of
    /// [ ] : * ? / and backslash (each replaced by "_"), not starting or
    /// ending with an apostrophe, not the name Excel reserves ("History"),
    /// never empty ("Sheet1").
    static QString sheetNameFor(const QString &name);

private:
    bool fail(const QString &what, SaveFailure failure = SaveFailure::Unknown);
    /// A failure of the file: the reason follows from the target and
    /// @p systemError, the errno of the call that failed.
    bool failFile(const QString &what, int systemError);
    bool failLibrary(int error, int systemError);
    void discard();
    /// Keeps the widths of the lines of @p text, the value of @p column in
    /// the row being written, and widens the column for the longest; returns
    /// the number of lines.
    int noteText(int column, const QString &text);
    /// Starts the lines of the next row: none yet in any of its cells.
    void startRowLines();
    /// Gives every column the width of its longest line and every row the
    /// height of its lines, and prints the sheet one page wide.
    bool layOut();
    /// The mode the workbook takes in the target's place: the old file's,
    /// or 0666 less the umask for a new one, as for any file saved.
    mode_t modeForTarget() const;

    lxw_workbook *m_book = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    lxw_format *m_headerFormat = nullptr;
    lxw_format *m_cellFormat = nullptr;
    lxw_format *m_numberFormat = nullptr;
    lxw_format *m_wrapFormat = nullptr;
    // The file the library writes, beside the target so that it can take
    // the target's place in one rename.
    std::unique_ptr<QTemporaryFile> m_temporary;
    QString m_target;
    QString m_sheetName;
    int m_columns = 0;
    // Per column the width it needs, in widths of a digit. The widths of
    // the lines of every cell written, row by row and cell by cell in one
    // list; per cell, where its lines end in that list.
    QVector<double> m_columnWidths;
    QVector<double> m_lineWidths;
    QVector<qsizetype> m_cellLineEnds;
    QStringList m_placeholders;
    QVector<QVariant> m_bound;
    int m_row = 0;
    QString m_lastError;
    SaveFailure m_failure = SaveFailure::None;
};

} // namespace kiv
