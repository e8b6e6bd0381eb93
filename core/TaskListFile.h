#pragma once

#include "XmlDataFile.h"

#include <QString>
#include <QVector>

/// One task: its name, the index of its type in the new-task dialog's list,
/// its video standard (0 PAL, 1 NTSC; the list reads any stored value but 0
/// as NTSC) and a remark.
struct TaskInfo
{
    QString name;
    int type = 0;
    int videoStandard = 0;
    QString remark;
};

/// Last stored result of the storage calculator for a task.
struct StorageResult
{
    QString taskName;
    int storageEnable = 0;
    QString mainType;
    QString devType;
    int hddBay = 0;
    QString hddCap;
    int timeType = 0;
    int recordTime = 1;
    QString hddModel;
    QString raidType;
    int raid1Number = 0;
    int raid5Number = 0;
    int raidNumber = 0;
    int hotSpare = 0;
    int devNumber = 0;
    int hddNumber = 0;
    int commonHddNumber = 0;
    QString totalCap;
};

struct BandWidthResult
{
    QString taskName;
    int bandWidthEnable = 0;
    QString preView;
    QString record;
    QString transmission;
    QString total;
};

struct StreamServerResult
{
    QString taskName;
    int streamServerEnable = 0;
    QString streamServer;
    int streamServerNumber = 0;
};

struct ClientResult
{
    QString taskName;
    int clientEnable = 0;
    QString client;
    int clientNumber = 0;
};

/// The task list, Task/Task.xml in the program folder, with each task's four
/// calculation results. Construct one per user action: the constructor opens
/// (or creates) the file, the destructor writes it back when something was
/// changed. Every operation returns false while the file is not open. Tasks
/// are addressed by position (rename, delete) or by name (look-up and
/// results). A look-up by name takes the first task of that name; every
/// read or write of a position or a name that no task has returns false,
/// changing nothing and filling nothing.
///
/// A task list that is there but cannot be taken as one is left as it is and
/// never written (see XmlDataFile).
class TaskListFile : public XmlDataFile
{
public:
    TaskListFile();

    static QString filePath();

    /// Appends the task. False, nothing added, when its name cannot name a
    /// task (taskNameProblem() says why); a name already in the list is the
    /// caller's business.
    bool addTask(const TaskInfo &info);
    /// Gives the task at @p position the record's name and remark. False when
    /// the new name cannot name a task. The task's device file keeps its
    /// name: TaskEntries::setNameRemark() moves the devices with the task.
    bool setNameRemark(const TaskInfo &info, int position);
    bool updateTask(const TaskInfo &info);
    /// Deletes the task's device file (a missing one is no obstacle), then the
    /// entry. False when there is no task at the position or its device file
    /// exists and cannot be deleted. The file is gone before the list without
    /// the task is saved: TaskEntries::removeAt() deletes a task in steps
    /// that survive the program being stopped between them.
    bool removeTaskAt(int position);
    /// Deletes the device file of @p name (a missing one, or a name that
    /// cannot name a task, is no obstacle), then every entry of that name.
    /// False, the list unchanged, when the device file cannot be deleted; a
    /// name that no task has leaves nothing to delete and is true.
    bool removeTask(const QString &name);
    bool tasks(QVector<TaskInfo> &out);
    bool exists(const QString &name);
    bool task(const QString &name, TaskInfo &out);

    /// The result setters store the record under its taskName, in every task
    /// of that name (duplicates from a hand-edited list keep agreeing); the
    /// getters read the first such task and fill taskName too.
    bool setStorageResult(const StorageResult &result);
    bool storageResult(const QString &name, StorageResult &out);
    bool setBandWidthResult(const BandWidthResult &result);
    bool bandWidthResult(const QString &name, BandWidthResult &out);
    bool setStreamServerResult(const StreamServerResult &result);
    bool streamServerResult(const QString &name, StreamServerResult &out);
    bool setClientResult(const ClientResult &result);
    bool clientResult(const QString &name, ClientResult &out);
    /// Marks all four stored results of the task as stale (enable flags 0);
    /// true, nothing changed, for a task without results.
    bool clearResults(const QString &name);

private:
    using Values = QVector<QPair<QString, QString>>;

    XmlNode firstTask(const QString &name) const;
    bool storeBlock(const QString &taskName, const QString &block, const Values &values);
    bool readBlock(const QString &taskName, const QString &block, const QStringList &tags,
                   QStringList &texts) const;
    static bool removeDeviceFileOf(const QString &name);
};
