#include <DeviceListModel.h>
#include <DeviceListWidget.h>

#include "AppCatalogue.h"
#include "ProgramFolder.h"
#include "FailingSaves.h"

#include <ItemDataRole.h>
#include <TaskDeviceFile.h>
#include <WarningDlg.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using KavrinGUIToolkit::CWarningDlg;
using kiv::DeviceListModel;

namespace {

const QString kTask = QStringLiteral("Lobby");

DeviceInfo device(const QString &type, const QString &mainType, int count = 1, int main = 2048,
                  int sub = 512, const QString &remark = QString())
{
    DeviceInfo d;
    d.deviceType = type;
    d.remark = remark;
    d.mainType = mainType;
    d.count = count;
    d.mainStream = main;
    d.subStream = sub;
    return d;
}

void writeDevices(const QVector<DeviceInfo> &devices)
{
    TaskDeviceFile file(kTask);
    QVERIFY(file.isOpen());
    for (const DeviceInfo &d : devices)
        QVERIFY(file.addDevice(d));
    QVERIFY(file.close());
}

QVector<DeviceInfo> storedDevices()
{
    TaskDeviceFile file(kTask);
    QVector<DeviceInfo> out;
    file.devices(out);
    return out;
}

QStringList shownMessages()
{
    QStringList out;
    for (const CWarningDlg::Shown &m : CWarningDlg::History())
        out << m.title + QLatin1Char('|') + m.text;
    return out;
}

QString cell(const DeviceListModel &model, int row, int column)
{
    return model.index(row, column).data().toString();
}

} // namespace

class TestDeviceListModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void headerTitles();
    void appendedDevicesTakeTheirClassFromTheCatalogue_data();
    void appendedDevicesTakeTheirClassFromTheCatalogue();
    void loadedRowsKeepTheStoredClassInEitherLanguage_data();
    void loadedRowsKeepTheStoredClassInEitherLanguage();
    void dvrRowsHaveNoBitRatesAndNoAccessoryIcon();
    void cellEdits_data();
    void cellEdits();
    void refusedEditRestoresTheCellsOwnValue();
    void taskTotalUsesTheEditedCellsOldCount();
    void failedWriteIsToldAndRestored();
    void removeDeviceRemovesFileEntryAndRow();
    void removeOfAnEntryThatIsGoneKeepsTheRow();
    void solutionImportFollowsSceneOrderAndStopsAFailedSceneOnly();
    void appendStopsAtTheTaskLimit();
    void unreadableFileLeavesNoRows();
    void iconStatesToggleAndReset();

private:
    std::unique_ptr<AppCatalogue> m_catalogue;
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestDeviceListModel::initTestCase()
{
    m_catalogue = std::make_unique<AppCatalogue>();
}

void TestDeviceListModel::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    CWarningDlg::ClearHistory();
    CWarningDlg::SetResponder([](const CWarningDlg::Shown &) { return 1; });
}

void TestDeviceListModel::cleanup()
{
    CWarningDlg::SetResponder({});
    CWarningDlg::ClearHistory();
    m_folder.reset();
}

void TestDeviceListModel::headerTitles()
{
    DeviceListModel model;
    QAbstractItemModelTester tester(&model);
    QStringList titles;
    for (int c = 0; c < model.columnCount(); ++c) {
        titles << model.headerData(c, Qt::Horizontal).toString();
        QCOMPARE(model.headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignLeft | Qt::AlignVCenter));
    }
    QCOMPARE(titles,
             (QStringList{QStringLiteral("Device Type"), QStringLiteral("Remark"),
                          QStringLiteral("Main Type"), QStringLiteral("Device Count"),
                          QStringLiteral("Main Stream(kbps)"), QStringLiteral("Sub-Stream(kbps)"),
                          QStringLiteral("Config"), QStringLiteral("Delete")}));
}

void TestDeviceListModel::appendedDevicesTakeTheirClassFromTheCatalogue_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("code");
    QTest::newRow("a listed camera is an IPC")
        << QStringLiteral("CAM-A") << QStringLiteral("IPC") << 0;
    QTest::newRow("a listed DVR is a DVR") << QStringLiteral("DVR-A") << QStringLiteral("DVR") << 1;
    QTest::newRow("a hybrid recorder counts as a DVR")
        << QStringLiteral("HNVR-A") << QStringLiteral("DVR") << 1;
    QTest::newRow("a speed dome is in neither list: Dome")
        << QStringLiteral("DOME-A") << QStringLiteral("Dome") << 2;
    QTest::newRow("an unknown type is a Dome too")
        << QStringLiteral("XYZ-1") << QStringLiteral("Dome") << 2;
}

void TestDeviceListModel::appendedDevicesTakeTheirClassFromTheCatalogue()
{
    QFETCH(QString, type);
    QFETCH(QString, className);
    QFETCH(int, code);
    DeviceListModel model;
    model.setTaskName(kTask);
    // The class name the caller passes is not what decides: the catalogue does.
    QVERIFY(model.appendDevice(device(type, QStringLiteral("IPC"))));
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(cell(model, 0, 2), className);
    QCOMPARE(model.index(0, 0).data(DeviceListModel::ClassCodeRole).toInt(), code);
    QCOMPARE(storedDevices().size(), 1);
    QCOMPARE(storedDevices().at(0).deviceType, type);
}

void TestDeviceListModel::loadedRowsKeepTheStoredClassInEitherLanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("code");
    QTest::newRow("Dome") << QStringLiteral("Dome") << 2;
    QTest::newRow("dome in Chinese") << QStringLiteral("球机") << 2;
    QTest::newRow("DVR in Chinese") << QStringLiteral("硬盘录像机") << 1;
    QTest::newRow("NVR") << QStringLiteral("NVR") << 3;
    QTest::newRow("anything else counts as a camera") << QStringLiteral("Thing") << 0;
}

void TestDeviceListModel::loadedRowsKeepTheStoredClassInEitherLanguage()
{
    QFETCH(QString, stored);
    QFETCH(int, code);
    writeDevices({device(QStringLiteral("CAM-A"), stored)});
    DeviceListModel model;
    QVERIFY(model.loadTask(kTask));
    QCOMPARE(cell(model, 0, 2), stored);
    QCOMPARE(model.index(0, 0).data(DeviceListModel::ClassCodeRole).toInt(), code);
}

void TestDeviceListModel::dvrRowsHaveNoBitRatesAndNoAccessoryIcon()
{
    writeDevices({device(QStringLiteral("DVR-A"), QStringLiteral("DVR"), 2, 4096, 1024),
                  device(QStringLiteral("CAM-A"), QStringLiteral("IPC"), 3, 4096, 1024)});
    DeviceListModel model;
    QAbstractItemModelTester tester(&model);
    QVERIFY(model.loadTask(kTask));
    QCOMPARE(model.rowCount(), 2);

    const auto flagsOf = [&](int row, int column) { return model.index(row, column).flags(); };
    QCOMPARE(cell(model, 0, 4), QString());
    QCOMPARE(cell(model, 0, 5), QString());
    QVERIFY(!(flagsOf(0, 4) & Qt::ItemIsEditable));
    QVERIFY(!(flagsOf(0, 5) & Qt::ItemIsEditable));
    const QModelIndex dvrConfig = model.index(0, 6);
    QVERIFY(dvrConfig.data(KavrinGUIToolkit::FirstIconRole).isValid());
    QVERIFY(dvrConfig.data(KavrinGUIToolkit::SecondIconRole).isValid());
    QVERIFY(!dvrConfig.data(KavrinGUIToolkit::ThirdIconRole).isValid());
    QCOMPARE(dvrConfig.data(Qt::ToolTipRole).toString(), QStringLiteral("Stream/Record Schedule"));

    QCOMPARE(cell(model, 1, 4), QStringLiteral("4096"));
    QVERIFY(flagsOf(1, 4) & Qt::ItemIsEditable);
    QVERIFY(model.index(1, 6).data(KavrinGUIToolkit::ThirdIconRole).isValid());
    QCOMPARE(model.index(1, 6).data(Qt::ToolTipRole).toString(),
             QStringLiteral("Stream/Record Schedule/Ingredient"));
    QVERIFY(model.index(1, 7).data(KavrinGUIToolkit::SecondIconRole).isValid());
    // Editor lengths: remark 32, count 4, bit rates 5.
    QCOMPARE(model.index(1, 1).data(KavrinGUIToolkit::EditMaxLengthRole).toInt(), 32);
    QCOMPARE(model.index(1, 3).data(KavrinGUIToolkit::EditMaxLengthRole).toInt(), 4);
    QCOMPARE(model.index(1, 5).data(KavrinGUIToolkit::EditMaxLengthRole).toInt(), 5);
    QVERIFY(!(flagsOf(1, 0) & Qt::ItemIsEditable));
    QVERIFY(!(flagsOf(1, 2) & Qt::ItemIsEditable));
}

void TestDeviceListModel::cellEdits_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");   // the cell afterwards
    QTest::addColumn<QString>("message"); // "" for none
    QTest::addColumn<bool>("stored");

    const QString range = QStringLiteral("Warn|Device Count Ranges [1~1024]");
    const QString task = QStringLiteral("Warn|The device number of task ranges[1~1024]");
    const QString rate = QStringLiteral("Warn|The Bit rate is not valid(range 0 or 32k-16384k)");
    QTest::newRow("a count in range is stored")
        << 3 << QStringLiteral("5") << QStringLiteral("5") << QString() << true;
    QTest::newRow("a count typed with leading zeros keeps its text")
        << 3 << QStringLiteral("007") << QStringLiteral("007") << QString() << true;
    QTest::newRow("count 0 is out of range")
        << 3 << QStringLiteral("0") << QStringLiteral("2") << range << false;
    QTest::newRow("count 1025 breaks the task total")
        << 3 << QStringLiteral("1025") << QStringLiteral("2") << task << false;
    QTest::newRow("a count lifting the task total over 1024")
        << 3 << QStringLiteral("1000") << QStringLiteral("2") << task << false;
    QTest::newRow("letters are put back silently")
        << 3 << QStringLiteral("abc") << QStringLiteral("2") << QString() << false;
    QTest::newRow("an empty count is put back silently")
        << 3 << QString() << QStringLiteral("2") << QString() << false;
    QTest::newRow("full-width digits are not digits")
        << 3 << QStringLiteral("５") << QStringLiteral("2") << QString() << false;
    QTest::newRow("bit rate 0 is stored")
        << 4 << QStringLiteral("0") << QStringLiteral("0") << QString() << true;
    QTest::newRow("bit rate 32 is stored")
        << 4 << QStringLiteral("32") << QStringLiteral("32") << QString() << true;
    QTest::newRow("bit rate 31 is refused")
        << 4 << QStringLiteral("31") << QStringLiteral("2048") << rate << false;
    QTest::newRow("sub stream 16384 is stored")
        << 5 << QStringLiteral("16384") << QStringLiteral("16384") << QString() << true;
    QTest::newRow("sub stream 16385 is refused")
        << 5 << QStringLiteral("16385") << QStringLiteral("512") << rate << false;
    QTest::newRow("any remark is stored") << 1 << QStringLiteral("east wall <b>")
                                          << QStringLiteral("east wall <b>") << QString() << true;
    QTest::newRow("an empty remark is stored") << 1 << QString() << QString() << QString() << true;
}

void TestDeviceListModel::cellEdits()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    QFETCH(bool, stored);
    writeDevices({device(QStringLiteral("CAM-A"), QStringLiteral("IPC"), 2, 2048, 512,
                         QStringLiteral("gate")),
                  device(QStringLiteral("CAM-B"), QStringLiteral("IPC"), 100)});
    // The pane that owns the list tells the planner what it reports.
    kiv::DeviceListWidget pane;
    DeviceListModel &model = *pane.model();
    model.setTaskName(kTask);
    QVERIFY(model.loadTask(kTask));
    QSignalSpy stores(&model, &DeviceListModel::cellStored);
    const QByteArray before = ProgramFolder::readAll(TaskDeviceFile::filePath(kTask));

    model.item(0, column)->setText(text);

    QCOMPARE(cell(model, 0, column), shown);
    QCOMPARE(shownMessages(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(stores.count(), stored ? 1 : 0);
    const DeviceInfo d = storedDevices().at(0);
    if (stored) {
        const QString value = column == 1   ? d.remark
                              : column == 3 ? QString::number(d.count)
                              : column == 4 ? QString::number(d.mainStream)
                                            : QString::number(d.subStream);
        QCOMPARE(value, column == 1 ? text : QString::number(text.toInt()));
        QCOMPARE(stores.at(0).at(1).toInt(), column);
    } else {
        QCOMPARE(ProgramFolder::readAll(TaskDeviceFile::filePath(kTask)), before);
    }
}

void TestDeviceListModel::refusedEditRestoresTheCellsOwnValue()
{
    writeDevices({device(QStringLiteral("CAM-A"), QStringLiteral("IPC"), 2, 2048, 512,
                         QStringLiteral("gate"))});
    DeviceListModel model;
    model.setTaskName(kTask);
    QVERIFY(model.loadTask(kTask));
    // The last cell clicked was the remark; the keyboard then went on to the
    // count, which is refused: the count comes back, not the remark.
    model.onCurrentIndex(model.index(0, 1));
    model.item(0, 3)->setText(QStringLiteral("0"));
    QCOMPARE(cell(model, 0, 3), QStringLiteral("2"));
    model.item(0, 4)->setText(QStringLiteral("20000"));
    QCOMPARE(cell(model, 0, 4), QStringLiteral("2048"));
    // An accepted edit becomes the value a later refusal goes back to.
    model.item(0, 4)->setText(QStringLiteral("1024"));
    model.item(0, 4)->setText(QStringLiteral("7"));
    QCOMPARE(cell(model, 0, 4), QStringLiteral("1024"));
    QCOMPARE(storedDevices().at(0).mainStream, 1024);
}

void TestDeviceListModel::taskTotalUsesTheEditedCellsOldCount()
{
    writeDevices({device(QStringLiteral("CAM-A"), QStringLiteral("IPC"), 1000),
                  device(QStringLiteral("CAM-B"), QStringLiteral("IPC"), 20)});
    // The pane that owns the list tells the planner what it reports.
    kiv::DeviceListWidget pane;
    DeviceListModel &model = *pane.model();
    model.setTaskName(kTask);
    QVERIFY(model.loadTask(kTask));
    model.onCurrentIndex(model.index(0, 1));         // a remark cell was clicked last
    model.item(1, 3)->setText(QStringLiteral("24")); // 1000 + 24 = 1024: allowed
    QCOMPARE(shownMessages(), QStringList());
    QCOMPARE(storedDevices().at(1).count, 24);
    model.item(1, 3)->setText(QStringLiteral("25")); // 1025: refused
    QCOMPARE(shownMessages(),
             QStringList{QStringLiteral("Warn|The device number of task ranges[1~1024]")});
    QCOMPARE(cell(model, 1, 3), QStringLiteral("24"));
}

void TestDeviceListModel::failedWriteIsToldAndRestored()
{
    writeDevices({device(QStringLiteral("CAM-A"), QStringLiteral("IPC"), 2)});
    // The pane that owns the list tells the planner what it reports.
    kiv::DeviceListWidget pane;
    DeviceListModel &model = *pane.model();
    model.setTaskName(kTask);
    QVERIFY(model.loadTask(kTask));
    QSignalSpy stores(&model, &DeviceListModel::cellStored);
    // The folder went away: nothing can be stored.
    QVERIFY(QDir(m_folder->file(QStringLiteral("Task"))).removeRecursively());
    model.item(0, 1)->setText(QStringLiteral("north"));
    model.item(0, 3)->setText(QStringLiteral("3"));
    // The second line says why: the device file is missing and cannot be
    // created.
    const QString reason = failurereason::ofDeviceFileOpen(kTask);
    QVERIFY(!reason.isEmpty());
    const QString failed = QStringLiteral("Warn|Failed.\n") + reason;
    QCOMPARE(shownMessages(), (QStringList{failed, failed}));
    QCOMPARE(cell(model, 0, 1), QString());
    QCOMPARE(cell(model, 0, 3), QStringLiteral("2"));
    QCOMPARE(stores.count(), 0);
}

void TestDeviceListModel::removeDeviceRemovesFileEntryAndRow()
{
    writeDevices({device(QStringLiteral("CAM-A"), QStringLiteral("IPC")),
                  device(QStringLiteral("CAM-B"), QStringLiteral("IPC")),
                  device(QStringLiteral("DVR-A"), QStringLiteral("DVR"))});
    DeviceListModel model;
    model.setTaskName(kTask);
    QVERIFY(model.loadTask(kTask));
    QVERIFY(model.removeDevice(1));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(cell(model, 1, 0), QStringLiteral("DVR-A"));
    const QVector<DeviceInfo> left = storedDevices();
    QCOMPARE(left.size(), 2);
    QCOMPARE(left.at(1).deviceType, QStringLiteral("DVR-A"));
}

void TestDeviceListModel::removeOfAnEntryThatIsGoneKeepsTheRow()
{
    writeDevices({device(QStringLiteral("CAM-A"), QStringLiteral("IPC"))});
    DeviceListModel model;
    model.setTaskName(kTask);
    QVERIFY(model.loadTask(kTask));
    {
        TaskDeviceFile file(kTask);
        QVERIFY(file.removeDevice(0));
    }
    QVERIFY(!model.removeDevice(0));
    QCOMPARE(model.rowCount(), 1);
}

void TestDeviceListModel::solutionImportFollowsSceneOrderAndStopsAFailedSceneOnly()
{
    DeviceListModel model;
    model.setTaskName(kTask);
    SceneGroupMap scenes;
    scenes[QStringLiteral("B gate")][QStringLiteral("CAM-A")] = 2;
    scenes[QStringLiteral("A hall")][QStringLiteral("CAM-A")] = 1000;
    scenes[QStringLiteral("A hall")][QStringLiteral("CAM-B")] = 100; // over the limit
    scenes[QStringLiteral("A hall")][QStringLiteral("DOME-A")] = 1;  // skipped with it
    scenes[QStringLiteral("C yard")][QStringLiteral("DVR-A")] = 0;   // a solution may say 0
    QVERIFY(!model.addDevices(scenes));

    const QVector<DeviceInfo> stored = storedDevices();
    QCOMPARE(stored.size(), 3);
    QCOMPARE(stored.at(0).remark, QStringLiteral("A hall"));
    QCOMPARE(stored.at(0).count, 1000);
    QCOMPARE(stored.at(0).mainStream, 1024);
    QCOMPARE(stored.at(0).subStream, 1024);
    QCOMPARE(stored.at(1).remark, QStringLiteral("B gate"));
    QCOMPARE(stored.at(2).deviceType, QStringLiteral("DVR-A"));
    QCOMPARE(stored.at(2).mainType, QStringLiteral("DVR"));
    QCOMPARE(stored.at(2).count, 0);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(cell(model, 2, 4), QString()); // a DVR row
}

void TestDeviceListModel::appendStopsAtTheTaskLimit()
{
    DeviceListModel model;
    model.setTaskName(kTask);
    QVERIFY(model.appendDevice(device(QStringLiteral("CAM-A"), QString(), 1000)));
    QVERIFY(model.appendDevice(device(QStringLiteral("CAM-B"), QString(), 24)));
    QVERIFY(!model.appendDevice(device(QStringLiteral("CAM-B"), QString(), 1)));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(storedDevices().size(), 2);
}

void TestDeviceListModel::unreadableFileLeavesNoRows()
{
    writeDevices({device(QStringLiteral("CAM-A"), QStringLiteral("IPC"))});
    DeviceListModel model;
    QVERIFY(model.loadTask(kTask));
    QCOMPARE(model.rowCount(), 1);
    const QString other = TaskDeviceFile::filePath(QStringLiteral("Yard"));
    const QByteArray cut = "<?xml version=\"1.0\"?><DeviceInfoList><DeviceInfo><Device";
    QVERIFY(ProgramFolder::write(other, cut));
    QVERIFY(!model.loadTask(QStringLiteral("Yard")));
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(ProgramFolder::readAll(other), cut);
}

void TestDeviceListModel::iconStatesToggleAndReset()
{
    writeDevices({device(QStringLiteral("DVR-A"), QStringLiteral("DVR")),
                  device(QStringLiteral("CAM-A"), QStringLiteral("IPC"))});
    DeviceListModel model;
    QVERIFY(model.loadTask(kTask));
    const QModelIndex cam = model.index(1, 6);
    const QModelIndex dvr = model.index(0, 6);
    model.setIconState(cam, KavrinGUIToolkit::FirstIconRole, true);
    QCOMPARE(cam.data(DeviceListModel::StreamIconStateRole).toInt(), 1);
    model.setIconState(cam, KavrinGUIToolkit::FirstIconRole, true);
    QCOMPARE(cam.data(DeviceListModel::StreamIconStateRole).toInt(), 0);
    model.setIconState(cam, KavrinGUIToolkit::ThirdIconRole, true);
    QCOMPARE(cam.data(DeviceListModel::AccessoryIconStateRole).toInt(), 1);
    // A DVR has no accessory icon to select.
    model.setIconState(dvr, KavrinGUIToolkit::ThirdIconRole, true);
    QVERIFY(!dvr.data(KavrinGUIToolkit::ThirdIconRole).isValid());
    // Another column, another role: nothing.
    model.setIconState(model.index(1, 3), KavrinGUIToolkit::FirstIconRole, true);
    model.setIconState(cam, Qt::DisplayRole, true);
    model.setIconState(dvr, KavrinGUIToolkit::SecondIconRole, true);
    model.resetAllIcons();
    for (const QModelIndex &i : {cam, dvr}) {
        QCOMPARE(i.data(DeviceListModel::StreamIconStateRole).toInt(), 0);
        QCOMPARE(i.data(DeviceListModel::RecordIconStateRole).toInt(), 0);
    }
    QCOMPARE(cam.data(DeviceListModel::AccessoryIconStateRole).toInt(), 0);
}

QTEST_MAIN(TestDeviceListModel)
#include "tst_devicelistmodel.moc"
