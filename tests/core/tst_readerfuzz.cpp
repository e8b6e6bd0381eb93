// Every reader of the program's data files, fed a fixed, seeded set of
// mutations of small good files (tests/data/fuzz) and of the device
// catalogue: none crashes, hangs or swells in memory, none takes the text of
// another file for its own, and none changes a byte of what it read. Run in
// the sanitized build too, where any report fails it. The seeds are fixed,
// so a failure names an input that can be made again.
#include "CatalogueFixture.h"
#include "FileMutations.h"
#include "ProgramFolder.h"

#include <ClientConfig.h>
#include <ClientConfigManager.h>
#include <ConfigureManager.h>
#include <FilterConfig.h>
#include <LensCatalogue.h>
#include <ParamCode.h>
#include <TaskDataBase.h>
#include <TaskDeviceFile.h>
#include <TaskListFile.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

#include <functional>

namespace {

// Far beyond what any input needs; only a hang reaches it.
constexpr qint64 kHangMs = 120000;
// Peak resident memory of the whole run, sanitizer shadow included.
constexpr qint64 kMemoryBoundKb = 3 * 1024 * 1024;
// What the external entities point at: text that must never be read as data.
const QByteArray kSecret = "secret-of-another-file";

// One reader over its file in the program folder: opens it, reads all it
// offers, closes it. Returns the texts it read.
using ReadAll = std::function<QStringList()>;

struct Reader
{
    const char *name;
    QString relative;
    QString seed;
    ReadAll read;
};

QStringList lensTexts(const QList<LensInfo> &lenses)
{
    QStringList texts;
    for (const LensInfo &lens : lenses)
        texts << lens.lensId << lens.model << lens.brand << lens.aperture << lens.sensorFormat
              << lens.lensInterface;
    return texts;
}

// The device file of the task "Lobby", as the device list and the
// calculators read it; the texts it offers.
QStringList readDeviceFile()
{
    QStringList texts;
    TaskDeviceFile file(QStringLiteral("Lobby"));
    QVector<DeviceInfo> devices;
    file.devices(devices);
    qint64 total = 0;
    file.totalCount(total);
    for (int dev = 0; dev < devices.size(); ++dev) {
        texts << devices.at(dev).deviceType << devices.at(dev).remark;
        QVector<DevStream> streams;
        file.streams(dev, streams);
        for (const DevStream &stream : streams)
            texts << stream.resolution << stream.frameRate;
        QString plan;
        file.recordPlan(dev, plan);
        QString fren;
        file.eventFren(dev, fren);
        qint64 sum = 0;
        file.streamCountSum(dev, sum);
        QString type;
        int count = 0;
        file.stand(dev, type, count);
        file.shield(dev, type, count);
        file.lens(dev, type, count);
        texts << plan << fren << type;
    }
    file.close();
    return texts;
}

QVector<Reader> readers()
{
    return {
        {"task list", QStringLiteral("Task/Task.xml"), QStringLiteral("tasklist.xml"),
         [] {
             QStringList texts;
             TaskListFile list;
             QVector<TaskInfo> tasks;
             list.tasks(tasks);
             for (const TaskInfo &task : tasks) {
                 texts << task.name << task.remark;
                 StorageResult storage;
                 list.storageResult(task.name, storage);
                 BandWidthResult bandwidth;
                 list.bandWidthResult(task.name, bandwidth);
                 StreamServerResult servers;
                 list.streamServerResult(task.name, servers);
                 ClientResult clients;
                 list.clientResult(task.name, clients);
                 texts << clients.client;
             }
             list.close();
             return texts;
         }},
        {"device file", QStringLiteral("Task/Lobby.xml"), QStringLiteral("devices.xml"),
         readDeviceFile},
        {"filter configuration", QStringLiteral("FilterConfig.xml"),
         QStringLiteral("filterconfig.xml"),
         [] {
             QStringList texts;
             FilterConfig config;
             for (int deviceClass = 0; deviceClass < 3; ++deviceClass) {
                 QVector<QString> codes;
                 config.hideCodes(deviceClass, codes);
                 config.checkCodes(deviceClass, codes);
                 texts << QStringList(codes.begin(), codes.end());
             }
             // Dropped without close(), as the parameter filter drops it.
             return texts;
         }},
        {"parameter-code table", QStringLiteral("ParamCode.xml"), QStringLiteral("paramcode.xml"),
         [] {
             QStringList texts;
             kiv::ParamCode codes;
             using Getter = bool (kiv::ParamCode::*)(ParamCodeItem &);
             const Getter getters[] = {
                 &kiv::ParamCode::getIPCType,      &kiv::ParamCode::getIPCResolution,
                 &kiv::ParamCode::getDVRFrameRate, &kiv::ParamCode::getNVRRAID,
                 &kiv::ParamCode::getNVRBandWidth, &kiv::ParamCode::getEnglistIPCDevice};
             for (Getter getter : getters) {
                 ParamCodeItem item;
                 (codes.*getter)(item);
                 texts << item.likeCode << item.code;
             }
             return texts;
         }},
        {"settings", QStringLiteral("Setup.xml"), QStringLiteral("setup.xml"),
         [] {
             QStringList texts;
             kiv::ConfigureManager settings;
             settings.load(KavrinGUIToolkit::GetTargetPathFile(QStringLiteral("Setup.xml")));
             texts << QString::number(settings.translator())
                   << QString::number(settings.versionType());
             for (int key = 0; key < 8; ++key) {
                 if (const kiv::Configure *found = settings.find(key))
                     texts << found->value();
                 texts << QString::number(settings.intValue(key));
             }
             return texts;
         }},
        {"lens library settings", QStringLiteral("Setup.xml"), QStringLiteral("setup.xml"),
         [] {
             QStringList texts;
             ClientConfigManager *settings = ClientConfigManager::instance();
             settings->clear();
             settings->load(KavrinGUIToolkit::GetTargetPathFile(QStringLiteral("Setup.xml")));
             for (const ClientConfig *entry : settings->entries())
                 texts << entry->getValue();
             settings->clear();
             return texts;
         }},
        {"lens catalogue", QStringLiteral("LensInfo.xml"), QStringLiteral("lenses.xml"),
         [] {
             QList<LensInfo> lenses;
             pendrik::loadLensInfoFile(
                 KavrinGUIToolkit::GetTargetPathFile(QStringLiteral("LensInfo.xml")), &lenses);
             return lensTexts(lenses);
         }},
        {"camera catalogue", QStringLiteral("Camera_Lens.xml"), QStringLiteral("cameras.xml"),
         [] {
             QStringList texts;
             QList<CameraInfo> cameras;
             pendrik::loadCameraLensInfoFile(
                 KavrinGUIToolkit::GetTargetPathFile(QStringLiteral("Camera_Lens.xml")), &cameras);
             for (const CameraInfo &camera : cameras)
                 texts << camera.name << camera.recommendedLensTypes;
             return texts;
         }},
        // Appended, so that the readers before it keep their seeds.
        {"device file written by hand", QStringLiteral("Task/Lobby.xml"),
         QStringLiteral("handmade-devices.xml"), readDeviceFile},
    };
}

qint64 peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// What a catalogue reader asks of the catalogue, as the program's dialogs
// do: the lists, the parameters of the first devices, the recorders.
void readCatalogue(const QString &path)
{
    kiv::TaskDataBase catalogue(path, CatalogueFixture::uniqueConnectionName("fuzz"), 0);
    if (!catalogue.isOpen())
        return;
    QStringList solutionTypes;
    catalogue.getAllSolutionType(solutionTypes);
    for (const QString &type : solutionTypes.mid(0, 2)) {
        QStringList industries;
        catalogue.getAllIndustry(type, industries);
        for (const QString &industry : industries.mid(0, 2)) {
            QStringList scenes;
            catalogue.getScene(industry, scenes);
            for (const QString &scene : scenes.mid(0, 2)) {
                QMap<QString, int> counts;
                catalogue.getDevice(industry, scene, type, counts);
            }
        }
    }
    for (int deviceClass = 0; deviceClass < 5; ++deviceClass) {
        QMap<QString, QString> headings;
        catalogue.getMainParam(deviceClass, headings);
        QStringList types;
        catalogue.getDeviceList(deviceClass, types);
        for (const QString &type : types.mid(0, 2)) {
            kiv::TaskDataBase::ParamSheet sheet;
            QVector<QString> headings;
            catalogue.getDeviceAllParam(deviceClass, type, sheet, headings);
            QList<QMap<QString, QString>> resolutions;
            catalogue.getIPCResolution(type, 0, resolutions);
            catalogue.getDomeResolution(type, 1, resolutions);
            QVector<QString> choices;
            catalogue.getIPCStand(type, choices);
            catalogue.getIPCLens(type, choices);
            QStringList texts;
            catalogue.getDVRResolution(type, texts);
            catalogue.getDVRFrameRate(type, 0, texts);
            catalogue.getRAIDType(deviceClass, type, texts);
            int bays = 0;
            catalogue.getHDDBayNumber(deviceClass, type, bays);
        }
    }
    QList<NvrModel> models;
    catalogue.getNVRInfo(models);
}

// Runs @p statements on a copy of @p good at @p path.
bool alter(const QString &good, const QString &path, const QStringList &statements)
{
    QFile::remove(path);
    if (!QFile::copy(good, path))
        return false;
    const QString name = CatalogueFixture::uniqueConnectionName("fuzz-writer");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        for (const QString &statement : statements) {
            QSqlQuery query(db);
            ok = ok && query.exec(statement);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

struct Column
{
    QString table;
    QString name;
};

// The tables of the catalogue at @p path and their columns.
QVector<Column> columnsOf(const QString &path, QStringList *tables)
{
    QVector<Column> columns;
    const QString name = CatalogueFixture::uniqueConnectionName("fuzz-schema");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"),
                            db);
            while (query.next())
                tables->append(query.value(0).toString());
            for (const QString &table : *tables) {
                QSqlQuery info(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table), db);
                while (info.next())
                    columns.append({table, info.value(1).toString()});
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return columns;
}

} // namespace

class TestReaderFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void seedsAreReadAsData();
    void mutatedFilesAreReadSafely();
    void damagedCataloguesAreReadSafely();
    void memoryStaysBounded();
};

void TestReaderFuzz::initTestCase()
{
    // Thousands of damaged inputs would bury the counts in the readers'
    // debug lines.
    QLoggingCategory::setFilterRules(QStringLiteral("varnel.*.debug=false\npendrik.debug=false"));
}

void TestReaderFuzz::seedsAreReadAsData()
{
    // The mutations start from files the readers take: a fuzz of seeds they
    // refuse outright would prove little.
    ProgramFolder folder;
    for (const Reader &reader : readers()) {
        QVERIFY(folder.copyFixture(QStringLiteral("fuzz/") + reader.seed, reader.relative));
        QStringList texts = reader.read();
        texts.removeAll(QString());
        texts.removeAll(QStringLiteral("0"));
        QVERIFY2(!texts.isEmpty(), reader.name);
    }
}

void TestReaderFuzz::mutatedFilesAreReadSafely()
{
    constexpr quint32 kSeed = 20261211;
    qInfo("mutation seed %u", kSeed);
    int total = 0;
    int readerIndex = 0;
    for (const Reader &reader : readers()) {
        ProgramFolder folder;
        const QString secretPath = folder.file(QStringLiteral("secret.txt"));
        QVERIFY(ProgramFolder::write(secretPath, kSecret));
        const QByteArray seed =
            ProgramFolder::readAll(QStringLiteral(VARNEL_TEST_DATA_DIR "/fuzz/") + reader.seed);
        QVERIFY(!seed.isEmpty());
        Mutator mutator(kSeed + quint32(readerIndex++));
        const QVector<Mutant> mutants = mutator.mutate(seed, secretPath);
        const QString path = folder.file(reader.relative);
        for (int i = 0; i < mutants.size(); ++i) {
            const Mutant &mutant = mutants.at(i);
            const QString where = QStringLiteral("%1, input %2 (%3)")
                                      .arg(QLatin1String(reader.name))
                                      .arg(i)
                                      .arg(mutant.kind);
            QVERIFY(ProgramFolder::write(path, mutant.bytes));
            const QMap<QString, QByteArray> before = ProgramFolder::snapshot(folder.root());
            QElapsedTimer timer;
            timer.start();
            const QStringList texts = reader.read();
            QVERIFY2(timer.elapsed() < kHangMs, qPrintable(where));
            for (const QString &text : texts)
                QVERIFY2(!text.contains(QLatin1String(kSecret)), qPrintable(where));
            // Read, never written: not the file, nor anything beside it.
            QVERIFY2(ProgramFolder::snapshot(folder.root()) == before, qPrintable(where));
        }
        qInfo("%s: %d inputs fuzzed", reader.name, int(mutants.size()));
        total += int(mutants.size());
    }
    qInfo("files: %d inputs fuzzed", total);
}

void TestReaderFuzz::damagedCataloguesAreReadSafely()
{
    ProgramFolder folder;
    const QString good = folder.file(QStringLiteral("good.db"));
    QVERIFY(CatalogueFixture::buildFromFiles(
        good, {QStringLiteral(VARNEL_SOURCE_DIR "/data/catalogue/Task_EN.sql")}));
    readCatalogue(good);
    const QByteArray goodBytes = ProgramFolder::readAll(good);
    QVERIFY(goodBytes.size() >= 4096);
    QStringList tables;
    const QVector<Column> columns = columnsOf(good, &tables);
    QVERIFY(!tables.isEmpty());

    QVector<Mutant> mutants;
    for (qsizetype size = 0; size < goodBytes.size(); size += 1024)
        mutants.append({QStringLiteral("truncated"), goodBytes.left(size + (size / 1024) % 7)});
    QRandomGenerator random(20261212);
    constexpr int kPage = 4096;
    for (qsizetype page = 0; page * kPage < goodBytes.size(); ++page) {
        for (int pattern = 0; pattern < 3; ++pattern) {
            QByteArray bytes = goodBytes;
            for (qsizetype i = page * kPage; i < qMin(bytes.size(), (page + 1) * kPage); ++i)
                bytes[i] = pattern == 0 ? char(random.bounded(256)) : pattern == 1 ? '\0' : '\xFF';
            mutants.append({QStringLiteral("page overwritten"), bytes});
        }
    }
    const QString altered = folder.file(QStringLiteral("altered.db"));
    const auto alteredBytes = [&](const QString &kind, const QStringList &statements) {
        QVERIFY2(alter(good, altered, statements), qPrintable(statements.join(QLatin1Char(';'))));
        mutants.append({kind, ProgramFolder::readAll(altered)});
    };
    for (const QString &table : tables)
        alteredBytes(QStringLiteral("table dropped"),
                     {QStringLiteral("DROP TABLE \"%1\"").arg(table)});
    const QString wrongTypes[] = {QStringLiteral("'not a number'"), QStringLiteral("X'00FF00'"),
                                  QStringLiteral("1e308"), QStringLiteral("-9223372036854775808"),
                                  QStringLiteral("NULL")};
    const QString sqlTexts[] = {QStringLiteral("'''); DROP TABLE x; --'"),
                                QStringLiteral("'\" OR 1=1 --'"), QStringLiteral("'%_''%'"),
                                QStringLiteral("'a'' || (SELECT 1) || ''b'")};
    for (int i = 0; i < columns.size(); ++i) {
        const Column &column = columns.at(i);
        const QString update =
            QStringLiteral("UPDATE \"%1\" SET \"%2\" = %3").arg(column.table, column.name);
        alteredBytes(QStringLiteral("column of the wrong type"), {update.arg(wrongTypes[i % 5])});
        alteredBytes(QStringLiteral("quotes and SQL text"), {update.arg(sqlTexts[i % 4])});
    }

    const QString path = folder.file(QStringLiteral("Task_EN.db"));
    for (int i = 0; i < mutants.size(); ++i) {
        const Mutant &mutant = mutants.at(i);
        const QString where = QStringLiteral("catalogue, input %1 (%2)").arg(i).arg(mutant.kind);
        QVERIFY(ProgramFolder::write(path, mutant.bytes));
        QElapsedTimer timer;
        timer.start();
        readCatalogue(path);
        QVERIFY2(timer.elapsed() < kHangMs, qPrintable(where));
        QVERIFY2(ProgramFolder::readAll(path) == mutant.bytes, qPrintable(where));
    }
    qInfo("catalogue: %d inputs fuzzed", int(mutants.size()));
}

void TestReaderFuzz::memoryStaysBounded()
{
    const qint64 peak = peakMemoryKb();
    qInfo("peak memory of the run: %lld KB", peak);
    QVERIFY(peak > 0);
    QVERIFY(peak < kMemoryBoundKb);
}

QTEST_MAIN(TestReaderFuzz)
#include "tst_readerfuzz.moc"
