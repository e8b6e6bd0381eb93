// Times the add-device dialog on the demo catalogue: opening it (the three
// filter trees and the camera list built) and one filter change (a ticked
// value). Each figure is set against the catalogue's own queries for the
// same rows, timed in turn with it, so the ratio is what the widgets add on
// top of the queries. Not a test: it prints medians and always exits 0 once
// the catalogue is there.

#include "BenchSupport.h"

#include <AddDeviceWidget.h>
#include <FilterConfig.h>
#include <ParamModel.h>
#include <TaskDataBase.h>

#include <QApplication>
#include <QMap>

namespace {

constexpr double kGoal = 3.0;

/// What the dialog asks the catalogue for while it opens: the headings,
/// groups and values of the three classes' trees (less what the filter
/// configuration hides), then the camera list.
struct OpeningQueries
{
    QVector<QString> hidden[3];

    OpeningQueries()
    {
        FilterConfig config;
        for (int tab = 0; tab < 3; ++tab)
            config.hideCodes(kiv::AddDeviceWidget::deviceClassOfTab(tab), hidden[tab]);
    }

    void run() const
    {
        kiv::TaskDataBase *catalogue = kiv::TaskDataBase::GetInstance();
        for (int tab = 0; tab < 3; ++tab) {
            const int deviceClass = kiv::AddDeviceWidget::deviceClassOfTab(tab);
            QMap<QString, QString> headings;
            catalogue->getMainParam(deviceClass, headings);
            for (auto heading = headings.cbegin(); heading != headings.cend(); ++heading) {
                if (hidden[tab].contains(heading.value()))
                    continue;
                QMap<QString, QString> groups;
                catalogue->getSub1Param(deviceClass, heading.key(), groups);
                for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
                    if (hidden[tab].contains(group.key()))
                        continue;
                    QVector<ParamItem> values;
                    catalogue->getSub2Param(deviceClass, group.key(), values);
                }
            }
        }
        QStringList cameras;
        catalogue->getDeviceList(0, cameras);
    }
};

QStandardItem *valueOfCode(kiv::ParamModel *model, const QString &code)
{
    for (int h = 0; h < model->rowCount(); ++h) {
        for (int g = 0; g < model->item(h)->rowCount(); ++g) {
            QStandardItem *group = model->item(h)->child(g);
            for (int v = 0; v < group->rowCount(); ++v) {
                if (group->child(v)->data(kiv::ParamModel::CodeRole).toString() == code)
                    return group->child(v);
            }
        }
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    const bench::Start<QApplication> start(argc, argv);
    if (!start.ready())
        return 1;
    bench::out() << "add-device dialog on the demo catalogue; median of " << bench::kRuns
                 << " runs, each in turn with its baseline" << Qt::endl
                 << Qt::endl;

    const OpeningQueries opening;
    bench::print(QStringLiteral("opening the add-device dialog"),
                 bench::alternating([] { kiv::AddDeviceWidget dialog(bench::taskName()); },
                                    [&opening] { opening.run(); }),
                 kGoal, QStringLiteral("its catalogue queries"));

    // One tick on the open dialog: the filter asks for the models carrying
    // the value and for the class list, and lists the result. The tick is
    // taken back unseen between runs.
    kiv::AddDeviceWidget dialog(bench::taskName());
    dialog.show();
    kiv::ParamModel *cameras = dialog.paramModelOfTab(kiv::AddDeviceWidget::IpcTab);
    QStandardItem *bullet = valueOfCode(cameras, QStringLiteral("020101"));
    if (!bullet) {
        bench::out() << "the demo catalogue has no camera value 020101" << Qt::endl;
        return 1;
    }
    kiv::TaskDataBase *catalogue = kiv::TaskDataBase::GetInstance();
    bench::print(QStringLiteral("one filter change (a ticked value)"),
                 bench::alternating(
                     [&] {
                         bullet->setCheckState(Qt::Checked);
                         const QSignalBlocker quiet(cameras);
                         bullet->setCheckState(Qt::Unchecked);
                     },
                     [catalogue] {
                         QVector<QString> carrying;
                         catalogue->getDeviceByCodesOrdered(0, {QStringLiteral("020101")},
                                                            carrying);
                         QStringList all;
                         catalogue->getDeviceList(0, all);
                     }),
                 kGoal, QStringLiteral("its catalogue queries"));
    return 0;
}
