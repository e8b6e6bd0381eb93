#pragma once

#include "XmlFile.h"
#include "XmlNode.h"

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
/// results).
///
/// A task list that is there but cannot be taken as one (cut short, other
/// bytes, another root element, or unreadable) is never taken as data and
/// never written: the object stays closed, and problem() and isDamaged()
/// tell the caller why.
class TaskListFile
{
public:
    TaskListFile();
    ~TaskListFile();
    TaskListFile(const TaskListFile &) = delete;
    TaskListFile &operator=(const TaskListFile &) = delete;

    bool open();
    /// Writes the document back when something was changed through this
    /// object. True (and closed) on success; false, still open, when the
    /// write failed; lastError() then says why, and unless a later close()
    /// succeeds the destructor drops the changes instead of saving them.
    bool close();
    bool isOpen() const { return m_open; }
    /// Why the last close() could not write the file, or why the last
    /// open() failed; empty after a success.
    QString lastError() const { return m_lastError; }
    static QString filePath();
    /// Why the last open() failed: Missing when the file could not be created
    /// (no Task folder, or it cannot be written), Unreadable or Damaged when
    /// it is there and left as it is; None while open.
    XmlFileProblem problem() const { return m_problem; }
    /// True when the file is there and readable but is not a task list: not
    /// well-formed XML or another root element.
    bool isDamaged() const { return m_problem == XmlFileProblem::Damaged; }

    bool addTask(const TaskInfo &info);
    /// Gives the task at @p position the record's name and remark. False when
    /// the new name cannot name a task.
    bool setNameRemark(const TaskInfo &info, int position);
    bool updateTask(const TaskInfo &info);
    /// Deletes the task's device file (a missing one is no obstacle), then the
    /// entry. False when there is no task at the position or its device file
    /// exists and cannot be deleted.
    bool removeTaskAt(int position);
    /// Deletes the device file of @p name (a missing one, or a name that
    /// cannot name a task, is no obstacle), then every entry of that name.
    /// False, the list unchanged, when the device file cannot be deleted.
    bool removeTask(const QString &name);
    bool tasks(QVector<TaskInfo> &out);
    bool exists(const QString &name);
    bool task(const QString &name, TaskInfo &out);

    bool setStorageResult(const StorageResult &result);
    bool storageResult(const QString &name, StorageResult &out);
    bool setBandWidthResult(const BandWidthResult &result);
    bool bandWidthResult(const QString &name, BandWidthResult &out);
    bool setStreamServerResult(const StreamServerResult &result);
    bool streamServerResult(const QString &name, StreamServerResult &out);
    bool setClientResult(const ClientResult &result);
    bool clientResult(const QString &name, ClientResult &out);
    /// Marks all four stored results of the task as stale (enable flags 0).
    bool clearResults(const QString &name);

private:
    using Values = QVector<QPair<QString, QString>>;

    XmlNode firstTask(const QString &name) const;
    bool storeBlock(const QString &taskName, const QString &block, const Values &values);
    bool readBlock(const QString &taskName, const QString &block, const QStringList &tags,
                   QStringList &texts) const;
    static bool removeDeviceFileOf(const QString &name);

    XmlNode m_root;
    QString m_path;
    bool m_open = false;
    QString m_lastError;
    XmlFileProblem m_problem = XmlFileProblem::None;
    bool m_dirty = false;
    bool m_saveFailed = false;
};
