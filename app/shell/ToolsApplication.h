#pragma once

#include "SingleApplication.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QStringList>

class ISkinPlugin;
struct TaskFolderRepair;

namespace kiv {

/// The program's application object: brings the process up (init()) and
/// filters every event of the process (notify()).
class ToolsApplication : public SingleApplication
{
    Q_OBJECT
public:
    ToolsApplication(const QString &id, int &argc, char **argv);
    ~ToolsApplication() override;
    Q_DISABLE_COPY_MOVE(ToolsApplication)

    /// Settings, fonts, skin, style, language, then the checks that may stop
    /// the start: another instance on this program folder (its machine
    /// named when that is another one), a small screen the planner declines,
    /// a catalogue that cannot be read or lacks a table or column its
    /// look-ups read, or a task folder that cannot be written. Before the
    /// task folder is probed, a start that holds it removes the probes of
    /// starts that were stopped from it, and the temporary files of stopped
    /// saves from the program folder (the task folder's go with its repair).
    /// Then each damaged data file (settings, parameter codes, filter
    /// configuration, task list) is named once, the device files of no task
    /// and the files named as earlier versions' temporary files in one
    /// message for each kind, and the start goes on without them. False
    /// means that the program must not start.
    bool init();

    /// Drops application-font changes, shows the current text of a widget
    /// with a tool tip as its tip (line edits keep their tool tip), and
    /// swallows exceptions that escape event delivery.
    bool notify(QObject *receiver, QEvent *event) override;

    /// True when some screen's right edge reaches @p minimum's width and
    /// some (maybe another) screen's bottom edge its height; the edges are
    /// positions on the virtual desktop.
    static bool screensReach(const QList<QRect> &screens, const QSize &minimum = QSize(1024, 768));
    /// Makes sure the task folder of @p programFolder exists and takes a
    /// file of a large task's size; an empty text when it does, else what to
    /// tell the planner: that the disk is full, or that the folder cannot be
    /// written.
    static QString taskFolderProblem(const QString &programFolder);

private:
    void loadConfig();
    void setDefaultFont();
    void loadSkin();
    void loadStyle();
    void initLocale();
    void setLanguageFont();
    bool checkResolution();
    bool checkProgramFolder();
    void tellDamagedDataFiles(const TaskFolderRepair &repair);
    ISkinPlugin *loadSkinPlugin(const QString &name, const QString &folder);
};

} // namespace kiv
