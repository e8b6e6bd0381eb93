#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace kiv {

class TaskDataBase;

/// The industry solutions of one solution type as the catalogue lists them:
/// its industries and, for each, the scenes with the device types and counts
/// each scene needs.
struct IndustrySolutions
{
    /// Scene name to device type to count.
    using Scenes = QMap<QString, QMap<QString, int>>;

    /// The industries of the solution type, in the catalogue's order.
    QStringList industries;
    /// Industry to the names of its scenes, in the catalogue's order.
    QMap<QString, QStringList> sceneNames;
    /// Industry to its scenes and their devices.
    QMap<QString, Scenes> scenes;

    /// The solutions of @p solutionType. A query that fails leaves its part
    /// empty: no industries, or an industry without scenes, or a scene
    /// without devices.
    static IndustrySolutions read(TaskDataBase &catalogue, const QString &solutionType);
    /// The devices the scenes @p names of @p scenes bring, counts added up;
    /// a name @p scenes does not have brings none.
    static qint64 deviceTotal(const Scenes &scenes, const QStringList &names);
};

} // namespace kiv
