// The last step of `run_bench`: prints the goals table, each row with the
// figure, the floor and the verdict its benchmark printed in this run (read
// back from the files the benchmarks wrote into the folder given as the
// argument), and a row that no benchmark of this run measured as such.
// Exits 0 whatever the verdicts: the benchmarks are no test.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTextStream>

namespace {

struct Row
{
    const char *key;
    const char *step;
};

// The goals, in the order the table gives them; each key is what a
// benchmark records its figure under (bench::record()).
const Row kRows[] = {
    {"read.cold", "reading a task's devices, streams and plans, cold (<= 1.0 x bare parse)"},
    {"fill.cold", "list fill when a task is chosen, cold (<= 1.0 x bare parse)"},
    {"fill.warm", "list fill when a task is chosen, warm (<= 0.5 x bare parse)"},
    {"storage.cold", "storage Calculate click to stored result, cold (<= 1.3 x bare parse)"},
    {"count.cold", "count edit through the view, cold (<= 1.5 x parse+serialise+write)"},
    {"count.warm", "count edit through the view, warm (<= 1.5 x parse+serialise+write)"},
    {"stream.cold", "stream edit through the view, cold (<= 1.5 x parse+serialise+write)"},
    {"stream.warm", "stream edit through the view, warm (<= 1.5 x parse+serialise+write)"},
    {"first.stream.demo",
     "first stream-editor open after a start, demo catalogue (<= 1.5 x plain Qt program)"},
    {"first.stream.x50",
     "first stream-editor open after a start, catalogue x50 (<= 1.5 x plain Qt program)"},
    {"report.built.cold", "report read and built, cold (<= 1.5 x setHtml of its HTML)"},
    {"report.built.warm", "report read and built, warm (<= 1.5 x setHtml of its HTML)"},
    {"report.shown.cold", "report shown and laid out, cold (<= 1.2 x setHtml+layout)"},
    {"report.shown.warm", "report shown and laid out, warm (<= 1.2 x setHtml+layout)"},
    {"workbook", "workbook export (<= 1.5 x the same sheet in bare libxlsxwriter)"},
    {"start.paint", "start to the first paint (<= 4 x plain Qt window process)"},
    {"start.usable", "start to the usable window, 1024-device task (<= 8 x plain window)"},
    {"dialog.demo",
     "add-device dialog shown and painted, demo catalogue (<= 1.5 x plain Qt form, same rows)"},
    {"dialog.x50",
     "add-device dialog shown and painted, catalogue x50 (<= 1.5 x plain Qt form, same rows)"},
    {"memory.1024", "peak memory, report open, 1024 devices (< 60 MiB)"},
    {"memory.5000", "peak memory, report open, 5000 devices with accessories (< 110 MiB)"},
    {"kept.ten", "ten 1024-device tasks chosen in turn: kept documents (< 32 MiB)"},
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    QMap<QString, QString> measured;
    for (const QString &name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const int tab = line.indexOf('\t');
            if (tab > 0)
                measured.insert(QString::fromUtf8(line.left(tab)),
                                QString::fromUtf8(line.mid(tab + 1)));
        }
    }

    int met = 0;
    int missed = 0;
    int absent = 0;
    out << Qt::endl << "Goals, each figure with its floor from this run:" << Qt::endl;
    for (const Row &row : kRows) {
        out << "- " << row.step << Qt::endl;
        const QString line = measured.value(QLatin1String(row.key));
        if (line.isEmpty()) {
            out << "    not measured: its benchmark failed or did not run" << Qt::endl;
            ++absent;
            continue;
        }
        out << "    " << line.trimmed() << Qt::endl;
        if (line.endsWith(QLatin1String(": met)")))
            ++met;
        else
            ++missed;
    }
    out << met << " goals met, " << missed << " missed, " << absent << " not measured" << Qt::endl;
    return 0;
}
