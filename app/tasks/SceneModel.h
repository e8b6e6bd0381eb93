#pragma once

#include <QStandardItemModel>
#include <QStringList>

namespace kiv {

/// The scene list of the import-solution dialog: one column "Scene", one
/// ticked row per scene of the industry shown.
class SceneModel : public QStandardItemModel
{
    Q_OBJECT
public:
    SceneModel();
    ~SceneModel() override;
    Q_DISABLE_COPY_MOVE(SceneModel)

    /// Replaces the rows with one ticked row per scene, in list order.
    void setScenes(const QStringList &scenes);
    bool isChecked(int row) const;
    QString sceneName(int row) const;

private:
    void restoreHeader();
};

} // namespace kiv
