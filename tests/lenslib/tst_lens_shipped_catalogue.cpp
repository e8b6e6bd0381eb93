#include "LensTestSupport.h"

#include <LensCatalogue.h>

#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace pendrik;

// The catalogues shipped in the program folder: their size and spread, the
// two languages in step, and the camera names in step with the device
// catalogue's network cameras.
class TestLensShippedCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void initTestCase();

    void lensCatalogueHasASpreadOfLenses();
    void bothCameraCataloguesAreInStep();
    void everyCameraIsUsable();
    void everyRecommendedLensIsInTheLensCatalogue();
    void demoCamerasAreThere_data();
    void demoCamerasAreThere();
    void cameraNamesMatchTheDeviceCatalogue_data();
    void cameraNamesMatchTheDeviceCatalogue();

private:
    lenstest::PerTestProgramFolder m_programFolder;
    QList<LensInfo> m_lenses;
    QList<CameraInfo> m_english;
    QList<CameraInfo> m_chinese;
};

void TestLensShippedCatalogue::init()
{
    m_programFolder.start();
}

void TestLensShippedCatalogue::cleanup()
{
    m_programFolder.stop();
}

namespace {

const QString kFolder = QStringLiteral(VARNEL_PROGRAM_DIR "/CameraLensInfo/");

QStringList modelNames(const QList<CameraInfo> &cameras)
{
    QStringList names;
    for (const CameraInfo &camera : cameras)
        names += camera.name.split(QLatin1Char('/'));
    return names;
}

// The statements of an SQL script, without comments. Semicolons inside
// quoted values do not end a statement.
QStringList sqlStatements(const QString &script)
{
    QStringList statements;
    QString current;
    bool quoted = false;
    for (int i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (!quoted && c == QLatin1Char('-') && i + 1 < script.size() &&
            script.at(i + 1) == QLatin1Char('-')) {
            while (i < script.size() && script.at(i) != QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty())
                statements << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

// The network camera models of a device catalogue, from its SQL source, or
// from the built database when there is no source. Empty when neither is
// there; @p from names what was read.
QStringList networkCameraModels(const QString &name, QString *from)
{
    const QString sql =
        QStringLiteral(VARNEL_SOURCE_DIR "/data/catalogue/") + name + QLatin1String(".sql");
    const QString db = QStringLiteral(VARNEL_PROGRAM_DIR "/") + name + QLatin1String(".db");
    const QString connection = QStringLiteral("lens-consistency-") + name;
    QStringList models;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        if (QFile::exists(sql)) {
            *from = sql;
            database.setDatabaseName(QStringLiteral(":memory:"));
            if (!database.open())
                return {};
            QFile file(sql);
            if (!file.open(QIODevice::ReadOnly))
                return {};
            for (const QString &statement : sqlStatements(QString::fromUtf8(file.readAll()))) {
                QSqlQuery query(database);
                if (!query.exec(statement))
                    qWarning() << "cannot run" << statement << query.lastError().text();
            }
        } else if (QFile::exists(db)) {
            *from = db;
            database.setDatabaseName(db);
            database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            if (!database.open())
                return {};
        } else {
            from->clear();
        }
        if (database.isOpen()) {
            QSqlQuery query(database);
            if (query.exec(QStringLiteral("SELECT DISTINCT DeviceType FROM Device1"))) {
                while (query.next())
                    models << query.value(0).toString();
            }
            database.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return models;
}

} // namespace

void TestLensShippedCatalogue::initTestCase()
{
    QVERIFY(loadLensInfoFile(kFolder + QStringLiteral("LensInfo.xml"), &m_lenses));
    QVERIFY(loadCameraLensInfoFile(kFolder + QStringLiteral("Camera_Lens_en.xml"), &m_english));
    QVERIFY(loadCameraLensInfoFile(kFolder + QStringLiteral("Camera_Lens.xml"), &m_chinese));
}

void TestLensShippedCatalogue::lensCatalogueHasASpreadOfLenses()
{
    QVERIFY2(m_lenses.size() >= 20 && m_lenses.size() <= 30, "about two dozen lenses");
    QSet<QString> models, formats, mounts;
    int fixed = 0, zoom = 0;
    float shortest = 1000, longest = 0;
    for (const LensInfo &lens : m_lenses) {
        QVERIFY2(!models.contains(lens.model), qPrintable(lens.model + QStringLiteral(" twice")));
        models << lens.model;
        formats << lens.sensorFormat;
        mounts << lens.lensInterface;
        QVERIFY(!lens.lensId.isEmpty() && !lens.brand.isEmpty() && !lens.aperture.isEmpty());
        QVERIFY2(lens.minFocal > 0 && lens.maxFocal >= lens.minFocal, qPrintable(lens.model));
        lens.isFixed() ? ++fixed : ++zoom;
        shortest = qMin(shortest, lens.minFocal);
        longest = qMax(longest, lens.maxFocal);
    }
    QVERIFY(fixed >= 8 && zoom >= 6);
    QVERIFY(formats.size() >= 4);
    QCOMPARE(mounts,
             QSet<QString>({QStringLiteral("CS"), QStringLiteral("C"), QStringLiteral("M12")}));
    QVERIFY(shortest <= 3 && longest >= 50);
}

void TestLensShippedCatalogue::bothCameraCataloguesAreInStep()
{
    QVERIFY2(m_english.size() >= 8 && m_english.size() <= 12, "8 to 12 cameras");
    QCOMPARE(m_chinese.size(), m_english.size());
    static const QRegularExpression ascii(QStringLiteral("\\A[\\x20-\\x7E]*\\z"));
    int localised = 0;
    for (int i = 0; i < m_english.size(); ++i) {
        const CameraInfo &en = m_english.at(i);
        const CameraInfo &zh = m_chinese.at(i);
        QVERIFY2(ascii.match(en.name).hasMatch(), qPrintable(en.name));
        if (zh.name != en.name) {
            // Only descriptive words are translated; the model stays first.
            QCOMPARE(zh.name.section(QLatin1Char(' '), 0, 0),
                     en.name.section(QLatin1Char(' '), 0, 0));
            ++localised;
        }
        QCOMPARE(zh.resolutions.size(), en.resolutions.size());
        for (int r = 0; r < en.resolutions.size(); ++r) {
            QCOMPARE(zh.resolutions.at(r).width, en.resolutions.at(r).width);
            QCOMPARE(zh.resolutions.at(r).height, en.resolutions.at(r).height);
            QCOMPARE(zh.resolutions.at(r).targetWidth, en.resolutions.at(r).targetWidth);
            QCOMPARE(zh.resolutions.at(r).targetHeight, en.resolutions.at(r).targetHeight);
        }
        QCOMPARE(zh.recommendedLensTypes, en.recommendedLensTypes);
    }
    QVERIFY2(localised >= 1, "the Chinese catalogue carries Chinese text");
}

void TestLensShippedCatalogue::everyCameraIsUsable()
{
    for (const CameraInfo &camera : qAsConst(m_english)) {
        QVERIFY2(!camera.resolutions.isEmpty(), qPrintable(camera.name));
        QVERIFY2(!camera.recommendedLensTypes.isEmpty(), qPrintable(camera.name));
        for (const CameraResolution &r : camera.resolutions) {
            QVERIFY2(r.targetWidth > 0 && r.targetHeight > 0, qPrintable(camera.name));
            QVERIFY2(r.isAnalog() || (r.width > 0 && r.height > 0), qPrintable(camera.name));
        }
    }
}

void TestLensShippedCatalogue::everyRecommendedLensIsInTheLensCatalogue()
{
    QSet<QString> models;
    for (const LensInfo &lens : qAsConst(m_lenses))
        models << lens.model;
    QSet<QString> recommended;
    for (const CameraInfo &camera : qAsConst(m_english)) {
        for (const QString &model : camera.recommendedLensTypes) {
            QVERIFY2(models.contains(model),
                     qPrintable(camera.name + QStringLiteral(": ") + model));
            recommended << model;
        }
    }
    QVERIFY2(recommended.size() >= m_lenses.size() - 2, "nearly every lens is recommended");
}

void TestLensShippedCatalogue::demoCamerasAreThere_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("present");
    QTest::newRow("KC-B21 is there") << QStringLiteral("KC-B21") << true;
    QTest::newRow("KC-B21Z is there") << QStringLiteral("KC-B21Z") << true;
    QTest::newRow("KC-B41 is there") << QStringLiteral("KC-B41") << true;
    QTest::newRow("KC-D21 is there") << QStringLiteral("KC-D21") << true;
    QTest::newRow("KC-D41 is left out") << QStringLiteral("KC-D41") << false;
    QTest::newRow("KC-F81 is left out") << QStringLiteral("KC-F81") << false;
}

void TestLensShippedCatalogue::demoCamerasAreThere()
{
    QFETCH(QString, model);
    QFETCH(bool, present);
    QCOMPARE(modelNames(m_english).contains(model), present);
    QCOMPARE(modelNames(m_chinese).contains(model), present);
}

void TestLensShippedCatalogue::cameraNamesMatchTheDeviceCatalogue_data()
{
    QTest::addColumn<QString>("deviceCatalogue");
    QTest::addColumn<QString>("cameraCatalogue");
    QTest::newRow("the English cameras against Task_EN")
        << QStringLiteral("Task_EN") << QStringLiteral("Camera_Lens_en.xml");
    QTest::newRow("the Chinese cameras against Task")
        << QStringLiteral("Task") << QStringLiteral("Camera_Lens.xml");
}

void TestLensShippedCatalogue::cameraNamesMatchTheDeviceCatalogue()
{
    QFETCH(QString, deviceCatalogue);
    QFETCH(QString, cameraCatalogue);

    QString from;
    const QStringList models = networkCameraModels(deviceCatalogue, &from);
    if (from.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no %1.sql or %1.db yet").arg(deviceCatalogue)));
    QVERIFY2(!models.isEmpty(), qPrintable(from + QStringLiteral(" lists no network camera")));

    // A network camera prefix is a model's text before its first digit
    // ("KC-B" of "KC-B21").
    static const QRegularExpression prefixOf(QStringLiteral("\\A(\\D+)\\d"));
    QSet<QString> prefixes;
    for (const QString &model : models) {
        const QRegularExpressionMatch m = prefixOf.match(model);
        if (m.hasMatch())
            prefixes << m.captured(1);
    }
    QVERIFY(!prefixes.isEmpty());

    QList<CameraInfo> cameras;
    QVERIFY(loadCameraLensInfoFile(kFolder + cameraCatalogue, &cameras));
    const QStringList ours = modelNames(cameras);
    int matched = 0;
    for (const QString &name : ours) {
        const QString model = name.section(QLatin1Char(' '), 0, 0);
        const QRegularExpressionMatch m = prefixOf.match(model);
        if (!m.hasMatch() || !prefixes.contains(m.captured(1)))
            continue;
        QVERIFY2(models.contains(model),
                 qPrintable(model + QStringLiteral(" is no network camera of ") + from));
        ++matched;
    }
    QVERIFY2(matched >= 1, "some cameras are network cameras of the device catalogue");
    int missing = 0;
    for (const QString &model : models)
        missing += ours.contains(model) ? 0 : 1;
    QVERIFY2(missing >= 1, "some network cameras of the device catalogue are not ours");
}

QTEST_GUILESS_MAIN(TestLensShippedCatalogue)
#include "tst_lens_shipped_catalogue.moc"
