#pragma once

#include "ProgramFolder.h"
#include "FailingSaves.h"

#include <RecordPlanConfig.h>
#include <RecordWidget.h>
#include <TaskDeviceFile.h>
#include <WarningDlg.h>

#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

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

inline kivui::RecordWidget *gridOf(kiv::RecordPlanConfig &panel)
{
    return panel.findChild<kivui::RecordWidget *>(QStringLiteral("widgetPlan"));
}

inline QComboBox *frequencyOf(kiv::RecordPlanConfig &panel)
{
    return panel.findChild<QComboBox *>(QStringLiteral("combFrenquency"));
}

inline QPushButton *buttonOf(kiv::RecordPlanConfig &panel, const char *name)
{
    return panel.findChild<QPushButton *>(QLatin1String(name));
}

/// Paints hours @p from to @p to as the planner does: the type's button,
/// then a press on the first hour, a drag and a release on the last.
inline void paintHours(kiv::RecordPlanConfig &panel, int from, int to, int type)
{
    const char *button = type == 2 ? "btnEvent" : type == 0 ? "btnNoRecord" : "btnSchedule";
    QTest::mouseClick(buttonOf(panel, button), Qt::LeftButton);
    kivui::RecordWidget *grid = gridOf(panel);
    const int c = grid->cellSize();
    const auto at = [c](int hour) { return QPoint(hour * c + c / 2, c + c / 2); };
    QTest::mousePress(grid, Qt::LeftButton, {}, at(from));
    QMouseEvent move(QEvent::MouseMove, at(to), grid->mapToGlobal(at(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid, &move);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, at(to));
}

/// Chooses a frequency with the keyboard, as the planner can.
inline void chooseFrequency(kiv::RecordPlanConfig &panel, const QString &text)
{
    QComboBox *combo = frequencyOf(panel);
    const int target = combo->findText(text);
    QVERIFY(target >= 0);
    // Down and back up first, so that even the shown item is chosen anew.
    QTest::keyClick(combo, combo->currentIndex() == combo->count() - 1 ? Qt::Key_Up : Qt::Key_Down);
    while (combo->currentIndex() != target)
        QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
}

/// The messages shown, as "title|text".
inline QStringList shownMessages()
{
    QStringList out;
    for (const KavrinGUIToolkit::CWarningDlg::Shown &m : KavrinGUIToolkit::CWarningDlg::History())
        out << m.title + QLatin1Char('|') + m.text;
    return out;
}

using ::FileSizeLimit;

} // namespace recordplan
