#include "CalNVRThread.h"

#include "CatalogueFixture.h"
#include "ProgramFolder.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using Cameras = std::vector<IpcTypeCount>;
Q_DECLARE_METATYPE(Cameras)

namespace {

QList<NvrModel> listModels()
{
    NvrModel m;
    m.name = QStringLiteral("NVR-64");
    m.netInputNumber = 64;
    m.bandwidth = 131072;
    return {m};
}

} // namespace

class TestCalNVRThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { m_folder.reset(); }

    void threadedRunSignalsOnceWithTheDirectResult_data();
    void threadedRunSignalsOnceWithTheDirectResult();
    void signalReachesTheGuiThreadAfterAnEarlyEnd();
    void eachRunSignalsOnceMore();
    void defaultThreadUsesTheProcessCatalogue();

private:
    // One folder for the whole test: the process-wide catalogue that the
    // default thread loads from opens the folder's catalogue once.
    QScopedPointer<ProgramFolder> m_folder;
};

void TestCalNVRThread::initTestCase()
{
    m_folder.reset(new ProgramFolder);
    QVERIFY(CatalogueFixture::build(m_folder->file(QStringLiteral("Task_EN.db")),
                                    {QStringLiteral("nvr-allocation.sql")}));
}

void TestCalNVRThread::threadedRunSignalsOnceWithTheDirectResult_data()
{
    QTest::addColumn<QString>("modelName");
    QTest::addColumn<Cameras>("cameras");
    QTest::addColumn<int>("expected");

    const QString nvr = QStringLiteral("NVR-64");
    QTest::newRow("the worked example needs 4 NVRs")
        << nvr << Cameras{{4096, 100}, {2048, 50}} << 4;
    QTest::newRow("no camera needs no NVR") << nvr << Cameras() << 0;
    QTest::newRow("an unknown model reports -3")
        << QStringLiteral("NVR-X") << Cameras{{4096, 1}} << int(NvrCalculator::UnknownModel);
    QTest::newRow("too many cameras report -1")
        << nvr << Cameras{{4096, 1000001}} << int(NvrCalculator::TooManyCameras);
    QTest::newRow("a bit rate above the bandwidth reports -2")
        << nvr << Cameras{{131073, 1}} << int(NvrCalculator::UnsupportedBitRate);
}

void TestCalNVRThread::threadedRunSignalsOnceWithTheDirectResult()
{
    QFETCH(QString, modelName);
    QFETCH(Cameras, cameras);
    QFETCH(int, expected);

    NvrCalculator direct(listModels());
    QCOMPARE(direct.calculate(modelName, cameras), expected);

    kiv::CalNVRThread thread(NvrCalculator(listModels()), this);
    QVERIFY(thread.parent() == nullptr);
    QSignalSpy spy(&thread, &kiv::CalNVRThread::CalSuc);
    thread.setParam(modelName, cameras);
    thread.start(QThread::InheritPriority);
    QVERIFY(thread.wait(QDeadlineTimer(30000)));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(thread.result(), expected);
}

void TestCalNVRThread::signalReachesTheGuiThreadAfterAnEarlyEnd()
{
    kiv::CalNVRThread thread{NvrCalculator(listModels())};
    thread.setParam(QStringLiteral("NVR-64"), {{1024, 70}});

    // The storage calculator's busy dialog: a loop on the GUI thread that the
    // signal ends through a queued call.
    QEventLoop loop;
    int delivered = 0;
    connect(&thread, &kiv::CalNVRThread::CalSuc, &loop, [&] {
        QVERIFY(QThread::currentThread() == loop.thread());
        ++delivered;
        loop.quit();
    });
    thread.start();
    // The calculation is over before the loop runs.
    QVERIFY(thread.wait(QDeadlineTimer(30000)));
    QTimer::singleShot(10000, &loop, [&] { loop.exit(1); });
    QCOMPARE(loop.exec(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(delivered, 1);
    QCOMPARE(thread.result(), 2);
}

void TestCalNVRThread::eachRunSignalsOnceMore()
{
    kiv::CalNVRThread thread{NvrCalculator(listModels())};
    QSignalSpy spy(&thread, &kiv::CalNVRThread::CalSuc);
    thread.setParam(QStringLiteral("NVR-64"), {{4096, 100}});
    thread.start();
    QVERIFY(thread.wait(QDeadlineTimer(30000)));
    QCOMPARE(thread.result(), 4);

    thread.setParam(QStringLiteral("NVR-64"), {{1024, 70}});
    thread.start();
    QVERIFY(thread.wait(QDeadlineTimer(30000)));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(thread.result(), 2);
}

void TestCalNVRThread::defaultThreadUsesTheProcessCatalogue()
{
    // No settings file: English, so the catalogue is Task_EN.db.
    kiv::CalNVRThread thread;
    QSignalSpy spy(&thread, &kiv::CalNVRThread::CalSuc);
    thread.setParam(QStringLiteral("HNVR-8"), {{1024, 20}});
    thread.start();
    QVERIFY(thread.wait(QDeadlineTimer(30000)));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(thread.result(), 3);
}

QTEST_GUILESS_MAIN(TestCalNVRThread)
#include "tst_calnvrthread.moc"
