#pragma once

#include "ProgramFolder.h"

#include <TaskDeviceFile.h>

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

/// Device files of tasks for the record-plan tests.
namespace recordplan {

inline QString devicePath(const ProgramFolder &folder, const QString &task)
{
    return folder.file(QStringLiteral("Task/") + task + QStringLiteral(".xml"));
}

/// Makes task @p task with @p count devices "Type-1", "Type-2", ... (remarks
/// "Room 1", ...), each with the default plan and frequency.
inline void addDevices(const QString &task, int count)
{
    TaskDeviceFile file(task);
    QVERIFY(file.isOpen());
    for (int i = 1; i <= count; ++i) {
        DeviceInfo info;
        info.deviceType = QStringLiteral("Type-%1").arg(i);
        info.remark = QStringLiteral("Room %1").arg(i);
        info.mainType = QStringLiteral("IPC");
        info.count = 1;
        info.mainStream = 1024;
        info.subStream = 512;
        QVERIFY(file.addDevice(info));
    }
    QVERIFY(file.close());
}

inline void setStored(const QString &task, int device, const QString &plan, const QString &fren)
{
    TaskDeviceFile file(task);
    QVERIFY(file.setRecordPlan(plan, device));
    QVERIFY(file.setEventFren(device, fren));
    QVERIFY(file.close());
}

inline QString storedPlan(const QString &task, int device)
{
    TaskDeviceFile file(task);
    QString plan;
    file.recordPlan(device, plan);
    return plan;
}

inline QString storedFren(const QString &task, int device)
{
    TaskDeviceFile file(task);
    QString fren;
    file.eventFren(device, fren);
    return fren;
}

/// While it lives, no file of this process can grow past a few bytes: every
/// save fails as on a full disk (the write gets EFBIG instead of a signal).
class FileSizeLimit
{
public:
    FileSizeLimit()
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = m_before;
        tight.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_before{};
    void (*m_handler)(int) = nullptr;
};

} // namespace recordplan
