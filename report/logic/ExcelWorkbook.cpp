#include "ExcelWorkbook.h"

#include "ReportLogging.h"
#include "WorkbookParts.h"

#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace kiv {

namespace {

// What a spreadsheet program gives a line of the default font, in points,
// and the most it lets a row or a column be.
constexpr double kLineHeight = 15.0;
constexpr double kMaxRowHeight = 409.0;
constexpr double kMaxColumnWidth = 255.0;
// Room beside the longest line, in character widths, so that it does not
// touch the cell's border.
constexpr double kColumnPadding = 2.0;

bool isWide(char32_t c)
{
    // East Asian wide and full-width characters, and the emoji beside them,
    // take about two widths of a digit.
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) ||
           (c >= 0x1F300 && c <= 0x1FAFF) || (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

ExcelWorkbook::ExcelWorkbook() = default;

ExcelWorkbook::~ExcelWorkbook()
{
    discard();
}

bool ExcelWorkbook::fail(const QString &what, SaveFailure failure)
{
    m_lastError = what;
    m_failure = failure;
    qCDebug(lcReport) << "qeb workbook" << m_target << ":" << what;
    return false;
}

bool ExcelWorkbook::failFile(const QString &what, int systemError)
{
    return fail(what, saveFailureOf(m_target, systemError));
}

bool ExcelWorkbook::failLibrary(int error, int systemError)
{
    const auto code = lxw_error(error);
    const QString what = QString::fromUtf8(lxw_strerror(code));
    if (code == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED)
        return fail(what, SaveFailure::TextTooLong);
    return failFile(what, systemError);
}

void ExcelWorkbook::discard()
{
    if (m_book)
        lxw_workbook_free(m_book);
    m_book = nullptr;
    m_sheet = nullptr;
    m_headerFormat = m_cellFormat = m_numberFormat = m_wrapFormat = nullptr;
}

QString ExcelWorkbook::sheetNameFor(const QString &name)
{
    static const QString forbidden = QStringLiteral("[]:*?/\\");
    QString out;
    out.reserve(name.size());
    for (const QChar c : name)
        out += forbidden.contains(c) ? QChar(QLatin1Char('_')) : c;

    const auto trimApostrophes = [](QString &text) {
        while (text.startsWith(QLatin1Char('\'')))
            text.remove(0, 1);
        while (text.endsWith(QLatin1Char('\'')))
            text.chop(1);
    };
    trimApostrophes(out);
    // Excel counts UTF-16 units; a character outside the basic plane is
    // kept whole or dropped whole.
    constexpr int kMaxLength = 31;
    if (out.size() > kMaxLength) {
        int keep = kMaxLength;
        if (out.at(keep - 1).isHighSurrogate())
            --keep;
        out.truncate(keep);
        trimApostrophes(out);
    }
    if (out.isEmpty())
        return QStringLiteral("Sheet1");
    if (out.compare(QLatin1String("History"), Qt::CaseInsensitive) == 0)
        out += QLatin1Char('_');
    return out;
}

bool ExcelWorkbook::open(const QString &path)
{
    discard();
    m_lastError.clear();
    m_failure = SaveFailure::None;
    m_target = path;
    m_row = 0;
    m_columns = 0;
    m_placeholders.clear();
    m_bound.clear();
    // The library writes the whole file when the workbook is closed; it
    // goes to a temporary file in the target's folder first, which replaces
    // the target only then, in one rename.
    m_temporary = std::make_unique<QTemporaryFile>(QFileInfo(path).absolutePath() +
                                                   QStringLiteral("/.varnel-XXXXXX.xlsx"));
    errno = 0;
    if (!m_temporary->open()) {
        const int systemError = errno;
        return failFile(QStringLiteral("no temporary file: ") + m_temporary->errorString(),
                        systemError);
    }
    m_temporary->close();
    errno = 0;
    m_book = workbook_new(QFile::encodeName(m_temporary->fileName()).constData());
    if (!m_book)
        return failFile(QStringLiteral("cannot start the workbook"), errno);
    return true;
}

bool ExcelWorkbook::createTable(const QString &name, const QVector<Column> &columns)
{
    if (!m_book)
        return fail(QStringLiteral("workbook not open"));
    if (m_sheet)
        return fail(QStringLiteral("the workbook has its table already"));
    if (columns.isEmpty())
        return fail(QStringLiteral("a table needs columns"));
    m_sheetName = sheetNameFor(name);
    const QByteArray sheet = m_sheetName.toUtf8();
    if (workbook_validate_sheet_name(m_book, sheet.constData()) != LXW_NO_ERROR)
        return fail(QStringLiteral("invalid sheet name ") + m_sheetName);
    m_sheet = workbook_add_worksheet(m_book, sheet.constData());
    if (!m_sheet)
        return fail(QStringLiteral("cannot add the sheet ") + m_sheetName);

    m_headerFormat = workbook_add_format(m_book);
    format_set_bold(m_headerFormat);
    m_cellFormat = workbook_add_format(m_book);
    format_set_align(m_cellFormat, LXW_ALIGN_VERTICAL_TOP);
    // A spreadsheet program puts a number without an alignment at the right
    // of its cell, against the next column's text; the headers and the texts
    // stand at the left, and so does a number under its header.
    m_numberFormat = workbook_add_format(m_book);
    format_set_align(m_numberFormat, LXW_ALIGN_LEFT);
    format_set_align(m_numberFormat, LXW_ALIGN_VERTICAL_TOP);
    m_wrapFormat = workbook_add_format(m_book);
    format_set_align(m_wrapFormat, LXW_ALIGN_VERTICAL_TOP);
    format_set_text_wrap(m_wrapFormat);

    m_columns = int(columns.size());
    m_columnWidths.clear();
    m_lineWidths.clear();
    m_cellLineEnds.clear();
    startRowLines();
    for (int c = 0; c < m_columns; ++c) {
        const Column &column = columns.at(c);
        m_columnWidths.append(column.width > 0 ? column.width : LXW_DEF_COL_WIDTH);
        noteText(c, column.name);
        const lxw_error error = worksheet_write_string(
            m_sheet, 0, lxw_col_t(c), column.name.toUtf8().constData(), m_headerFormat);
        if (error != LXW_NO_ERROR)
            return failLibrary(error, 0);
    }
    m_row = 1;
    m_bound = QVector<QVariant>(m_columns);
    return true;
}

bool ExcelWorkbook::prepareInsert(const QStringList &placeholders)
{
    if (!m_sheet)
        return fail(QStringLiteral("no table to insert into"));
    if (placeholders.size() != m_columns)
        return fail(QStringLiteral("one placeholder per column is needed"));
    m_placeholders = placeholders;
    m_bound.fill(QVariant());
    return true;
}

bool ExcelWorkbook::bindValue(const QString &placeholder, const QVariant &value)
{
    const int column = int(m_placeholders.indexOf(placeholder));
    if (column < 0)
        return fail(QStringLiteral("unknown placeholder ") + placeholder);
    m_bound[column] = value;
    return true;
}

bool ExcelWorkbook::exec()
{
    if (!m_sheet || m_placeholders.isEmpty())
        return fail(QStringLiteral("no prepared insert"));
    const lxw_row_t row = lxw_row_t(m_row);
    const qsizetype linesBefore = m_lineWidths.size();
    startRowLines();
    for (int c = 0; c < m_columns; ++c) {
        const QVariant value = m_bound.at(c);
        if (value.isNull())
            continue;
        lxw_error error = LXW_NO_ERROR;
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
            error = worksheet_write_number(m_sheet, row, lxw_col_t(c), value.toDouble(),
                                           m_numberFormat);
            noteText(c, value.toString());
            break;
        default: {
            const QString text = value.toString();
            if (text.isEmpty())
                continue;
            // A line too long for the widest column wraps too.
            const qsizetype firstLine = m_lineWidths.size();
            const bool wraps = noteText(c, text) > 1 ||
                               m_lineWidths.at(firstLine) + kColumnPadding > kMaxColumnWidth;
            error = worksheet_write_string(m_sheet, row, lxw_col_t(c), text.toUtf8().constData(),
                                           wraps ? m_wrapFormat : m_cellFormat);
            break;
        }
        }
        if (error != LXW_NO_ERROR) {
            m_bound.fill(QVariant());
            m_lineWidths.resize(linesBefore);
            m_cellLineEnds.resize(m_cellLineEnds.size() - m_columns);
            return failLibrary(error, 0);
        }
    }
    // A value bound for one row never fills a cell of the next.
    m_bound.fill(QVariant());
    ++m_row;
    return true;
}

int ExcelWorkbook::noteText(int column, const QString &text)
{
    // One pass over the text: the widths of its lines and the widest of
    // them, with no copy of a line.
    const auto lineEnded = [this, column](double width) {
        m_lineWidths.append(width);
        m_columnWidths[column] =
            qMin(kMaxColumnWidth, qMax(m_columnWidths.at(column), width + kColumnPadding));
    };
    const qsizetype first = m_lineWidths.size();
    double width = 0;
    const QChar *at = text.constData();
    const QChar *const end = at + text.size();
    for (; at != end; ++at) {
        if (*at == QLatin1Char('\n')) {
            lineEnded(width);
            width = 0;
            continue;
        }
        char32_t c = at->unicode();
        if (at->isHighSurrogate() && at + 1 != end && at[1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(*at, at[1]);
            ++at;
        }
        width += isWide(c) ? 2 : 1;
    }
    lineEnded(width);
    m_cellLineEnds[m_cellLineEnds.size() - m_columns + column] = m_lineWidths.size();
    return int(m_lineWidths.size() - first);
}

void ExcelWorkbook::startRowLines()
{
    // Every cell of the new row starts with no line, where the row before
    // it ends.
    const qsizetype end = m_lineWidths.size();
    for (int c = 0; c < m_columns; ++c)
        m_cellLineEnds.append(end);
}

bool ExcelWorkbook::layOut()
{
    // A spreadsheet program neither widens a column nor heightens a row for
    // what it holds: a workbook that does not say how wide and how high
    // shows the first line or two of every cell, and prints the wide
    // columns a page each.
    for (int c = 0; c < m_columns; ++c) {
        const lxw_error error = worksheet_set_column(m_sheet, lxw_col_t(c), lxw_col_t(c),
                                                     m_columnWidths.at(c), nullptr);
        if (error != LXW_NO_ERROR)
            return failLibrary(error, 0);
    }
    const int rows = int(m_cellLineEnds.size() / m_columns);
    qsizetype line = 0;
    for (int r = 0; r < rows; ++r) {
        int lines = 1;
        for (int c = 0; c < m_columns; ++c) {
            const double room = m_columnWidths.at(c) - kColumnPadding;
            int cellLines = 0;
            for (const qsizetype end = m_cellLineEnds.at(r * m_columns + c); line < end; ++line)
                cellLines += qMax(1, int(std::ceil(m_lineWidths.at(line) / room)));
            lines = qMax(lines, cellLines);
        }
        const lxw_error error = worksheet_set_row(
            m_sheet, lxw_row_t(r), qMin(kMaxRowHeight, lines * kLineHeight), nullptr);
        if (error != LXW_NO_ERROR)
            return failLibrary(error, 0);
    }
    worksheet_fit_to_pages(m_sheet, 1, 0);
    return true;
}

mode_t ExcelWorkbook::modeForTarget() const
{
    struct stat old = {};
    if (::stat(QFile::encodeName(m_target).constData(), &old) == 0)
        return old.st_mode & 07777;
    // umask() can only be read by setting it; it is put back at once.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool ExcelWorkbook::close()
{
    if (!m_book)
        return fail(QStringLiteral("workbook not open"));
    if (m_sheet && !layOut())
        return false;
    lxw_workbook *book = m_book;
    m_book = nullptr;
    m_sheet = nullptr;
    // workbook_close() frees the workbook whatever happens. The library
    // keeps no error code of the system; errno still holds the one of the
    // write that failed.
    errno = 0;
    const lxw_error error = workbook_close(book);
    if (error != LXW_NO_ERROR)
        return failLibrary(error, errno);

    const QString written = m_temporary->fileName();
    if (QFileInfo(written).size() <= 0)
        return fail(QStringLiteral("the workbook came out empty"));
    // The library packs each part from a file of its own and does not check
    // its writes of them: a part cut short without an error ran out of room,
    // as a short write does anywhere else.
    if (!workbookPartsAreWhole(written))
        return fail(QStringLiteral("a part of the workbook was cut off"), SaveFailure::DiskFull);
    // The temporary file was made readable by its owner alone; the workbook
    // gets the permissions any saved file gets: an old file's own, or those
    // of a new file.
    if (::chmod(QFile::encodeName(written).constData(), modeForTarget()) != 0) {
        const int systemError = errno;
        return failFile(QStringLiteral("cannot set the workbook's permissions"), systemError);
    }
    // The library has written and closed the whole file; only now does it
    // take the target's name, so an old workbook is replaced by a complete
    // new one or not at all.
    if (::rename(QFile::encodeName(written).constData(), QFile::encodeName(m_target).constData()) !=
        0) {
        const int systemError = errno;
        return failFile(QString::fromLocal8Bit(std::strerror(systemError)), systemError);
    }
    m_temporary->setAutoRemove(false);
    m_temporary.reset();
    return true;
}

} // namespace kiv
