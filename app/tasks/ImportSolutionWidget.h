#pragma once

#include "SceneGroupMap.h"

#include <BaseDialog.h>
#include <DeviceTypeClasses.h>

#include <QMap>
#include <QMetaObject>
#include <QStringList>

#include <memory>

class QModelIndex;
class QStandardItem;

namespace Ui {
class ImportSolutionWidgetUI;
}

namespace kiv {

class DeviceModel;
class SceneModel;

/// The second step of a new task of an industry solution: the industries of
/// the solution type, the scenes of the industry chosen (ticked to take
/// part) and the device types of the scene clicked with their counts, which
/// the planner may edit. Finish yields the ticked scenes with their devices;
/// Previous goes back to the new-task dialog.
class ImportSolutionWidget : public KavrinGUIToolkit::CBaseDialog
{
    Q_OBJECT
public:
    explicit ImportSolutionWidget(const QString &solutionType, QWidget *parent = nullptr);
    ~ImportSolutionWidget() override;
    Q_DISABLE_COPY_MOVE(ImportSolutionWidget)

    /// Inserts every ticked scene of the industry shown, in list order, with
    /// all its device types and counts.
    void getSceneGroupMap(SceneGroupMap &map) const;
    /// True when the dialog was left with Previous.
    bool isPrevious() const { return m_previous; }
    /// The class of a device type: 1 DVR, 0 network camera, 2 speed dome;
    /// 0 for a type of none of the three lists.
    int deviceKind(const QString &deviceType) const;

public slots:
    void previousStep();
    void saveTask();
    void cancelSolution();
    void industryChanged(const QString &industry);
    void clickScene(const QModelIndex &index);
    void saveDevice();
    void slotDeviceNumChanged(QStandardItem *item);
    void slotDoubleClickedDevice(const QModelIndex &index);

private:
    void init();
    void loadSolution();
    void setDeviceColumnWidths();
    /// Makes scene row 0 current and shows its devices, when there is one.
    void showFirstScene();
    /// Tells the planner the range of a refused count.
    void showCountRefusal(const QString &message);

    const std::unique_ptr<Ui::ImportSolutionWidgetUI> m_form;
    QString m_solutionType;
    /// Industry to scene to device type to count; count edits land here.
    QMap<QString, SceneGroupMap> m_solutions;
    DeviceTypeClasses m_classes;
    bool m_previous = false;
    std::unique_ptr<SceneModel> m_sceneModel;
    std::unique_ptr<DeviceModel> m_deviceModel;
    /// The industry and scene whose devices the table shows.
    QString m_shownIndustry;
    QString m_shownScene;
    QMetaObject::Connection m_countConnection;
    QMetaObject::Connection m_clickConnection;
};

} // namespace kiv
