#pragma once

#include "TaskReport.h"

#include <QString>
#include <QVector>

class QTextDocument;

namespace kiv {

/// Writes @p report into @p document in place of what it holds; the document
/// is best empty and, when it is shown, already at the width it is shown at:
/// a table of a thousand devices takes longer to lay out than to build. An
/// empty report writes nothing. Otherwise, in this order: the header, the
/// device table, in the Chinese interface the client and server
/// configuration tables, and the enabled results. Turns the document's undo
/// stack off; nothing of a report is ever undone.
void buildReport(QTextDocument *document, const TaskReport &report);

/// The header as HTML: the program's name and "Solution Report" on the right,
/// the task and @p date, and the "Ingredient List" heading. The task's name
/// is shown as text.
QString reportHeaderHtml(const QString &taskName, const QString &date);

/// The device table as one HTML table of four columns: two header rows, then
/// per device one row, or one row per accessory present when it has two or
/// more, its type and count spanning them. An accessory with a count of 0
/// keeps its row, empty, at the end. Stored texts are shown as text, blanks
/// kept.
QString deviceTableHtml(const QVector<ReportDevice> &devices);

} // namespace kiv
