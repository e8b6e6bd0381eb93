#pragma once

#include "JobFigures.h"
#include "Planner.h"

#include <ItemDataRole.h>

#include <QObject>
#include <QStringList>

#include <memory>

class QAbstractItemView;
class QWidget;

namespace kiv {
class Varnel;
}

/// What every stage of the planning job run in a child process shares: the
/// program's main window started as the program starts it, the texts and
/// figures of the interface language, and what the planner reads off the
/// window. A stage is a test object whose slots run in order, one step of
/// the job each; once a step has failed the later ones are skipped, since
/// they build on it.
class JobStage : public QObject
{
    Q_OBJECT
public:
    /// @p stage names the stage's pictures.
    JobStage(int language, const char *stage, QObject *parent = nullptr);
    ~JobStage() override;
    Q_DISABLE_COPY_MOVE(JobStage)

protected slots:
    /// Every message is answered "OK" and kept; the main window is shown.
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

protected:
    kiv::Varnel *window() const { return m_window.get(); }
    const JobTexts &texts() const { return m_texts; }
    int language() const { return m_language; }
    planner::StepPictures &pictures() { return m_pictures; }

    /// The messages shown since the last call, as "title|text".
    QStringList takeMessages();

    /// Clicks the task's row in the task pane.
    bool chooseTask(const QString &name);
    /// The tasks of the task pane, top to bottom.
    QStringList listedTasks() const;

    QAbstractItemView *deviceTable() const;
    /// The device list's rows as "type|remark|class|count|main|sub".
    QStringList listedDevices() const;
    /// Clicks a panel icon of a device row (stream, record plan, accessory
    /// for the first, second and third icon).
    bool clickPanelIcon(int row, KavrinGUIToolkit::CItemDataRole role);

    /// The stream panel's rows as "use|count|resolution|frame rate|bit rate",
    /// the use as three ticks (preview, record, transmission).
    QStringList shownStreams() const;
    /// The streams of a device row, read from its stream panel, which is
    /// opened and closed for it.
    QStringList streamsOf(int row);
    /// The record plan and event frequency of a device row as
    /// "<24 digits>|<frequency>", read from its record-plan panel.
    QString planOf(int row);
    /// The accessory tiles of a camera row as "lens|bracket|shield", each
    /// tile as the panel shows it ("KL-0850 X4") or empty.
    QString accessoriesOf(int row);

    /// Chooses a calculator's tab.
    bool chooseCalculator(QWidget *calculator);
    QWidget *storageCalculator() const;
    QWidget *bandwidthCalculator() const;
    QWidget *streamServerCalculator() const;
    QWidget *clientCalculator() const;
    /// Presses a calculator's Calculate button; the NVR count runs behind a
    /// busy dialog, which is gone when this returns.
    bool calculate(QWidget *calculator);
    /// The storage result row: "devices|capacity|disks".
    QString storageFigures() const;
    /// The storage form's choices: "class|model|bays|disk|time|unit|hdd type"
    /// and, in RAID mode, "|raid type|groups|hot spares".
    QString storageChoices() const;
    /// The bandwidth row: "preview|record|transmission|total".
    QString bandwidthFigures() const;
    QString streamServerCount() const;
    QString clientCount() const;

private:
    const int m_language;
    const JobTexts m_texts;
    std::unique_ptr<kiv::Varnel> m_window;
    planner::StepPictures m_pictures;
    int m_messagesSeen = 0;
    bool m_failed = false;
};
