#pragma once

// What the stream editor's tests share: the process-wide catalogue on the
// stream fixture, tasks with devices and streams, and a way to make the
// device file's save fail.

#include "CatalogueFixture.h"
#include "FailingSaves.h"
#include "ProgramFolder.h"
#include "TestStream.h"

#include <ConfigureManager.h>
#include <TaskDataBase.h>
#include <TaskDeviceFile.h>
#include <TaskListFile.h>

#include <QtTest>

#include <memory>

namespace StreamFixture {

/// Opens the process-wide catalogue of an English interface on the stream
/// models of tests/data/catalogue/streams.sql. The catalogue keeps the
/// folder it was opened in for the life of the process, so the returned
/// folder must outlive the test run; each test then works in a folder of its
/// own for its task files.
inline std::unique_ptr<ProgramFolder> openCatalogue()
{
    auto folder = std::make_unique<ProgramFolder>();
    if (!folder->writeSettings(0) ||
        !kiv::ConfigureManager::GetInstance()->load(folder->file(QStringLiteral("Setup.xml"))) ||
        !CatalogueFixture::build(folder->file(QStringLiteral("Task_EN.db")),
                                 {QStringLiteral("streams.sql")}))
        return nullptr;
    if (!kiv::TaskDataBase::GetInstance()->isOpen())
        return nullptr;
    return folder;
}

using ::stream;

/// One device of a task to be written: model, class name and its streams.
struct Device
{
    QString type;
    QString mainType;
    QVector<DevStream> streams;
};

/// Adds task @p name (video standard 0 PAL, 1 NTSC) to the task list and
/// writes its device file.
inline bool makeTask(const QString &name, int videoStandard, const QVector<Device> &devices)
{
    {
        TaskListFile tasks;
        TaskInfo task;
        task.name = name;
        task.videoStandard = videoStandard;
        if (!tasks.addTask(task) || !tasks.close())
            return false;
    }
    TaskDeviceFile file(name);
    for (int i = 0; i < devices.size(); ++i) {
        DeviceInfo info;
        info.deviceType = devices.at(i).type;
        info.mainType = devices.at(i).mainType;
        info.count = 1;
        if (!file.addDevice(info))
            return false;
        for (const DevStream &s : devices.at(i).streams) {
            if (!file.addStream(s, i))
                return false;
        }
    }
    return file.close();
}

/// The streams device @p device of task @p name has in its file.
inline QVector<DevStream> storedStreams(const QString &name, int device)
{
    QVector<DevStream> out;
    TaskDeviceFile file(name);
    file.streams(device, out);
    return out;
}

using ::FileSizeLimit;

} // namespace StreamFixture
