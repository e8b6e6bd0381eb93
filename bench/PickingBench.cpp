// Times the add-device dialog on the demo catalogue, or with `--catalogue
// FILE` on another one (the run target passes the one of 50 times the demo
// catalogue's models that LargeCatalogue.sql makes): opening it, from its
// construction (the three filter trees and the camera list built) to its
// first frame painted, and one filter change (a ticked value). Each figure
// is set against the catalogue's own queries for the same rows, timed in
// turn with it, so the ratio is what the widgets add on top of the queries.
// Not a test: it prints medians and always exits 0 once the catalogue is
// there.

#include "GuiSupport.h"

#include <AddDeviceWidget.h>
#include <FilterConfig.h>
#include <ParamModel.h>
#include <TaskDataBase.h>

#include <QApplication>
#include <QMap>

#include <memory>

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
    // The catalogue is chosen before the application is made: the program
    // folder is made with it.
    QString catalogue;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--catalogue") == 0)
            catalogue = QString::fromLocal8Bit(argv[i + 1]);
    }
    const bench::ProgramStart start(argc, argv, catalogue);
    if (!start.ready())
        return 1;
    const bool large = !catalogue.isEmpty();
    QStringList models[3];
    for (int tab = 0; tab < 3; ++tab)
        kiv::TaskDataBase::GetInstance()->getDeviceList(kiv::AddDeviceWidget::deviceClassOfTab(tab),
                                                        models[tab]);
    bench::out() << "add-device dialog on " << (large ? "the large" : "the demo") << " catalogue ("
                 << models[0].size() << " cameras, " << models[1].size() << " speed domes, "
                 << models[2].size() << " DVRs and NVRs listed); median of " << bench::kShortRuns
                 << " runs, each in turn with its baseline" << Qt::endl
                 << Qt::endl;
    const QString suffix = large ? QStringLiteral(", catalogue x50") : QStringLiteral(", demo");

    // The last dialog goes away before the next opens, untimed.
    const OpeningQueries opening;
    std::unique_ptr<kiv::AddDeviceWidget> shown;
    bool painted = true;
    bench::print(
        QStringLiteral("add-device dialog shown and painted") + suffix,
        bench::alternating([&shown] { shown.reset(); },
                           [&] {
                               shown = std::make_unique<kiv::AddDeviceWidget>(bench::taskName());
                               painted = bench::showAndPaint(shown.get()) && painted;
                           },
                           [&opening] { opening.run(); }, bench::kShortRuns),
        kGoal, QStringLiteral("its catalogue queries"), large ? "dialog.x50" : "dialog.demo");
    shown.reset();
    if (!painted)
        bench::out() << "the dialog was not painted: the figure is not valid" << Qt::endl;

    // One tick on the open dialog: the filter asks for the models carrying
    // the value and for the class list, and lists the result. The tick is
    // taken back unseen between runs.
    kiv::AddDeviceWidget dialog(bench::taskName());
    bench::showAndPaint(&dialog);
    kiv::ParamModel *cameras = dialog.paramModelOfTab(kiv::AddDeviceWidget::IpcTab);
    QStandardItem *bullet = valueOfCode(cameras, QStringLiteral("020101"));
    if (!bullet) {
        bench::out() << "the catalogue has no camera value 020101" << Qt::endl;
        return 1;
    }
    kiv::TaskDataBase *database = kiv::TaskDataBase::GetInstance();
    bench::print(QStringLiteral("one filter change (a ticked value)") + suffix,
                 bench::alternating(
                     [&] {
                         bullet->setCheckState(Qt::Checked);
                         // What the planner waits for: the models listed.
                         bench::settle();
                         const QSignalBlocker quiet(cameras);
                         bullet->setCheckState(Qt::Unchecked);
                     },
                     [database] {
                         QVector<QString> carrying;
                         database->getDeviceByCodesOrdered(0, {QStringLiteral("020101")}, carrying);
                         QStringList all;
                         database->getDeviceList(0, all);
                     },
                     bench::kShortRuns),
                 kGoal, QStringLiteral("its catalogue queries"));
    return 0;
}
