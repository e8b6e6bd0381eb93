#include "TaskDataBase.h"

#include "CatalogueFixture.h"
#include "ProgramFolder.h"

#include <QtTest>

using Accessories = bool (kiv::TaskDataBase::*)(const QString &, QVector<QString> &);
Q_DECLARE_METATYPE(Accessories)

class TestCatalogueAccessories : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void accessoriesOfAModel_data();
    void accessoriesOfAModel();
    void lensGroupComesFromTheParameterCodeTable();
    void isDeviceCode_data();
    void isDeviceCode();
    void modelsCarryingAnyCode_data();
    void modelsCarryingAnyCode();
    void codeGroupOfAModel();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<kiv::TaskDataBase> m_db;
};

void TestCatalogueAccessories::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_db = CatalogueFixture::open(m_folder->path(), {QStringLiteral("accessories.sql")});
    QVERIFY(m_db && m_db->isOpen());
}

void TestCatalogueAccessories::cleanup()
{
    m_db.reset();
    m_folder.reset();
}

void TestCatalogueAccessories::accessoriesOfAModel_data()
{
    QTest::addColumn<Accessories>("query");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QVector<QString>>("expected");

    QTest::newRow("camera stands in row order; a code without a text is skipped")
        << Accessories(&kiv::TaskDataBase::getIPCStand) << QStringLiteral("CAM-A")
        << QVector<QString>{QStringLiteral("Pole Bracket"), QStringLiteral("Wall Bracket")};
    QTest::newRow("a lens named under two codes is listed twice")
        << Accessories(&kiv::TaskDataBase::getIPCLens) << QStringLiteral("CAM-A")
        << QVector<QString>{QStringLiteral("Lens 8mm"), QStringLiteral("Lens 4mm"),
                            QStringLiteral("Lens 4mm")};
    QTest::newRow("camera shields")
        << Accessories(&kiv::TaskDataBase::getIPCShield) << QStringLiteral("CAM-A")
        << QVector<QString>{QStringLiteral("Housing")};
    QTest::newRow("dome stands come from the speed-dome tables, same model name or not")
        << Accessories(&kiv::TaskDataBase::getDomeStand) << QStringLiteral("CAM-A")
        << QVector<QString>{QStringLiteral("Dome Pendant")};
    QTest::newRow("a model without accessories gets none")
        << Accessories(&kiv::TaskDataBase::getIPCStand) << QStringLiteral("CAM-N")
        << QVector<QString>{};
    QTest::newRow("a model the catalogue lacks gets none")
        << Accessories(&kiv::TaskDataBase::getIPCLens) << QStringLiteral("CAM-X")
        << QVector<QString>{};
}

void TestCatalogueAccessories::accessoriesOfAModel()
{
    QFETCH(Accessories, query);
    QFETCH(QString, model);
    QFETCH(QVector<QString>, expected);
    QVector<QString> types{QStringLiteral("held before")};
    QVERIFY(((*m_db).*query)(model, types));
    QCOMPARE(types, QVector<QString>{QStringLiteral("held before")} + expected);
}

void TestCatalogueAccessories::lensGroupComesFromTheParameterCodeTable()
{
    QVERIFY(CatalogueFixture::useParamCode(m_folder->path(), QStringLiteral("ipc-lens-0501.xml")));
    QVector<QString> lenses;
    QVERIFY(m_db->getIPCLens(QStringLiteral("CAM-A"), lenses));
    QCOMPARE(lenses, QVector<QString>{QStringLiteral("Lens 12mm")});

    // Read afresh on every call: without the table the built-in group serves.
    QVERIFY(QFile::remove(m_folder->file(QStringLiteral("ParamCode.xml"))));
    lenses.clear();
    QVERIFY(m_db->getIPCLens(QStringLiteral("CAM-A"), lenses));
    QCOMPARE(lenses.size(), 3);
}

void TestCatalogueAccessories::isDeviceCode_data()
{
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("expected");

    QTest::newRow("a code the model carries")
        << 0 << QStringLiteral("CAM-A") << QStringLiteral("010201") << true;
    QTest::newRow("codes compare exactly, not as a pattern")
        << 0 << QStringLiteral("CAM-A") << QStringLiteral("01020%") << false;
    QTest::newRow("a code of another model")
        << 0 << QStringLiteral("CAM-N") << QStringLiteral("010201") << false;
    QTest::newRow("a code the model carries only in another class's table")
        << 2 << QStringLiteral("CAM-A") << QStringLiteral("010201") << false;
    QTest::newRow("the speed-dome table of the same model name")
        << 2 << QStringLiteral("CAM-A") << QStringLiteral("010302") << true;
}

void TestCatalogueAccessories::isDeviceCode()
{
    QFETCH(int, deviceClass);
    QFETCH(QString, model);
    QFETCH(QString, code);
    QFETCH(bool, expected);
    QCOMPARE(m_db->isDeviceCode(deviceClass, model, code), expected);
}

void TestCatalogueAccessories::modelsCarryingAnyCode_data()
{
    QTest::addColumn<QVector<QString>>("held");
    QTest::addColumn<QVector<QString>>("codes");
    QTest::addColumn<QVector<QString>>("expected");

    QTest::newRow("an empty code list leaves the list as it was")
        << QVector<QString>{QStringLiteral("CAM-B")} << QVector<QString>{}
        << QVector<QString>{QStringLiteral("CAM-B")};
    QTest::newRow("models in the order first met, code by code")
        << QVector<QString>{}
        << QVector<QString>{QStringLiteral("020101"), QStringLiteral("010201")}
        << QVector<QString>{QStringLiteral("CAM-N"), QStringLiteral("CAM-A"),
                            QStringLiteral("CAM-B")};
    QTest::newRow("a code given twice lists each model once")
        << QVector<QString>{}
        << QVector<QString>{QStringLiteral("010201"), QStringLiteral("010201")}
        << QVector<QString>{QStringLiteral("CAM-A"), QStringLiteral("CAM-B")};
    QTest::newRow("two codes of one model list it once")
        << QVector<QString>{}
        << QVector<QString>{QStringLiteral("010401"), QStringLiteral("010201")}
        << QVector<QString>{QStringLiteral("CAM-A"), QStringLiteral("CAM-B")};
    QTest::newRow("a model the caller's list holds is not added again")
        << QVector<QString>{QStringLiteral("CAM-B")} << QVector<QString>{QStringLiteral("010201")}
        << QVector<QString>{QStringLiteral("CAM-B"), QStringLiteral("CAM-A")};
}

void TestCatalogueAccessories::modelsCarryingAnyCode()
{
    QFETCH(QVector<QString>, held);
    QFETCH(QVector<QString>, codes);
    QFETCH(QVector<QString>, expected);
    QVERIFY(m_db->getDeviceByCodesOrdered(0, codes, held));
    QCOMPARE(held, expected);
}

void TestCatalogueAccessories::codeGroupOfAModel()
{
    QVERIFY(m_db->hasCodeGroup(0, QStringLiteral("CAM-A")));
    QVERIFY(!m_db->hasCodeGroup(0, QStringLiteral("CAM-B")));
    QVERIFY(m_db->hasCodeGroup(2, QStringLiteral("DOME-A")));
    // Other classes have no such group.
    QVERIFY(!m_db->hasCodeGroup(1, QStringLiteral("CAM-A")));
}

QTEST_GUILESS_MAIN(TestCatalogueAccessories)
#include "tst_catalogueaccessories.moc"
