// Build tool: prints an HTML manual to a PDF file.
//
//   makemanual <manual.html> <manual.pdf>
//
// A line holding only <!--#chapters DIR--> is replaced by the HTML files of
// DIR (relative to the manual), in file-name order: each chapter of a manual
// is a file of its own. Chapter headings (<h2>) are numbered in order, so a
// chapter added in the middle renumbers the ones after it. Pictures are looked up relative to the HTML file. The PDF is written beside
// its final name and renamed into place, so a failed run leaves no half
// file. Run it under QT_QPA_PLATFORM=offscreen; the fonts the HTML names must
// be installed (WenQuanYi Micro Hei for Chinese).

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextStream>
#include <QUrl>

namespace {

// The manual's text with every chapters marker replaced by the chapter files
// it names; false, with the offending folder in @p error, when one has none.
bool expandChapters(const QString &html, const QDir &base, QString &out, QString &error)
{
    static const QString open = QStringLiteral("<!--#chapters ");
    static const QString close = QStringLiteral("-->");
    out.clear();
    int from = 0;
    for (;;) {
        const int at = html.indexOf(open, from);
        if (at < 0)
            break;
        const int end = html.indexOf(close, at);
        if (end < 0)
            break;
        out += html.mid(from, at - from);
        const QString folder = html.mid(at + open.size(), end - at - open.size()).trimmed();
        const QDir dir(base.filePath(folder));
        const QStringList files =
            dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
        if (files.isEmpty()) {
            error = dir.path();
            return false;
        }
        for (const QString &name : files) {
            QFile chapter(dir.filePath(name));
            if (!chapter.open(QIODevice::ReadOnly)) {
                error = chapter.fileName();
                return false;
            }
            out += QString::fromUtf8(chapter.readAll());
        }
        from = end + close.size();
    }
    out += html.mid(from);

    int number = 0;
    QString numbered;
    int pos = 0;
    for (;;) {
        const int at = out.indexOf(QStringLiteral("<h2>"), pos);
        if (at < 0)
            break;
        numbered += out.mid(pos, at + 4 - pos) + QString::number(++number) + QLatin1Char(' ');
        pos = at + 4;
    }
    out = numbered + out.mid(pos);
    return true;
}

// Every picture the manual names, with those that could not be loaded.
QStringList missingImages(QTextDocument &document)
{
    QStringList missing;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            const QVariant image = document.resource(QTextDocument::ImageResource, QUrl(name));
            const bool loaded = (image.canConvert<QImage>() && !image.value<QImage>().isNull()) ||
                                (image.typeId() == QMetaType::QByteArray &&
                                 !QImage::fromData(image.toByteArray()).isNull());
            if (!loaded)
                missing << name;
        }
    }
    return missing;
}

// The document positions at which a page break cuts a paragraph: the start
// of every line that lies on a later page than the line before it.
QList<int> cutsAtPageBreaks(const QTextDocument &document)
{
    const double pageHeight = document.pageSize().height();
    const QAbstractTextDocumentLayout *layout = document.documentLayout();
    QList<int> cuts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        // The lines are placed relative to the block's layout, whose place on
        // the paginated document (inside table cells and other frames too)
        // is the top of its bounding rectangle.
        const double origin = layout->blockBoundingRect(block).top();
        const QTextLayout *lines = block.layout();
        int previousPage = -1;
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const int page = int((origin + line.y()) / pageHeight);
            if (i > 0 && page != previousPage)
                cuts << block.position() + line.textStart();
            previousPage = page;
        }
    }
    return cuts;
}

// Splits every paragraph that a page break cuts into one paragraph per page.
// When it paints a page, Qt's text layout also draws the line just above the
// page's top edge. The clip hides it on paper, but in a PDF it stays in the
// text layer of the page below, so a search or a copy finds that line twice.
// With no paragraph crossing a break, each line is drawn for its own page
// only. A continuation keeps its paragraph's format but adds no space above,
// no first-line indent and no second list bullet, so the pages look the same.
void splitParagraphsAtPageBreaks(QTextDocument &document)
{
    // One round normally does; a further one only checks.
    for (int round = 0; round < 4; ++round) {
        const QList<int> cuts = cutsAtPageBreaks(document);
        if (cuts.isEmpty())
            return;
        // From the end, so that the positions still to come stay valid.
        for (auto cut = cuts.crbegin(); cut != cuts.crend(); ++cut) {
            QTextCursor cursor(&document);
            cursor.setPosition(*cut);
            QTextBlockFormat format = cursor.blockFormat();
            format.setTopMargin(0);
            format.setTextIndent(0);
            format.setPageBreakPolicy(format.pageBreakPolicy() &
                                      ~QTextFormat::PageBreak_AlwaysBefore);
            cursor.insertBlock(format);
            if (QTextList *list = cursor.block().textList())
                list->remove(cursor.block());
        }
        // An edited paginated document is laid out again only in part: lay
        // it out afresh before the next look and before printing.
        document.setPageSize(document.pageSize());
    }
}

// Lays the document out on pages of A4 at 96 pixels per inch (the unit of
// its picture and font sizes) and paints each page scaled to the writer's
// resolution, with the page number below the text.
bool printDocument(QTextDocument &document, const QString &path)
{
    QPdfWriter writer(path);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("makemanual"));
    writer.setResolution(300);
    if (!writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(18, 16, 18, 12), QPageLayout::Millimeter)))
        return false;

    const double scale = writer.resolution() / 96.0;
    const QRectF paintRect = writer.pageLayout().paintRectPixels(writer.resolution());
    const double footer = 28;
    const QSizeF page(paintRect.width() / scale, paintRect.height() / scale - footer);
    document.setPageSize(page);
    splitParagraphsAtPageBreaks(document);
    const int pages = document.pageCount();

    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    QFont numberFont = document.defaultFont();
    // In the 96-per-inch units of the layout, like the document's own fonts.
    numberFont.setPixelSize(11);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.save();
        painter.translate(0, -i * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, i * page.height(), page.width(), page.height());
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(numberFont);
        painter.setPen(QColor(0x55, 0x55, 0x55));
        painter.drawText(QRectF(0, page.height(), page.width(), footer),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(i + 1));
        painter.restore();
    }
    return painter.end();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: makemanual <manual.html> <manual.pdf>\n";
        return 2;
    }
    const QFileInfo source(args.at(1));
    QFile html(source.absoluteFilePath());
    if (!html.open(QIODevice::ReadOnly)) {
        err << "makemanual: cannot read " << source.filePath() << '\n';
        return 1;
    }

    QTextDocument document;
    document.setMetaInformation(
        QTextDocument::DocumentUrl,
        QUrl::fromLocalFile(source.absolutePath() + QLatin1Char('/')).toString());
    QString text;
    QString error;
    if (!expandChapters(QString::fromUtf8(html.readAll()), source.absoluteDir(), text, error)) {
        err << "makemanual: " << source.filePath() << " names chapters that cannot be read: "
            << error << '\n';
        return 1;
    }
    document.setHtml(text);
    const QStringList missing = missingImages(document);
    if (!missing.isEmpty()) {
        err << "makemanual: " << source.filePath()
            << " names pictures that cannot be loaded: " << missing.join(QStringLiteral(", "))
            << '\n';
        return 1;
    }

    const QString target = QFileInfo(args.at(2)).absoluteFilePath();
    const QString partial = target + QStringLiteral(".part");
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (!printDocument(document, partial)) {
        err << "makemanual: cannot write " << partial << '\n';
        QFile::remove(partial);
        return 1;
    }
    if (QFileInfo(partial).size() == 0) {
        err << "makemanual: nothing written to " << partial << '\n';
        QFile::remove(partial);
        return 1;
    }
    QFile::remove(target);
    if (!QFile::rename(partial, target)) {
        err << "makemanual: cannot write " << target << '\n';
        return 1;
    }
    return 0;
}
