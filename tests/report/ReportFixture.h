#pragma once

// What the report tests share: tasks written straight into the task files
// of a temporary program folder, the interface language, the report built
// without its window, and readers for the PDF and workbook files an export
// writes.

#include "ChildProcess.h"
#include "ProcessLanguage.h"
#include "ProgramFolder.h"
#include "StoredResults.h"

#include <ReportBuilder.h>
#include <TargetPath.h>
#include <TaskDeviceFile.h>
#include <TaskListFile.h>
#include <TaskReport.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextDocument>
#include <QtTest>

#include <optional>

namespace reportfixture {

using Accessory = std::optional<QPair<QString, int>>;

/// One device entry with the accessories it has.
struct Device
{
    QString type;
    int count = 1;
    QString mainType = QStringLiteral("IPC");
    Accessory lens = std::nullopt;
    Accessory stand = std::nullopt;
    Accessory shield = std::nullopt;
};

inline void addTask(const QString &name)
{
    TaskListFile file;
    TaskInfo task;
    task.name = name;
    QVERIFY(file.addTask(task));
    QVERIFY(file.close());
}

inline void writeDevices(const QString &task, const QVector<Device> &devices)
{
    TaskDeviceFile file(task);
    QVERIFY(file.isOpen());
    for (const Device &d : devices) {
        DeviceInfo info;
        info.deviceType = d.type;
        info.mainType = d.mainType;
        info.count = d.count;
        info.mainStream = 4096;
        info.subStream = 512;
        QVERIFY(file.addDevice(info));
        int index = 0;
        QVERIFY(file.deviceCount(index));
        --index;
        if (d.lens)
            QVERIFY(file.setLens(index, d.lens->first, d.lens->second));
        if (d.stand)
            QVERIFY(file.setStand(index, d.stand->first, d.stand->second));
        if (d.shield)
            QVERIFY(file.setShield(index, d.shield->first, d.shield->second));
    }
    QVERIFY(file.close());
}

using storedresults::bandWidthResult;
using storedresults::clientResult;
using storedresults::storageResult;
using storedresults::streamServerResult;

/// A planner's task: cameras with streams, record plans and accessories, a
/// recorder, and all four results stored.
inline const QString &plannerTask()
{
    static const QString name = QStringLiteral("Harbour Gate");
    return name;
}

inline void writePlannerTask()
{
    const QString task = plannerTask();
    addTask(task);
    writeDevices(task, {{QStringLiteral("KC-2120-IR"), 12, QStringLiteral("IPC"),
                         QPair<QString, int>{QStringLiteral("4mm Fixed"), 12},
                         QPair<QString, int>{QStringLiteral("Wall Bracket W2"), 12},
                         QPair<QString, int>{QStringLiteral("Outdoor Housing H1"), 12}},
                        {QStringLiteral("KD-5230-PTZ"), 2, QStringLiteral("Dome"), std::nullopt,
                         QPair<QString, int>{QStringLiteral("Pole Mount P3"), 2}, std::nullopt},
                        {QStringLiteral("KC-1080-B"), 6, QStringLiteral("IPC"),
                         QPair<QString, int>{QStringLiteral("2.8-12mm Vari-focal"), 6},
                         std::nullopt, QPair<QString, int>{QStringLiteral("Sun Shield S1"), 6}},
                        {QStringLiteral("KN-7716"), 1, QStringLiteral("NVR")}});
    {
        TaskDeviceFile file(task);
        for (int dev = 0; dev < 3; ++dev) {
            DevStream stream;
            stream.useCode = QStringLiteral("111");
            stream.streamCount = 1;
            stream.resolution = QStringLiteral("1920x1080");
            stream.frameRate = QStringLiteral("25");
            stream.bitRate = 4096;
            QVERIFY(file.addStream(stream, dev));
        }
        QVERIFY(file.setRecordPlan(QStringLiteral("000000111111111111222222"), 0));
        QVERIFY(file.setEventFren(0, QStringLiteral("40")));
        QVERIFY(file.close());
    }
    TaskListFile list;
    QVERIFY(storedresults::storeAllResults(list, task));
    QVERIFY(list.close());
}

/// Fixes the interface language of the test process (0 English, 1 Chinese)
/// with the program's built catalogues; call once, before any window.
inline void useLanguage(int language)
{
    const ProgramFolder folder(false);
    startInLanguage(folder, language);
}

/// The report of a task as its window shows it, read and built the way the
/// window does, without the window.
class BuiltReport
{
public:
    explicit BuiltReport(const QString &task) : m_report(kiv::readTaskReport(task))
    {
        kiv::buildReport(&m_document, m_report);
    }
    BuiltReport(const BuiltReport &) = delete;
    BuiltReport &operator=(const BuiltReport &) = delete;

    QTextDocument *document() { return &m_document; }
    const kiv::TaskReport &report() const { return m_report; }

private:
    kiv::TaskReport m_report;
    QTextDocument m_document;
};

/// UTF-8 literals as a list of texts.
inline QStringList texts(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *s : list)
        out << QString::fromUtf8(s);
    return out;
}

/// The cells of one row as read back: a text as it is, a number as "#"
/// and its value, an empty cell as "".
inline QStringList cells(const QJsonValue &row)
{
    QStringList out;
    for (const QJsonValue &cell : row.toArray()) {
        if (cell.isDouble())
            out << QLatin1Char('#') + QString::number(cell.toDouble());
        else
            out << cell.toString();
    }
    return out;
}

/// A workbook read back with a spreadsheet reader: its zip entries, sheet
/// names, the first sheet's rows (cell values, null for empty cells) and
/// which cells wrap their text.
inline QJsonObject readWorkbook(const QString &path)
{
    const ChildRun run =
        runChild(QStringLiteral(VARNEL_PYTHON),
                 {QStringLiteral(VARNEL_SOURCE_DIR "/tests/report/read_workbook.py"), path});
    if (!run.exited() || run.exitCode != 0)
        return {};
    return QJsonDocument::fromJson(run.output).object();
}

} // namespace reportfixture
