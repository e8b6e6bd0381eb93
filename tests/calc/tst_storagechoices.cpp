// What the storage form offers and refuses, without the form: its classes
// and where the catalogue lists their models, the model and RAID-type lists
// it makes of the catalogue's, the fixed storage servers by name, and the
// hot spares that many RAID groups need.

#include <StorageChoices.h>

#include <QtTest>

using namespace kiv;

namespace {

/// A list of names written as one text, separated by blanks.
QStringList names(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

Q_DECLARE_METATYPE(kiv::StorageClass)
Q_DECLARE_METATYPE(kiv::DeviceClass)

class TestStorageChoices : public QObject
{
    Q_OBJECT

private slots:
    void classesAndWhereTheirModelsAreListed_data();
    void classesAndWhereTheirModelsAreListed();
    void modelChoices_data();
    void modelChoices();
    void raidTypeChoices_data();
    void raidTypeChoices();
    void storageServersByName_data();
    void storageServersByName();
    void hotSparesForRaidGroups_data();
    void hotSparesForRaidGroups();
};

void TestStorageChoices::classesAndWhereTheirModelsAreListed_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<StorageClass>("storageClass");
    QTest::addColumn<DeviceClass>("catalogueClass");
    QTest::newRow("the first entry is the NVR, listed as NVRs") << 0 << NvrStorage << Nvr;
    QTest::newRow("the second is the CVR, listed as CVRs") << 1 << CvrStorage << Cvr;
    QTest::newRow("a storage server is looked up as a CVR") << 2 << StorageServer << Cvr;
    QTest::newRow("no entry chosen is no class") << -1 << UnknownStorageClass << Cvr;
    QTest::newRow("an entry past the list is no class") << 3 << UnknownStorageClass << Cvr;
}

void TestStorageChoices::classesAndWhereTheirModelsAreListed()
{
    QFETCH(int, index);
    QFETCH(StorageClass, storageClass);
    QFETCH(DeviceClass, catalogueClass);
    QCOMPARE(storageClassAt(index), storageClass);
    QCOMPARE(catalogueClassOf(storageClassAt(index)), catalogueClass);
}

void TestStorageChoices::modelChoices_data()
{
    QTest::addColumn<QStringList>("catalogue");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("a model under both NVR codes is offered once, where it first stands")
        << names("KN-08 KN-16 KH-08 KN-16") << names("KN-08 KN-16 KH-08");
    QTest::newRow("the catalogue's order is kept") << names("KV-64 KV-24") << names("KV-64 KV-24");
    QTest::newRow("names differing in case are two models")
        << names("kn-08 KN-08") << names("kn-08 KN-08");
    QTest::newRow("no models offer nothing") << QStringList() << QStringList();
}

void TestStorageChoices::modelChoices()
{
    QFETCH(QStringList, catalogue);
    QFETCH(QStringList, offered);
    QCOMPARE(storageModelChoices(catalogue), offered);
}

void TestStorageChoices::raidTypeChoices_data()
{
    QTest::addColumn<QStringList>("catalogue");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("hot spares are never a RAID type")
        << names("RAID0 HOT-Spare RAID5 HOT-Spare") << names("RAID0 RAID5");
    QTest::newRow("a type listed twice is offered once")
        << names("RAID5 RAID10 RAID5") << names("RAID5 RAID10");
    QTest::newRow("only the exact hot-spare text is left out")
        << names("Hot-Spare RAID1") << names("Hot-Spare RAID1");
    QTest::newRow("a model with hot spares alone offers no type")
        << names("HOT-Spare") << QStringList();
}

void TestStorageChoices::raidTypeChoices()
{
    QFETCH(QStringList, catalogue);
    QFETCH(QStringList, offered);
    QCOMPARE(kiv::raidTypeChoices(catalogue), offered);
}

void TestStorageChoices::storageServersByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::newRow("the first storage server") << "Torvel Stroage Server" << 0;
    QTest::newRow("the second storage server") << "Delvar Stroage Server" << 1;
    QTest::newRow("a recorder model is no storage server") << "KN-16" << -1;
    QTest::newRow("no name is no storage server") << QString() << -1;
}

void TestStorageChoices::storageServersByName()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QCOMPARE(storageServerIndexOf(name), index);
}

void TestStorageChoices::hotSparesForRaidGroups_data()
{
    QTest::addColumn<int>("groups");
    QTest::addColumn<int>("spares");
    QTest::addColumn<bool>("tooFew");
    QTest::newRow("two groups need no spare") << 2 << 0 << false;
    QTest::newRow("three groups with one spare are too few") << 3 << 1 << true;
    QTest::newRow("three groups with two spares are enough") << 3 << 2 << false;
    QTest::newRow("64 groups with no spare are too few") << 64 << 0 << true;
    QTest::newRow("64 groups with two spares are enough") << 64 << 2 << false;
}

void TestStorageChoices::hotSparesForRaidGroups()
{
    QFETCH(int, groups);
    QFETCH(int, spares);
    QFETCH(bool, tooFew);
    QCOMPARE(tooFewHotSpares(groups, spares), tooFew);
}

QTEST_GUILESS_MAIN(TestStorageChoices)
#include "tst_storagechoices.moc"
