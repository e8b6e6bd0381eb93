#pragma once

// What the calculator widget tests share: one program folder for the whole
// test process (the settings, the language and the catalogue are
// process-wide and keep the folder they were made in) with the demo
// catalogue, the built translations and the language of the environment
// variable VARNEL_TEST_LANGUAGE (0 English, the default; 1 Chinese); and
// tasks written straight into the task files.

#include "ProcessLanguage.h"
#include "ProgramFolder.h"

#include <ChaseDialog.h>
#include <TaskDeviceFile.h>
#include <TaskListFile.h>
#include <ToolTip.h>
#include <WarningDlg.h>

#include <QDir>
#include <QFile>
#include <QtTest>

#include <memory>

namespace calctest {

inline int languageOfRun()
{
    return qEnvironmentVariableIntValue("VARNEL_TEST_LANGUAGE") == 1 ? 1 : 0;
}

/// The process-wide program folder; call from initTestCase().
inline std::unique_ptr<ProgramFolder> makeProgramFolder()
{
    auto folder = std::make_unique<ProgramFolder>();
    folder->copyFromBuild({"Task_EN.db", "Task.db", "ParamCode.xml", "FilterConfig.xml"});
    startInLanguage(*folder, languageOfRun());
    return folder;
}

/// Empties the task folder and the message and busy-dialog records; every
/// message is answered at once and every busy dialog runs unseen until its
/// work ends.
inline void resetTasks(const ProgramFolder &folder)
{
    QDir tasks(folder.file(QStringLiteral("Task")));
    tasks.removeRecursively();
    QDir(folder.path()).mkpath(QStringLiteral("Task"));
    KavrinGUIToolkit::CWarningDlg::ClearHistory();
    KavrinGUIToolkit::CWarningDlg::SetResponder(
        [](const KavrinGUIToolkit::CWarningDlg::Shown &) { return 1; });
    KavrinGUIToolkit::CChaseDialog::ClearHistory();
    KavrinGUIToolkit::CChaseDialog::SetResponder([](const QString &) { return false; });
    KavrinGUIToolkit::CToolTip::HideTipImmediately();
}

inline void addTasks(const QStringList &names)
{
    TaskListFile file;
    for (const QString &name : names) {
        TaskInfo task;
        task.name = name;
        QVERIFY(file.addTask(task));
    }
    QVERIFY(file.close());
}

inline DevStream stream(const QString &useCode, int count, int bitRate)
{
    DevStream s;
    s.useCode = useCode;
    s.streamCount = count;
    s.resolution = QStringLiteral("1920x1080");
    s.frameRate = QStringLiteral("25");
    s.bitRate = bitRate;
    return s;
}

/// Appends a device of @p mainType with its streams to the task's file.
inline void addDevice(const QString &task, const QString &mainType, int count, int mainStream,
                      const QVector<DevStream> &streams,
                      const QString &plan = QStringLiteral("111111111111111111111111"),
                      const QString &frequency = QStringLiteral("100"))
{
    TaskDeviceFile file(task);
    QVERIFY(file.isOpen());
    int position = 0;
    QVERIFY(file.deviceCount(position));
    DeviceInfo device;
    device.deviceType = QStringLiteral("KC-200");
    device.mainType = mainType;
    device.count = count;
    device.mainStream = mainStream;
    device.subStream = 512;
    QVERIFY(file.addDevice(device));
    for (const DevStream &s : streams)
        QVERIFY(file.addStream(s, position));
    QVERIFY(file.setRecordPlan(plan, position));
    QVERIFY(file.setEventFren(position, frequency));
    QVERIFY(file.close());
}

inline StorageResult storedStorage(const QString &task)
{
    StorageResult r;
    TaskListFile file;
    file.storageResult(task, r);
    return r;
}

inline QStringList messages()
{
    QStringList out;
    for (const KavrinGUIToolkit::CWarningDlg::Shown &m : KavrinGUIToolkit::CWarningDlg::History())
        out << m.title + QLatin1Char('|') + m.text;
    return out;
}

} // namespace calctest
