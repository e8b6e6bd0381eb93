#include "ExcelWorkbook.h"

#include "ReportLogging.h"
#include "WorkbookParts.h"

#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kiv {

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
    m_headerFormat = m_cellFormat = m_wrapFormat = nullptr;
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
    m_wrapFormat = workbook_add_format(m_book);
    format_set_align(m_wrapFormat, LXW_ALIGN_VERTICAL_TOP);
    format_set_text_wrap(m_wrapFormat);

    m_columns = int(columns.size());
    for (int c = 0; c < m_columns; ++c) {
        const Column &column = columns.at(c);
        if (column.width > 0)
            worksheet_set_column(m_sheet, lxw_col_t(c), lxw_col_t(c), column.width, nullptr);
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
            error =
                worksheet_write_number(m_sheet, row, lxw_col_t(c), value.toDouble(), m_cellFormat);
            break;
        default: {
            const QString text = value.toString();
            if (text.isEmpty())
                continue;
            error = worksheet_write_string(m_sheet, row, lxw_col_t(c), text.toUtf8().constData(),
                                           text.contains(QLatin1Char('\n')) ? m_wrapFormat
                                                                            : m_cellFormat);
            break;
        }
        }
        if (error != LXW_NO_ERROR) {
            m_bound.fill(QVariant());
            return failLibrary(error, 0);
        }
    }
    // A value bound for one row never fills a cell of the next.
    m_bound.fill(QVariant());
    ++m_row;
    return true;
}

bool ExcelWorkbook::close()
{
    if (!m_book)
        return fail(QStringLiteral("workbook not open"));
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
