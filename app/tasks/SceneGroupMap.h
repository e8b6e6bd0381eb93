#pragma once

#include <QMap>
#include <QString>

/// Scene name to device type to count, both levels ordered by key: the
/// devices an industry solution brings into a new task.
using SceneGroupMap = QMap<QString, QMap<QString, int>>;
