// Times the add-device dialog on the demo catalogue, or with `--catalogue
// FILE` on another one (the run target passes the one of 50 times the demo
// catalogue's models that LargeCatalogue.sql makes): opening it, from its
// construction (the camera tab's filter tree and the camera list built) to
// its camera list painted, against a plain Qt Widgets program
// (varnel_plain_forms) that builds the same form with the same rows in
// plain item models, read by bare QSqlQuery statements, and shows it until
// its list is painted, the two timed in turn; and one filter change (a
// ticked value) to the list painted anew, against the catalogue's own
// queries for it. Not a test: it prints medians and always exits 0 once the
// catalogue is there.

#include "GuiSupport.h"

#include <AddDeviceWidget.h>
#include <ParamCode.h>
#include <ParamModel.h>
#include <TaskDataBase.h>

#include <QApplication>
#include <QProcess>
#include <QTreeView>

#include <memory>

namespace {

constexpr double kOpenGoal = 1.5;
constexpr double kFilterGoal = 3.0;

/// The plain program's form, opened at each call and timed by the program.
class PlainDialog
{
public:
    explicit PlainDialog(const QString &folder)
    {
        ParamCodeItem cameras;
        if (!kiv::ParamCode::GetInstance()->getIPCType(cameras))
            cameras.code = QStringLiteral("011001");
        m_process.start(QCoreApplication::applicationDirPath() +
                            QStringLiteral("/varnel_plain_forms"),
                        {QStringLiteral("dialog"), folder + QStringLiteral("/Task_EN.db"),
                         folder + QStringLiteral("/FilterConfig.xml"), cameras.code});
    }
    ~PlainDialog()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
    }
    PlainDialog(const PlainDialog &) = delete;
    PlainDialog &operator=(const PlainDialog &) = delete;

    /// The milliseconds the plain form took to be painted; negative when it
    /// was not.
    double open()
    {
        m_process.write("open\n");
        m_process.waitForBytesWritten();
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(10000))
                return -1;
        }
        const double ms = m_process.readLine().trimmed().toDouble();
        if (ms < 0)
            m_failed = true;
        return ms;
    }
    bool failed() const { return m_failed; }

private:
    QProcess m_process;
    bool m_failed = false;
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
    PlainDialog plain(start.folder());
    std::unique_ptr<kiv::AddDeviceWidget> shown;
    bool painted = true;
    bench::print(QStringLiteral("add-device dialog shown and painted") + suffix,
                 bench::alternatingTimed(
                     [&shown] { shown.reset(); },
                     [&] {
                         return bench::untilPainted(
                             [&] {
                                 shown = std::make_unique<kiv::AddDeviceWidget>(bench::taskName());
                                 shown->show();
                             },
                             [&shown] {
                                 return shown->findChild<QTreeView *>(QStringLiteral("devTreeView"))
                                     ->viewport();
                             },
                             &painted);
                     },
                     [&plain] { return plain.open(); }, bench::kShortRuns),
                 kOpenGoal, QStringLiteral("plain Qt form, same rows"),
                 large ? "dialog.x50" : "dialog.demo");
    shown.reset();
    if (!painted || plain.failed())
        bench::out() << "a dialog or its plain form was not painted: the figure is not valid"
                     << Qt::endl;

    // One tick on the open dialog: the filter asks for the models carrying
    // the value and for the class list, and lists the result.
    kiv::AddDeviceWidget dialog(bench::taskName());
    bench::showAndPaint(&dialog);
    kiv::ParamModel *cameras = dialog.paramModelOfTab(kiv::AddDeviceWidget::IpcTab);
    QStandardItem *bullet = valueOfCode(cameras, QStringLiteral("020101"));
    if (!bullet) {
        bench::out() << "the catalogue has no camera value 020101" << Qt::endl;
        return 1;
    }
    kiv::TaskDataBase *database = kiv::TaskDataBase::GetInstance();
    auto *list = dialog.findChild<QTreeView *>(QStringLiteral("devTreeView"));
    bench::print(QStringLiteral("one filter change (a ticked value)") + suffix,
                 bench::alternatingTimed(
                     [] {},
                     [&] {
                         // What the planner waits for: the models listed and
                         // painted. The tick is taken back unseen.
                         const double ms = bench::untilViewPainted(
                             list, [bullet] { bullet->setCheckState(Qt::Checked); }, painted);
                         const QSignalBlocker quiet(cameras);
                         bullet->setCheckState(Qt::Unchecked);
                         return ms;
                     },
                     bench::timed([database] {
                         QVector<QString> carrying;
                         database->getDeviceByCodesOrdered(0, {QStringLiteral("020101")}, carrying);
                         QStringList all;
                         database->getDeviceList(0, all);
                     }),
                     bench::kShortRuns),
                 kFilterGoal, QStringLiteral("its catalogue queries"));
    if (!painted)
        bench::out() << "the list was not painted after a tick: the figure is not valid"
                     << Qt::endl;
    return 0;
}
