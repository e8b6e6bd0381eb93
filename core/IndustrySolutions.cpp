#include "IndustrySolutions.h"

#include "TaskDataBase.h"

namespace kiv {

IndustrySolutions IndustrySolutions::read(TaskDataBase &catalogue, const QString &solutionType)
{
    IndustrySolutions solutions;
    if (!catalogue.getAllIndustry(solutionType, solutions.industries))
        solutions.industries.clear();
    for (const QString &industry : std::as_const(solutions.industries)) {
        QStringList names;
        (void)catalogue.getScene(industry, names);
        solutions.sceneNames.insert(industry, names);
        Scenes &sceneMap = solutions.scenes[industry];
        for (const QString &scene : std::as_const(names)) {
            QMap<QString, int> devices;
            (void)catalogue.getDevice(industry, scene, solutionType, devices);
            sceneMap.insert(scene, devices);
        }
    }
    return solutions;
}

qint64 IndustrySolutions::deviceTotal(const Scenes &scenes, const QStringList &names)
{
    qint64 total = 0;
    for (const QString &name : names) {
        const QMap<QString, int> devices = scenes.value(name);
        for (const int count : devices)
            total += count;
    }
    return total;
}

} // namespace kiv
