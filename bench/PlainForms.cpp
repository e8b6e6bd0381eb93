// The floors of two of the program's forms: a plain Qt Widgets program,
// linking Qt alone, that builds the same form with the same rows in plain
// item models, read from the same catalogue by bare QSqlQuery statements,
// and shows it until it is painted, timed the same way as the program's form
// (Painted.h). Its catalogue connection is opened when it starts, as the
// program's is.
//
//   varnel_plain_forms dialog CATALOGUE FILTERCONFIG CAMERACODE
//     The add-device dialog: at each line "open" on its input, the form of
//     the three class tabs (the camera tab's filter tree filled, less what
//     the filter configuration hides for cameras), the keyword row, the list
//     of the cameras (the models carrying CAMERACODE) and the entry fields,
//     in an 800 x 600 dialog; it answers the milliseconds from its first
//     line to the list painted, and closes the form untimed. It ends at the
//     end of its input.
//
//   varnel_plain_forms streams CATALOGUE FOLDER TASK DEVICE MODEL CAMERACODE
//                      PATTERN HEADING
//     The stream editor's first open after the start: once a 1024 x 768
//     window is painted, it parses the task's device file and the task list
//     (FOLDER/Task/), finds the class of MODEL (the device table that lists
//     it with its type code, CAMERACODE for cameras) and its video modes
//     (its codes like PATTERN, less HEADING, with their texts), and shows the
//     streams of device DEVICE in a 720 x 220 panel over the window; it
//     answers the milliseconds from the start of the parse to the table
//     painted, and ends.

#include "Painted.h"
#include "QuietPlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDomDocument>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTextStream>
#include <QTreeView>
#include <QVBoxLayout>
#include <QVariant>

#include <cstdio>
#include <memory>

namespace {

using Clock = bench::PaintClock<QApplication>;

bool openCatalogue(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    // SQLite reads the file at the first statement, as the program's start
    // makes it.
    QSqlQuery probe;
    return db.open() && probe.exec(QStringLiteral("select 1 from Device1 limit 1"));
}

QDomDocument parsed(const QString &path)
{
    QFile file(path);
    QDomDocument document;
    if (file.open(QIODevice::ReadOnly))
        document.setContent(file.readAll());
    return document;
}

// The rows of a bare statement with its values bound.
QSqlQuery run(const QString &sql, const QStringList &values)
{
    QSqlQuery query;
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QString &value : values)
        query.addBindValue(value);
    query.exec();
    return query;
}

QStandardItem *item(const QString &text)
{
    auto *made = new QStandardItem(text);
    made->setEditable(false);
    return made;
}

QStandardItem *checkItem(const QString &text, Qt::CheckState state)
{
    QStandardItem *made = item(text);
    made->setCheckable(true);
    made->setCheckState(state);
    return made;
}

// The codes of the camera class's lists in FilterConfig.xml.
void filterCodes(const QString &path, QStringList &hidden, QStringList &satisfy)
{
    const QDomDocument document = parsed(path);
    for (QDomElement filter = document.documentElement().firstChildElement(); !filter.isNull();
         filter = filter.nextSiblingElement()) {
        if (filter.firstChildElement(QStringLiteral("MainType")).text() != QLatin1String("0"))
            continue;
        const auto items = [&filter](const QString &list, QStringList &out) {
            for (QDomElement code = filter.firstChildElement(list).firstChildElement();
                 !code.isNull(); code = code.nextSiblingElement())
                out << code.text();
        };
        items(QStringLiteral("HideCodeList"), hidden);
        items(QStringLiteral("CheckCodeList"), satisfy);
    }
}

// The camera filter tree: headings, their groups (each with its mode row)
// and the groups' values, as the catalogue's codes nest them.
void fillTree(QStandardItemModel &tree, const QString &filterConfig)
{
    QStringList hidden;
    QStringList satisfy;
    filterCodes(filterConfig, hidden, satisfy);
    const QString rest = QStringLiteral("select* from DevParam1 where code like ? and code != ?");
    QMap<QString, QString> headings;
    for (QSqlQuery q = run(QStringLiteral("select* from DevParam1 where code like '%0000'"), {});
         q.next();)
        headings.insert(q.value(1).toString(), q.value(0).toString());
    for (auto heading = headings.cbegin(); heading != headings.cend(); ++heading) {
        if (hidden.contains(heading.value()))
            continue;
        QStandardItem *headingItem = item(heading.value());
        QMap<QString, QString> groups;
        for (QSqlQuery q =
                 run(rest, {heading.key().left(2) + QStringLiteral("%00"), heading.key()});
             q.next();)
            groups.insert(q.value(1).toString(), q.value(0).toString());
        for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
            if (hidden.contains(group.key()))
                continue;
            QStandardItem *groupItem = item(group.value());
            if (satisfy.contains(group.key())) {
                groupItem->appendRow(
                    checkItem(QStringLiteral("Whether to satisfy"), Qt::Unchecked));
            } else {
                QStandardItem *anyOne = checkItem(QStringLiteral("Any One"), Qt::Checked);
                anyOne->setEnabled(false);
                groupItem->appendRow(anyOne);
            }
            for (QSqlQuery q = run(rest, {group.key().left(4) + QStringLiteral("%"), group.key()});
                 q.next();) {
                if (!hidden.contains(q.value(1).toString()))
                    groupItem->appendRow(
                        checkItem(q.value(0).toString() + q.value(3).toString(), Qt::Unchecked));
            }
            headingItem->appendRow(groupItem);
        }
        tree.appendRow(headingItem);
    }
}

QTreeView *treeView(QWidget *parent, QAbstractItemModel *model)
{
    auto *view = new QTreeView(parent);
    view->setHeaderHidden(true);
    view->setModel(model);
    return view;
}

/// The add-device form, its models owned with it.
class DialogForm
{
public:
    DialogForm(const QString &filterConfig, const QString &cameraCode)
    {
        m_dialog.setWindowTitle(QStringLiteral("Add Device"));
        m_dialog.setFixedSize(800, 600);
        auto *outer = new QVBoxLayout(&m_dialog);
        outer->addWidget(new QLabel(QStringLiteral("Add Device"), &m_dialog));
        auto *body = new QHBoxLayout;
        outer->addLayout(body, 1);

        auto *tabs = new QTabWidget(&m_dialog);
        const char *titles[3] = {"IPC", "Dome", "DVR"};
        for (int tab = 0; tab < 3; ++tab) {
            auto *page = new QWidget(tabs);
            auto *layout = new QVBoxLayout(page);
            layout->addWidget(treeView(page, &m_trees[tab]));
            tabs->addTab(page, QLatin1String(titles[tab]));
        }
        fillTree(m_trees[0], filterConfig);
        body->addWidget(tabs, 1);

        auto *right = new QVBoxLayout;
        body->addLayout(right, 1);
        auto *group = new QGroupBox(&m_dialog);
        auto *groupLayout = new QVBoxLayout(group);
        auto *keywordRow = new QHBoxLayout;
        keywordRow->addWidget(new QLabel(QStringLiteral("Keyword"), group));
        keywordRow->addWidget(new QLineEdit(group), 1);
        keywordRow->addWidget(new QPushButton(QStringLiteral("Reset"), group));
        groupLayout->addLayout(keywordRow);
        // The cameras in name order, as the catalogue's class list gives them.
        QMap<QString, int> cameras;
        for (QSqlQuery q = run(QStringLiteral("select* from Device1 where code = ?"), {cameraCode});
             q.next();)
            ++cameras[q.value(0).toString()];
        QList<QStandardItem *> rows;
        for (auto camera = cameras.cbegin(); camera != cameras.cend(); ++camera)
            rows.append(item(camera.key()));
        m_types.invisibleRootItem()->appendRows(rows);
        m_list = treeView(group, &m_types);
        groupLayout->addWidget(m_list, 1);
        groupLayout->addWidget(new QLabel(
            QStringLiteral("Look at device parameters by double clicked device type."), group));
        right->addWidget(group, 1);

        auto *fields = new QWidget(&m_dialog);
        auto *grid = new QGridLayout(fields);
        const char *labels[3] = {"Device Type:", "Remark:", "Device Count:"};
        for (int row = 0; row < 3; ++row) {
            grid->addWidget(new QLabel(QLatin1String(labels[row]), fields), row, 0);
            grid->addWidget(new QLineEdit(fields), row, 1);
        }
        right->addWidget(fields);

        auto *streams = new QGroupBox(&m_dialog);
        auto *streamGrid = new QGridLayout(streams);
        QStringList rates;
        for (int rate = 16384; rate >= 32; rate /= 2)
            rates << QString::number(rate);
        rates << QStringLiteral("0") << QStringLiteral("Customize");
        const char *streamLabels[2] = {"Main Stream:", "Sub Stream:"};
        for (int row = 0; row < 2; ++row) {
            streamGrid->addWidget(new QLabel(QLatin1String(streamLabels[row]), streams), row, 0);
            auto *combo = new QComboBox(streams);
            combo->addItems(rates);
            combo->setCurrentText(QStringLiteral("1024"));
            streamGrid->addWidget(combo, row, 1);
            auto *custom = new QLineEdit(streams);
            custom->hide();
            streamGrid->addWidget(custom, row, 2);
        }
        right->addWidget(streams);

        auto *buttons = new QHBoxLayout;
        buttons->addStretch(1);
        buttons->addWidget(new QPushButton(QStringLiteral("OK"), &m_dialog));
        buttons->addWidget(new QPushButton(QStringLiteral("Cancel"), &m_dialog));
        outer->addLayout(buttons);
    }

    QDialog *dialog() { return &m_dialog; }
    QTreeView *list() const { return m_list; }

private:
    // The models outlive the dialog's views.
    QStandardItemModel m_trees[3];
    QStandardItemModel m_types;
    QDialog m_dialog;
    QTreeView *m_list = nullptr;
};

int dialog(const QString &filterConfig, const QString &cameraCode)
{
    QTextStream out(stdout);
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        if (qstrncmp(line, "open", 4) != 0)
            continue;
        std::unique_ptr<DialogForm> form;
        bool painted = true;
        const double ms = bench::untilPainted(
            [&] {
                form = std::make_unique<DialogForm>(filterConfig, cameraCode);
                form->dialog()->show();
            },
            [&form] { return form->list()->viewport(); }, &painted);
        out << (painted ? ms : -1.0) << Qt::endl;
        form.reset();
        QCoreApplication::processEvents();
    }
    return 0;
}

// The first stream-editor open: the streams of device @p device of @p task,
// with the choices the catalogue gives its model, in a table over @p window.
double openStreams(QWidget *window, const QStringList &args, bool &painted,
                   std::unique_ptr<QStandardItemModel> &model)
{
    const QString folder = args.value(0);
    const QString task = args.value(1);
    const int device = args.value(2).toInt();
    const QString deviceType = args.value(3);
    const QString cameraCode = args.value(4);
    const QString pattern = args.value(5);
    const QString heading = args.value(6);

    QWidget *panel = nullptr;
    return bench::untilPainted(
        [&] {
            const QDomDocument devices =
                parsed(folder + QStringLiteral("/Task/") + task + QStringLiteral(".xml"));
            QDomElement entry = devices.documentElement().firstChildElement();
            for (int i = 0; i < device && !entry.isNull(); ++i)
                entry = entry.nextSiblingElement();
            const QDomDocument tasks = parsed(folder + QStringLiteral("/Task/Task.xml"));
            int standard = 0;
            for (QDomElement t = tasks.documentElement().firstChildElement(); !t.isNull();
                 t = t.nextSiblingElement()) {
                if (t.firstChildElement(QStringLiteral("Name")).text() == task)
                    standard = t.firstChildElement(QStringLiteral("VideoStandard")).text().toInt();
            }

            // A DVR first, then a camera (a model carrying the camera type
            // code), then a speed dome.
            QString table;
            for (const char *name : {"Device2", "Device1", "Device3"}) {
                const bool cameras = qstrcmp(name, "Device1") == 0;
                QSqlQuery q = run(
                    QStringLiteral("select* from %1 where DeviceType = ?").arg(QLatin1String(name)),
                    {deviceType});
                bool listed = false;
                while (q.next())
                    listed = listed || !cameras || q.value(1).toString() == cameraCode;
                if (listed) {
                    table = QLatin1String(name);
                    break;
                }
            }
            const bool camera = table == QLatin1String("Device1");
            // The model's video modes, "50Hz:25fps(1920x1080)": the
            // resolutions of the task's standard with their frame rates.
            QMap<QString, QString> modes;
            if (camera) {
                QSqlQuery q = run(QStringLiteral("select p.Name from Device1 d, DevParam1 p where "
                                                 "d.DeviceType = ? and d.code like ? and "
                                                 "d.code != ? and p.code = d.code"),
                                  {deviceType, pattern, heading});
                while (q.next()) {
                    const QString text = q.value(0).toString();
                    const int colon = text.indexOf(QLatin1Char(':'));
                    const int open = text.indexOf(QLatin1Char('('));
                    if (colon < 0 || open < colon)
                        continue;
                    if ((text.left(colon) == QLatin1String("50Hz")) != (standard == 0))
                        continue;
                    modes.insert(text.mid(open + 1, text.size() - open - 2),
                                 text.mid(colon + 1, open - colon - 4));
                }
            }
            const QStringList resolutions = modes.keys();

            model = std::make_unique<QStandardItemModel>(0, 9);
            int row = 0;
            for (QDomElement stream =
                     entry.firstChildElement(QStringLiteral("DevStreamList")).firstChildElement();
                 !stream.isNull(); stream = stream.nextSiblingElement()) {
                QList<QStandardItem *> items;
                items << item(QStringLiteral("%1-%2").arg(device + 1).arg(++row));
                const QString use = stream.firstChildElement(QStringLiteral("UseCode")).text();
                for (int k = 0; k < 3; ++k)
                    items << checkItem(QString(), k < use.size() && use.at(k) == QLatin1Char('1')
                                                      ? Qt::Checked
                                                      : Qt::Unchecked);
                items << item(stream.firstChildElement(QStringLiteral("StreamCount")).text());
                QStandardItem *resolution =
                    item(stream.firstChildElement(QStringLiteral("Resolution")).text());
                resolution->setData(resolutions, Qt::UserRole);
                items << resolution
                      << item(stream.firstChildElement(QStringLiteral("FrameRate")).text())
                      << item(stream.firstChildElement(QStringLiteral("BitRate")).text())
                      << item(QString());
                model->appendRow(items);
            }
            panel = new QWidget(window);
            panel->setFixedSize(720, 220);
            auto *layout = new QVBoxLayout(panel);
            auto *view = new QTreeView(panel);
            view->setRootIsDecorated(false);
            view->setUniformRowHeights(true);
            view->setModel(model.get());
            layout->addWidget(view, 1);
            layout->addWidget(new QPushButton(QStringLiteral("Add"), panel));
            panel->move(250, 200);
            panel->show();
            panel->raise();
        },
        [&panel] { return panel->findChild<QTreeView *>()->viewport(); }, &painted);
}

int streams(const QStringList &args)
{
    QWidget window;
    window.resize(1024, 768);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("A plain Qt Widgets window"), &window));
    window.show();
    if (bench::nextPaint(&window) == 0)
        return 3;
    bool painted = true;
    std::unique_ptr<QStandardItemModel> model;
    const double ms = openStreams(&window, args, painted, model);
    QTextStream(stdout) << (painted && model->rowCount() > 0 ? ms : -1.0) << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::quietPlatformNotes();
    Clock app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2 || !openCatalogue(args.at(1)))
        return 2;
    if (args.at(0) == QLatin1String("dialog") && args.size() == 4)
        return dialog(args.at(2), args.at(3));
    if (args.at(0) == QLatin1String("streams") && args.size() == 9)
        return streams(args.mid(2));
    return 2;
}
