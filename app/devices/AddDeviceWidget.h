#pragma once

#include <BaseDialogWithBottom.h>
#include <TaskDeviceFile.h>

#include <QMetaObject>
#include <QString>

#include <array>
#include <memory>

class QModelIndex;
class QSortFilterProxyModel;
class QStandardItem;
class QStandardItemModel;
class FilterConfig;

namespace Ui {
class AddDeviceWidgetUI;
}

namespace kiv {

class ParamModel;

/// The "Add Device" dialog of the device list. The planner narrows the
/// catalogue's models of one device class down by ticking parameter values
/// in the class's filter tree and by a keyword, chooses one, and gives its
/// remark, count and (cameras and speed domes) main and sub stream bit
/// rates. A confirmed dialog holds the new device entry (getDeviceInfo());
/// the caller appends it to the task.
class AddDeviceWidget : public KavrinGUIToolkit::CBaseDialogWithBottom
{
    Q_OBJECT
public:
    /// Tabs of the dialog and the device class each filters.
    enum Tab { IpcTab = 0, DomeTab = 1, DvrTab = 2 };

    AddDeviceWidget(const QString &taskName, QWidget *parent = nullptr);
    ~AddDeviceWidget() override;
    Q_DISABLE_COPY_MOVE(AddDeviceWidget)

    /// The entry of a confirmed dialog.
    void getDeviceInfo(DeviceInfo &info) const;

    /// The device class a tab filters: network cameras, speed domes, DVRs.
    static int deviceClassOfTab(int tab);
    /// The filter tree of a tab. Only the front tab's tree is built with
    /// the dialog; another tab's is built when the tab is first chosen, or
    /// when it is asked for here first.
    ParamModel *paramModelOfTab(int tab) const;

public slots:
    /// Lists what the device filter makes of the current tab's ticks after
    /// a tick in one of the trees changed.
    void onFilterDevice(QStandardItem *item);
    void keywordChanged(const QString &keyword);
    void selectDeviceType(const QModelIndex &index);
    void mainStreamChanged(const QString &text);
    void subStreamChanged(const QString &text);
    void thirdStreamChanged(const QString &text);
    void paramTabChanged(int tab);
    void onReset();
    void onConfirm();
    void doubleClickedDevice(const QModelIndex &index);
    /// Toggles the tick of an enabled mode or value item of the current
    /// tab's tree and filters again.
    void clickFilter(const QModelIndex &index);

private:
    void init();
    /// Lists the class's models afresh (DVRs without the NVRs among them).
    void refreshDeviceTypes(int deviceClass);
    /// True when the count would take the task over 1024 devices.
    bool checkTaskDeviceCount(int count);
    void connectTrees();
    void disconnectTrees();
    /// Replaces every row with @p types.
    void writeDeviceTypes(const QStringList &types);
    /// Untick the tree of @p tab and list its class afresh: reset and tab
    /// change.
    void restartTab(int tab);
    void showHint(QWidget *field, const QString &text);
    /// Fills the tree of @p tab from the catalogue unless it is filled.
    void buildTree(int tab) const;
    /// The tree of @p tab, filled or not.
    ParamModel *treeOfTab(int tab) const;

    const std::unique_ptr<Ui::AddDeviceWidgetUI> m_form;
    std::unique_ptr<ParamModel> m_ipcParamModel;
    std::unique_ptr<ParamModel> m_domeParamModel;
    std::unique_ptr<ParamModel> m_dvrParamModel;
    std::unique_ptr<QStandardItemModel> m_deviceTypeModel;
    std::unique_ptr<QSortFilterProxyModel> m_proxyModel;
    DeviceInfo m_deviceInfo;
    QString m_classNames[3];
    QString m_taskName;
    std::array<QMetaObject::Connection, 3> m_treeConnections;
    // Built on first use from a const accessor: the trees are filled as
    // they are first shown or asked for, each from the filter configuration
    // the dialog read when it opened (kept until every tree is built).
    mutable std::array<bool, 3> m_treeBuilt = {};
    mutable std::unique_ptr<FilterConfig> m_filterConfig;
};

} // namespace kiv
