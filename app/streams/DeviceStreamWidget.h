#pragma once

#include <QDialog>

#include <memory>

class QPushButton;

namespace Ui {
class DeviceStreamWidget;
}

namespace KavrinGUIToolkit {
class CTreeView;
class CTableDelegate;
} // namespace KavrinGUIToolkit

namespace kiv {

class DeviceStreamModel;

/// The pop-over panel of a device's streams, shown by the device list beside
/// a device row and drawn inside the main window: the device's stream table
/// and a button that adds a stream. Every accepted edit is stored at once;
/// hiding the panel stores what an open cell editor holds first, so no way
/// of closing it drops an edit.
class DeviceStreamWidget : public QDialog
{
    Q_OBJECT
public:
    explicit DeviceStreamWidget(QWidget *parent = nullptr);
    ~DeviceStreamWidget() override;
    Q_DISABLE_COPY_MOVE(DeviceStreamWidget)

    /// Shows the streams of device @p deviceIndex (model @p deviceType) of
    /// the task, and the panel.
    void showDevice(const QString &taskName, const QString &deviceType, int deviceIndex);

    void setVisible(bool visible) override;

    QString taskName() const { return m_taskName; }
    QString deviceType() const { return m_deviceType; }
    int deviceIndex() const { return m_deviceIndex; }
    DeviceStreamModel *model() const { return m_model.get(); }
    KavrinGUIToolkit::CTreeView *view() const;
    QPushButton *addButton() const;

signals:
    /// After every stream added, removed or changed in the device file.
    void signalChanngedReslut();

protected:
    void hideEvent(QHideEvent *event) override;

private slots:
    void addStream();
    void onConfirm();

private:
    void init();
    void fitColumns();
    /// Stores what an open cell editor holds, as if the planner had left
    /// the cell.
    void commitOpenEditor();
    void showRefusal(const QModelIndex &index, const QString &hint);
    /// Tells the planner that the table could not store a change.
    void showStoreFailure(const QString &message);

    const std::unique_ptr<Ui::DeviceStreamWidget> m_form;
    std::unique_ptr<DeviceStreamModel> m_model;
    KavrinGUIToolkit::CTableDelegate *m_delegate = nullptr;
    QString m_taskName;
    QString m_deviceType;
    int m_deviceIndex = 0;
};

} // namespace kiv
