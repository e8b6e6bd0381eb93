// Times the report of the 1024-device task with accessories and stored
// results: reading and building it with the report logic, against
// QTextDocument::setHtml of the HTML the builder writes (its header and its
// device table, and the results); building and showing the report window to
// its first frame with the whole report laid out, against the same HTML
// parsed and laid out at the view's width; both cold (the first report after
// the start) and warm. The PDF export against printing the same document to
// a QPdfWriter; and the workbook export against bare libxlsxwriter writing
// the same sheet (the same cells, formats, column widths, row heights and
// fit to one page wide) from the same report, its cells converted and
// measured within the timing. Prints medians; not a test.

#include "GuiSupport.h"

#include <ReportBuilder.h>
#include <ReportExports.h>
#include <ReportTexts.h>
#include <ReportWidget.h>

#include <xlsxwriter.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFileInfo>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>

#include <cmath>
#include <memory>

namespace {

const QString kTask = bench::taskName();

// The HTML the report builder writes for the task: what its document is
// made of, less the few paragraphs it adds as text.
QString builderHtml(const kiv::TaskReport &report)
{
    QString html =
        kiv::reportHeaderHtml(report.taskName, report.date) + kiv::deviceTableHtml(report.devices);
    const QStringList results =
        kiv::calculationReportText(report.results).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : results)
        html += QStringLiteral("<div>") + line.toHtmlEscaped() + QStringLiteral("</div>");
    return html;
}

// The same sheet as the workbook export writes, by the barest means: the
// report's cells converted to what libxlsxwriter takes, written as they
// come with the export's formats, the widths of their lines counted on the
// way; then the column widths, the row heights those widths give, and the
// page set-up. The task's texts are ASCII, so a character is one width of a
// digit, as the export counts it.
class BareSheet
{
public:
    BareSheet(const kiv::TaskReport &report, const QString &resultsText)
        : m_report(report), m_results(resultsText)
    {
    }

    void write(const QString &path, const QByteArray &sheetName)
    {
        lxw_workbook *book = workbook_new(QFile::encodeName(path).constData());
        lxw_worksheet *sheet = workbook_add_worksheet(book, sheetName.constData());
        lxw_format *header = workbook_add_format(book);
        format_set_bold(header);
        lxw_format *cell = workbook_add_format(book);
        format_set_align(cell, LXW_ALIGN_VERTICAL_TOP);
        lxw_format *number = workbook_add_format(book);
        format_set_align(number, LXW_ALIGN_LEFT);
        format_set_align(number, LXW_ALIGN_VERTICAL_TOP);
        lxw_format *wrap = workbook_add_format(book);
        format_set_align(wrap, LXW_ALIGN_VERTICAL_TOP);
        format_set_text_wrap(wrap);

        m_widths[0] = 36;
        m_widths[1] = 36;
        m_widths[2] = 40;
        m_lines.clear();
        m_cellStarts.clear();
        m_row = 0;
        const char *titles[kColumns] = {"Device Type", "Device Count", "Ingredient"};
        for (int c = 0; c < kColumns; ++c)
            text(sheet, c, QByteArray::fromRawData(titles[c], int(qstrlen(titles[c]))), header);
        QByteArray ingredient;
        for (const kiv::ReportDevice &device : m_report.devices) {
            ++m_row;
            text(sheet, 0, device.type.toUtf8(), cell, wrap);
            worksheet_write_number(sheet, m_row, 1, device.count, number);
            note(1, QByteArray::number(device.count));
            ingredient.clear();
            for (const kiv::ReportAccessory &accessory : device.accessories)
                ingredient +=
                    accessory.type.toUtf8() + " x " + QByteArray::number(accessory.count) + '\n';
            text(sheet, 2, ingredient, cell, wrap);
        }
        if (!m_results.isEmpty()) {
            ++m_row;
            text(sheet, 0, m_results.toUtf8(), cell, wrap);
            note(1, QByteArray());
            note(2, QByteArray());
        }
        m_cellStarts.append(int(m_lines.size()));

        for (int c = 0; c < kColumns; ++c)
            worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), m_widths[c], nullptr);
        for (lxw_row_t r = 0; r <= m_row; ++r) {
            int lines = 1;
            for (int c = 0; c < kColumns; ++c) {
                const int i = int(r) * kColumns + c;
                int needed = 0;
                for (int k = m_cellStarts.at(i); k < m_cellStarts.at(i + 1); ++k)
                    needed += qMax(1, int(std::ceil(m_lines.at(k) / (m_widths[c] - kPadding))));
                lines = qMax(lines, needed);
            }
            worksheet_set_row(sheet, r, qMin(409.0, lines * 15.0), nullptr);
        }
        worksheet_fit_to_pages(sheet, 1, 0);
        workbook_close(book);
    }

private:
    // Counts the widths of the lines of @p bytes, the cell of column
    // @p column in the current row (none for an empty cell), and widens the
    // column for the longest; returns the number of lines.
    int note(int column, const QByteArray &bytes)
    {
        m_cellStarts.append(int(m_lines.size()));
        if (bytes.isEmpty())
            return 0;
        const int first = int(m_lines.size());
        double line = 0;
        for (const char c : bytes) {
            if (c == '\n') {
                m_lines.append(line);
                line = 0;
            } else if ((c & 0xC0) != 0x80) {
                ++line;
            }
        }
        m_lines.append(line);
        for (int k = first; k < m_lines.size(); ++k)
            m_widths[column] = qMin(kMaxWidth, qMax(m_widths[column], m_lines.at(k) + kPadding));
        return int(m_lines.size()) - first;
    }

    // Writes a text cell with its widths noted; a text of several lines, or
    // of a line too long for the widest column, in @p wrapped.
    void text(lxw_worksheet *sheet, int column, const QByteArray &bytes, lxw_format *format,
              lxw_format *wrapped = nullptr)
    {
        const int first = int(m_lines.size());
        const int lines = note(column, bytes);
        if (lines == 0)
            return;
        const bool wraps = wrapped && (lines > 1 || m_lines.at(first) + kPadding > kMaxWidth);
        worksheet_write_string(sheet, m_row, lxw_col_t(column), bytes.constData(),
                               wraps ? wrapped : format);
    }

    static constexpr int kColumns = 3;
    static constexpr double kPadding = 2;
    static constexpr double kMaxWidth = 255;
    const kiv::TaskReport &m_report;
    QString m_results;
    double m_widths[kColumns] = {};
    // The widths of every line written, cell after cell, and where each
    // cell's lines start.
    QVector<double> m_lines;
    QVector<int> m_cellStarts;
    lxw_row_t m_row = 0;
};

// Whether two workbooks hold the same sheet: its cells and their layout,
// the texts it shares and the formats, as unzip reads them back.
QString sameSheet(const QString &one, const QString &other)
{
    const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    if (unzip.isEmpty())
        return QStringLiteral("not compared (no unzip)");
    for (const char *part : {"xl/worksheets/sheet1.xml", "xl/sharedStrings.xml", "xl/styles.xml"}) {
        QByteArray parts[2];
        const QString files[2] = {one, other};
        for (int k = 0; k < 2; ++k) {
            QProcess read;
            read.start(unzip, {QStringLiteral("-p"), files[k], QLatin1String(part)});
            read.waitForFinished();
            parts[k] = read.readAllStandardOutput();
        }
        if (parts[0].isEmpty() || parts[0] != parts[1])
            return QStringLiteral("NO, %1 differs: the figure is not valid")
                .arg(QLatin1String(part));
    }
    return QStringLiteral("yes");
}

} // namespace

int main(int argc, char **argv)
{
    const bench::ProgramStart start(argc, argv);
    if (!start.ready())
        return 1;
    if (!bench::buildTask() || !bench::addAccessoriesAndResults()) {
        bench::out() << "cannot build the benchmark task" << Qt::endl;
        return 1;
    }
    QTemporaryDir out;
    const QString base = out.path() + QLatin1Char('/');

    const kiv::TaskReport content = kiv::readTaskReport(kTask);
    QTextDocument document;
    kiv::buildReport(&document, content);
    const QString html = builderHtml(content);
    bench::out() << "report of " << bench::kDevices << " devices: " << document.blockCount()
                 << " blocks; the builder's HTML " << html.size() << " characters; median of "
                 << bench::kRuns << " runs (the workbook " << bench::kShortRuns
                 << "), each in turn with its floor" << Qt::endl
                 << Qt::endl;

    // The report logic alone, as an export without the window calls it. The
    // documents go away before the next run, untimed on both sides.
    std::unique_ptr<QTextDocument> built;
    std::unique_ptr<QTextDocument> parsed;
    const bench::ColdWarm read = bench::coldAndWarm(
        [&] {
            built.reset();
            parsed.reset();
        },
        [&] {
            built = std::make_unique<QTextDocument>();
            kiv::buildReport(built.get(), kiv::readTaskReport(kTask));
        },
        [&] {
            parsed = std::make_unique<QTextDocument>();
            parsed->setHtml(html);
        });
    bench::print(QStringLiteral("report read and built"), read, 1.5, 1.5,
                 QStringLiteral("setHtml of the builder's HTML"), "report.built.cold",
                 "report.built.warm");

    // Through the window: the report read, built, shown and laid out to the
    // end (the view lays a long document out in steps; the planner waits for
    // all of it to scroll through), against the builder's HTML parsed and
    // laid out at the view's width in the view's font.
    qreal width = 0;
    QFont font;
    {
        kiv::ReportWidget shown(kTask);
        if (!bench::showAndPaint(&shown)) {
            bench::out() << "the report window is never painted" << Qt::endl;
            return 1;
        }
        shown.document()->documentLayout()->documentSize();
        width = shown.document()->textWidth();
        font = shown.document()->defaultFont();
    }
    std::unique_ptr<kiv::ReportWidget> window;
    bool painted = true;
    const bench::ColdWarm shown = bench::coldAndWarm(
        [&] {
            window.reset();
            parsed.reset();
        },
        [&] {
            window = std::make_unique<kiv::ReportWidget>(kTask);
            window->show();
            // The report's view painted, then the rest of it laid out.
            const auto *view = window->findChild<QTextEdit *>(QStringLiteral("textEdit"));
            painted = view && bench::nextPaint(view->viewport()) != 0 && painted;
            window->document()->documentLayout()->documentSize();
        },
        [&] {
            parsed = std::make_unique<QTextDocument>();
            parsed->setDefaultFont(font);
            parsed->setHtml(html);
            parsed->setTextWidth(width);
            parsed->documentLayout()->documentSize();
        });
    window.reset();
    bench::print(QStringLiteral("report built, shown and laid out"), shown, 1.2, 1.2,
                 QStringLiteral("setHtml+layout at %1 px").arg(width, 0, 'f', 0),
                 "report.shown.cold", "report.shown.warm");
    if (!painted)
        bench::out() << "  the report's view was not painted: the figures are not valid"
                     << Qt::endl;

    const bench::Pair pdf = bench::alternating(
        [&] { kiv::writeReportPdf(&document, base + QStringLiteral("export.pdf"), kTask); },
        [&] {
            QPdfWriter writer(base + QStringLiteral("direct.pdf"));
            writer.setResolution(1200);
            writer.setPageSize(QPageSize(QPageSize::A4));
            document.print(&writer);
        });
    bench::print(QStringLiteral("PDF export"), pdf, 1.1,
                 QStringLiteral("QTextDocument::print to QPdfWriter"));

    BareSheet bare(content, kiv::calculationReportText(content.results));
    const QString exported = base + QStringLiteral("export.xlsx");
    const QString direct = base + QStringLiteral("direct.xlsx");
    // The task's name is a valid sheet name as it stands.
    const QByteArray sheetName = kTask.toUtf8();
    bool written = true;
    const bench::Pair workbook = bench::alternating(
        [&] { written = kiv::writeReportWorkbook(content, exported, kTask) && written; },
        [&] { bare.write(direct, sheetName); }, bench::kShortRuns);
    bench::print(QStringLiteral("workbook export"), workbook, 1.5,
                 QStringLiteral("the same sheet in bare libxlsxwriter"), "workbook");
    bench::out() << "  the floor's sheet is the export's: " << sameSheet(exported, direct) << " ("
                 << QFileInfo(exported).size() / 1024 << " KiB)" << Qt::endl;
    if (!written)
        bench::out() << "  an export failed: the figure is not valid" << Qt::endl;
    return 0;
}
