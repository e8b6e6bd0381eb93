#include "ClassNames.h"

#include "TranslationGuard.h"

#include <QtTest>

// Stored class names are read in either language, and the shipped Chinese
// catalogue translates each of them as the table does.
class TestClassNames : public QObject
{
    Q_OBJECT

private slots:
    void deviceClasses_data();
    void deviceClasses();
    void storageClassesAndDiskTypes();
    void chineseCatalogueAgreesWithTheTable();
};

void TestClassNames::deviceClasses_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("IPC") << QStringLiteral("IPC") << int(kiv::NetworkCamera);
    QTest::newRow("DVR") << QStringLiteral("DVR") << int(kiv::Dvr);
    QTest::newRow("Dome") << QStringLiteral("Dome") << int(kiv::SpeedDome);
    QTest::newRow("NVR") << QStringLiteral("NVR") << int(kiv::Nvr);
    QTest::newRow("CVR") << QStringLiteral("CVR") << int(kiv::Cvr);
    QTest::newRow("camera in Chinese") << QStringLiteral("网络摄像机") << int(kiv::NetworkCamera);
    QTest::newRow("DVR in Chinese") << QStringLiteral("硬盘录像机") << int(kiv::Dvr);
    QTest::newRow("dome in Chinese") << QStringLiteral("球机") << int(kiv::SpeedDome);
    QTest::newRow("a blank around it") << QStringLiteral(" DVR ") << int(kiv::Dvr);
    QTest::newRow("another case is another text")
        << QStringLiteral("dvr") << int(kiv::UnknownDeviceClass);
    QTest::newRow("empty") << QString() << int(kiv::UnknownDeviceClass);
}

void TestClassNames::deviceClasses()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    QCOMPARE(int(kiv::deviceClassOf(stored)), expected);
    if (expected >= 0)
        QCOMPARE(kiv::deviceClassOf(kiv::deviceClassSource(kiv::DeviceClass(expected))),
                 kiv::DeviceClass(expected));
}

void TestClassNames::storageClassesAndDiskTypes()
{
    QCOMPARE(kiv::storageClassOf(QStringLiteral("NVR")), kiv::NvrStorage);
    QCOMPARE(kiv::storageClassOf(QStringLiteral("CVR存储")), kiv::CvrStorage);
    QCOMPARE(kiv::storageClassOf(QStringLiteral("存储服务器")), kiv::StorageServer);
    QCOMPARE(kiv::storageClassOf(QStringLiteral("Storage Server")), kiv::StorageServer);
    QCOMPARE(kiv::storageClassOf(QStringLiteral("IPC")), kiv::UnknownStorageClass);
    QCOMPARE(kiv::hddTypeOf(QStringLiteral("Common")), kiv::CommonHdd);
    QCOMPARE(kiv::hddTypeOf(QStringLiteral("普通")), kiv::CommonHdd);
    QCOMPARE(kiv::hddTypeOf(QStringLiteral("raid")), kiv::RaidHdd);
    QCOMPARE(kiv::hddTypeOf(QStringLiteral("RAID")), kiv::RaidHdd);
    QCOMPARE(kiv::hddTypeOf(QString()), kiv::UnknownHddType);
    QCOMPARE(kiv::hddTypeSource(kiv::RaidHdd), QStringLiteral("raid"));
}

void TestClassNames::chineseCatalogueAgreesWithTheTable()
{
    int n = 0;
    const kiv::ClassNameEntry *table = kiv::classNameTable(&n);
    QHash<QString, QString> expected;
    for (int i = 0; i < n; ++i)
        expected.insert(QString::fromLatin1(table[i].english), QString::fromUtf8(table[i].chinese));

    const QDir catalogues(QStringLiteral(VARNEL_SOURCE_DIR "/data/translations"));
    int checked = 0;
    for (const QString &name :
         catalogues.entryList({QStringLiteral("Varnel_*_zh.ts")}, QDir::Files, QDir::Name)) {
        for (const translationguard::Message &m :
             translationguard::readTs(catalogues.filePath(name))) {
            if (!expected.contains(m.source))
                continue;
            ++checked;
            QVERIFY2(m.translation == expected.value(m.source),
                     qPrintable(name + QLatin1Char(':') + translationguard::key(m) +
                                QStringLiteral(" is translated as ") + m.translation));
        }
    }
    // The device list names the classes, so the catalogue has them.
    QVERIFY(checked >= 3);
}

QTEST_GUILESS_MAIN(TestClassNames)
#include "tst_classnames.moc"
