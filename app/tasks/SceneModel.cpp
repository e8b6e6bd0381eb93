#include "SceneModel.h"

namespace kiv {

SceneModel::SceneModel() : QStandardItemModel(0, 1)
{
    restoreHeader();
}

SceneModel::~SceneModel() = default;

void SceneModel::restoreHeader()
{
    setColumnCount(1);
    auto *header = new QStandardItem(tr("Scene"));
    header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalHeaderItem(0, header);
}

void SceneModel::setScenes(const QStringList &scenes)
{
    clear();
    restoreHeader();
    for (const QString &scene : scenes) {
        auto *item = new QStandardItem(scene);
        item->setEditable(false);
        item->setCheckable(true);
        item->setCheckState(Qt::Checked);
        appendRow(item);
    }
}

bool SceneModel::isChecked(int row) const
{
    const QStandardItem *scene = item(row, 0);
    return scene && scene->checkState() == Qt::Checked;
}

QString SceneModel::sceneName(int row) const
{
    const QStandardItem *scene = item(row, 0);
    return scene ? scene->text() : QString();
}

} // namespace kiv
