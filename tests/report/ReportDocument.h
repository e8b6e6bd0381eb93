#pragma once

// Reading a report back from its document: its tables, a table's rows as
// texts, and the paragraphs that follow the tables.

#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace reportdocument {

inline QVector<QTextTable *> tables(QTextDocument *document)
{
    QVector<QTextTable *> out;
    for (QTextFrame *frame : document->rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            out << table;
    }
    return out;
}

inline QString cellText(const QTextTableCell &cell)
{
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

/// Row @p row with its cells joined by "|"; a cell covered by a cell
/// spanning from above or the left shows as "^".
inline QString rowText(QTextTable *table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columns(); ++column) {
        const QTextTableCell cell = table->cellAt(row, column);
        if (cell.row() != row || cell.column() != column)
            cells << QStringLiteral("^");
        else
            cells << cellText(cell);
    }
    return cells.join(QLatin1Char('|'));
}

inline QStringList rowTexts(QTextTable *table, int firstRow = 0)
{
    QStringList rows;
    for (int row = firstRow; row < table->rows(); ++row)
        rows << rowText(table, row);
    return rows;
}

/// The non-blank lines of the document between @p from and @p to
/// (document positions; -1 for the end), no-break spaces read as blanks.
inline QStringList lines(QTextDocument *document, int from, int to = -1)
{
    QTextCursor cursor(document);
    cursor.setPosition(from);
    if (to < 0)
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    else
        cursor.setPosition(to, QTextCursor::KeepAnchor);
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
        .replace(QChar::LineSeparator, QLatin1Char('\n'))
        .replace(QChar::Nbsp, QLatin1Char(' '));
    QStringList out;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            out << line.trimmed();
    }
    return out;
}

/// The lines after the last table of the document.
inline QStringList linesAfterTables(QTextDocument *document)
{
    const QVector<QTextTable *> all = tables(document);
    return all.isEmpty() ? QStringList() : lines(document, all.last()->lastPosition() + 1);
}

/// The lines before the first table of the document.
inline QStringList linesBeforeTables(QTextDocument *document)
{
    const QVector<QTextTable *> all = tables(document);
    return all.isEmpty() ? lines(document, 0)
                         : lines(document, 0, all.first()->firstPosition() - 1);
}

} // namespace reportdocument
