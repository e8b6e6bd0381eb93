// Checks over the catalogues, parameter-code table, filter configuration and
// settings that the build puts into the program folder.

#include "ConfigureManager.h"
#include "FilterConfig.h"
#include "ParamCode.h"
#include "TaskDataBase.h"

#include "CatalogueFixture.h"
#include "ProgramFolder.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

const char *const kTables[5][2] = {{"DevParam1", "Device1"},
                                   {"DevParam2", "Device2"},
                                   {"DevParam3", "Device3"},
                                   {"DevParam2", "Device2"},
                                   {"DevParam5", "Device5"}};

/// The resolution names the bit-rate estimate knows, blanks removed.
const QStringList kBitRateResolutions{
    QStringLiteral("2560x1920"), QStringLiteral("2048x1536"), QStringLiteral("1920x1080"),
    QStringLiteral("1600x1200"), QStringLiteral("1600x912"),  QStringLiteral("1280x960"),
    QStringLiteral("1280x720"),  QStringLiteral("640x480"),   QStringLiteral("4CIF"),
    QStringLiteral("704x576"),   QStringLiteral("704x480"),   QStringLiteral("2CIF"),
    QStringLiteral("704x288"),   QStringLiteral("CIF"),       QStringLiteral("352x288"),
    QStringLiteral("QCIF"),      QStringLiteral("176x144"),   QStringLiteral("WD1")};

bool knownResolution(QString name)
{
    return kBitRateResolutions.contains(name.remove(QLatin1Char(' ')));
}

} // namespace

class TestCatalogueLint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void shippedFilesArePresent();
    void shippedSettingsChooseEnglish();

    void everyCodeHasSixDigitsAndItsGroupAndHeading_data();
    void everyCodeHasSixDigitsAndItsGroupAndHeading();
    void everyCodeIsStoredAsText_data();
    void everyCodeIsStoredAsText();
    void everyResolutionRowParses_data();
    void everyResolutionRowParses();
    void everyModelHasItsListCode_data();
    void everyModelHasItsListCode();
    void solutionsAreCompleteAndNameListedModels_data();
    void solutionsAreCompleteAndNameListedModels();
    void everyQueryAnswersForSomeModel_data();
    void everyQueryAnswersForSomeModel();
    void bothCataloguesHoldTheSameCodesAndModels();
    void bothCataloguesListSolutionsInTheSameOrder();
    void parameterCodeTableNamesCatalogueRows_data();
    void parameterCodeTableNamesCatalogueRows();
    void filterConfigurationNamesCatalogueEntries();

private:
    void addCatalogueRows();
    kiv::TaskDataBase &catalogue(const QString &file);
    QSqlDatabase raw(const QString &file);
    QStringList column(const QString &file, const QString &sql, int column = 0);

    std::unique_ptr<ProgramFolder> m_folder;
    QMap<QString, std::shared_ptr<kiv::TaskDataBase>> m_catalogues;
    QMap<QString, QString> m_rawConnections;
};

void TestCatalogueLint::initTestCase()
{
    m_folder = std::make_unique<ProgramFolder>();
    QVERIFY(m_folder->copyFromBuild(
        {"Task_EN.db", "Task.db", "ParamCode.xml", "FilterConfig.xml", "Setup.xml"}));
}

void TestCatalogueLint::cleanupTestCase()
{
    m_catalogues.clear();
    for (const QString &name : std::as_const(m_rawConnections)) {
        QSqlDatabase::database(name).close();
        QSqlDatabase::removeDatabase(name);
    }
    m_folder.reset();
}

void TestCatalogueLint::addCatalogueRows()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("the English catalogue") << QStringLiteral("Task_EN.db");
    QTest::newRow("the Chinese catalogue") << QStringLiteral("Task.db");
}

kiv::TaskDataBase &TestCatalogueLint::catalogue(const QString &file)
{
    auto &db = m_catalogues[file];
    if (!db) {
        db = std::make_shared<kiv::TaskDataBase>(m_folder->file(file),
                                                 CatalogueFixture::uniqueConnectionName("lint"),
                                                 file == QLatin1String("Task_EN.db") ? 0 : 1);
    }
    return *db;
}

QSqlDatabase TestCatalogueLint::raw(const QString &file)
{
    if (!m_rawConnections.contains(file)) {
        const QString name = CatalogueFixture::uniqueConnectionName("lint-raw");
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(m_folder->file(file));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.open();
        m_rawConnections.insert(file, name);
    }
    return QSqlDatabase::database(m_rawConnections.value(file));
}

QStringList TestCatalogueLint::column(const QString &file, const QString &sql, int col)
{
    QStringList values;
    QSqlQuery query(raw(file));
    if (!query.exec(sql)) {
        qWarning() << sql << query.lastError().text();
        return values;
    }
    while (query.next())
        values.append(query.value(col).toString());
    return values;
}

void TestCatalogueLint::shippedFilesArePresent()
{
    const QStringList files{
        QStringLiteral("Task_EN.db"),
        QStringLiteral("Task.db"),
        QStringLiteral("ParamCode.xml"),
        QStringLiteral("FilterConfig.xml"),
        QStringLiteral("Setup.xml"),
        QStringLiteral("translations/Varnel_en.qm"),
        QStringLiteral("translations/Varnel_zh.qm"),
        QStringLiteral("translations/KavrinGUIToolkit_en.qm"),
        QStringLiteral("translations/KavrinGUIToolkit_zh.qm"),
        QStringLiteral("translations/qt_zh_CN.qm"),
        QStringLiteral("translations/qtbase_zh_CN.qm"),
        QStringLiteral("translations/qtmultimedia_zh_CN.qm"),
    };
    for (const QString &file : files)
        QVERIFY2(QFileInfo(QStringLiteral(VARNEL_PROGRAM_DIR "/") + file).size() > 0,
                 qPrintable(file));
}

void TestCatalogueLint::shippedSettingsChooseEnglish()
{
    kiv::ConfigureManager settings;
    QVERIFY(settings.load(m_folder->file(QStringLiteral("Setup.xml"))));
    QCOMPARE(settings.translator(), 0u);
    QCOMPARE(settings.versionType(), 1);
    QVERIFY(settings.find(kiv::ConfigureManager::KeySkin));
    QVERIFY(!settings.find(kiv::ConfigureManager::KeySkin)->value().isEmpty());
    QVERIFY(settings.find(kiv::ConfigureManager::KeyLogLevel));
}

void TestCatalogueLint::everyCodeHasSixDigitsAndItsGroupAndHeading_data()
{
    addCatalogueRows();
}

void TestCatalogueLint::everyCodeHasSixDigitsAndItsGroupAndHeading()
{
    QFETCH(QString, file);
    const QRegularExpression sixDigits(QStringLiteral("^[0-9]{6}$"));
    for (int deviceClass : {0, 1, 2, 4}) {
        const QString params = QLatin1String(kTables[deviceClass][0]);
        const QString devices = QLatin1String(kTables[deviceClass][1]);
        const QStringList paramCodes =
            column(file, QStringLiteral("select code from %1").arg(params));
        const QSet<QString> known(paramCodes.cbegin(), paramCodes.cend());
        QVERIFY2(!paramCodes.isEmpty(), qPrintable(params));
        QCOMPARE(known.size(), paramCodes.size());

        for (const QString &code : paramCodes) {
            QVERIFY2(sixDigits.match(code).hasMatch(),
                     qPrintable(params + QLatin1Char(' ') + code));
            QVERIFY2(known.contains(code.left(4) + QStringLiteral("00")),
                     qPrintable(params + QStringLiteral(": no group for ") + code));
            QVERIFY2(known.contains(code.left(2) + QStringLiteral("0000")),
                     qPrintable(params + QStringLiteral(": no heading for ") + code));
        }
        const QStringList deviceCodes =
            column(file, QStringLiteral("select code from %1").arg(devices));
        for (const QString &code : deviceCodes) {
            QVERIFY2(known.contains(code), qPrintable(devices + QStringLiteral(": ") + code));
            QVERIFY2(!code.endsWith(QLatin1String("00")),
                     qPrintable(devices + QStringLiteral(" names a group or heading: ") + code));
        }
        // Every model carries each code once.
        const QStringList pairs =
            column(file, QStringLiteral("select DeviceType || ' ' || code from %1").arg(devices));
        QCOMPARE(QSet<QString>(pairs.cbegin(), pairs.cend()).size(), pairs.size());
    }
}

void TestCatalogueLint::everyCodeIsStoredAsText_data()
{
    addCatalogueRows();
}

void TestCatalogueLint::everyCodeIsStoredAsText()
{
    QFETCH(QString, file);
    // A code stored as a number loses its leading zero and no longer matches
    // the patterns and bound texts of the queries.
    for (const char *table : {"DevParam1", "DevParam2", "DevParam3", "DevParam5", "Device1",
                              "Device2", "Device3", "Device5"}) {
        const QStringList stored =
            column(file, QStringLiteral("select code || ' ' || typeof(code) from %1 where "
                                        "typeof(code) != 'text' limit 5")
                             .arg(QLatin1String(table)));
        QVERIFY2(stored.isEmpty(), qPrintable(QLatin1String(table) + QStringLiteral(": ") +
                                              stored.join(QStringLiteral(", "))));
        QVERIFY(!column(file, QStringLiteral("select code from %1").arg(QLatin1String(table)))
                     .isEmpty());
    }
}

void TestCatalogueLint::everyResolutionRowParses_data()
{
    addCatalogueRows();
}

void TestCatalogueLint::everyResolutionRowParses()
{
    QFETCH(QString, file);
    const QVector<QPair<QString, QString>> groups = {
        {QStringLiteral("DevParam1"), QStringLiteral("0415")},
        {QStringLiteral("DevParam3"), QStringLiteral("0602")}};
    for (const auto &group : groups) {
        // Built by concatenation: QString::arg() would read "%2%" and "%200"
        // as its own markers.
        const QStringList texts = column(
            file, QStringLiteral("select Name from ") + group.first +
                      QStringLiteral(" where code like '") + group.second +
                      QStringLiteral("%' and code != '") + group.second + QStringLiteral("00'"));
        QVERIFY(!texts.isEmpty());
        for (const QString &text : texts) {
            int slot = -1;
            QString resolution;
            QString frameRate;
            QVERIFY2(kiv::TaskDataBase::parseResolutionText(text, slot, resolution, frameRate),
                     qPrintable(text));
            QVERIFY2(knownResolution(resolution), qPrintable(text));
            bool whole = false;
            QVERIFY2(frameRate.toInt(&whole) > 0 && whole, qPrintable(text));
        }
    }
    const QStringList dvr = column(
        file,
        QStringLiteral("select Name from DevParam2 where code like '0402%' and code != '040200'"));
    QVERIFY(!dvr.isEmpty());
    for (const QString &resolution : dvr)
        QVERIFY2(knownResolution(resolution), qPrintable(resolution));
}

void TestCatalogueLint::everyModelHasItsListCode_data()
{
    addCatalogueRows();
}

void TestCatalogueLint::everyModelHasItsListCode()
{
    QFETCH(QString, file);
    kiv::TaskDataBase &db = catalogue(file);
    QVERIFY(db.isOpen());
    // The models of each class: by table, and for recorders by type code.
    const QString recorders =
        QStringLiteral("select distinct DeviceType from Device2 where code in ('%1', '010401')");
    const QStringList expected[5] = {
        column(file, QStringLiteral("select distinct DeviceType from Device1")),
        column(file, recorders.arg(QStringLiteral("010402"))),
        column(file, QStringLiteral("select distinct DeviceType from Device3")),
        column(file, recorders.arg(QStringLiteral("010403"))),
        column(file, QStringLiteral("select distinct DeviceType from Device5")),
    };
    QSet<QString> listedRecorders;
    for (int deviceClass = 0; deviceClass <= 4; ++deviceClass) {
        QStringList english;
        QStringList chinese;
        QVERIFY(db.getDeviceListEN(deviceClass, english));
        QVERIFY(db.getDeviceListCN(deviceClass, chinese));
        QVERIFY(!expected[deviceClass].isEmpty());
        QCOMPARE(QSet<QString>(english.cbegin(), english.cend()),
                 QSet<QString>(expected[deviceClass].cbegin(), expected[deviceClass].cend()));
        QCOMPARE(QSet<QString>(chinese.cbegin(), chinese.cend()),
                 QSet<QString>(english.cbegin(), english.cend()));
        // No model of the demo carries two type codes.
        QCOMPARE(english.size(), expected[deviceClass].size());
        if (deviceClass == 1 || deviceClass == 3)
            listedRecorders.unite(QSet<QString>(english.cbegin(), english.cend()));
    }
    // The recorder lists go by type code: a DVR-table model without one (a
    // misspelt name on one row, say) would be in neither list.
    for (const QString &model :
         column(file, QStringLiteral("select distinct DeviceType from Device2")))
        QVERIFY2(listedRecorders.contains(model), qPrintable(model));
}

void TestCatalogueLint::solutionsAreCompleteAndNameListedModels_data()
{
    addCatalogueRows();
}

void TestCatalogueLint::solutionsAreCompleteAndNameListedModels()
{
    QFETCH(QString, file);
    kiv::TaskDataBase &db = catalogue(file);
    QSet<QString> listed;
    for (int deviceClass : {0, 1, 2}) {
        QStringList models;
        QVERIFY(db.getDeviceList(deviceClass, models));
        listed.unite(QSet<QString>(models.cbegin(), models.cend()));
    }

    QStringList types;
    QVERIFY(db.getAllSolutionType(types));
    QCOMPARE(types.size(), 2);
    for (const QString &type : std::as_const(types)) {
        QStringList industries;
        QVERIFY(db.getAllIndustry(type, industries));
        QVERIFY2(industries.size() >= 3, qPrintable(type));
        for (const QString &industry : std::as_const(industries)) {
            QStringList scenes;
            QVERIFY(db.getScene(industry, scenes));
            int scenesOfType = 0;
            for (const QString &scene : std::as_const(scenes)) {
                QMap<QString, int> devices;
                QVERIFY(db.getDevice(industry, scene, type, devices));
                if (devices.isEmpty())
                    continue;
                ++scenesOfType;
                const QString where = type + QLatin1Char('/') + industry + QLatin1Char('/') + scene;
                QVERIFY2(devices.size() >= 2 && devices.size() <= 3, qPrintable(where));
                for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
                    QVERIFY2(listed.contains(it.key()),
                             qPrintable(where + QLatin1Char(' ') + it.key()));
                    QVERIFY2(it.value() > 0, qPrintable(where + QLatin1Char(' ') + it.key()));
                }
            }
            QVERIFY2(scenesOfType == 3, qPrintable(type + QLatin1Char('/') + industry));
        }
    }
}

void TestCatalogueLint::everyQueryAnswersForSomeModel_data()
{
    addCatalogueRows();
}

void TestCatalogueLint::everyQueryAnswersForSomeModel()
{
    QFETCH(QString, file);
    kiv::TaskDataBase &db = catalogue(file);

    // Parameter trees with headings, groups and values for each class.
    for (int deviceClass = 0; deviceClass <= 4; ++deviceClass) {
        QMap<QString, QString> headings;
        QVERIFY(db.getMainParam(deviceClass, headings));
        QVERIFY(headings.size() >= 3);
        int values = 0;
        for (auto h = headings.cbegin(); h != headings.cend(); ++h) {
            QMap<QString, QString> groups;
            QVERIFY(db.getSub1Param(deviceClass, h.key(), groups));
            QVERIFY2(!groups.isEmpty(), qPrintable(h.value()));
            for (auto g = groups.cbegin(); g != groups.cend(); ++g) {
                QVector<ParamItem> items;
                QVERIFY(db.getSub2Param(deviceClass, g.key(), items));
                QVERIFY2(!items.isEmpty(), qPrintable(g.value()));
                values += items.size();
            }
        }
        QVERIFY(values > 10);

        QStringList models;
        QVERIFY(db.getDeviceList(deviceClass, models));
        for (const QString &model : std::as_const(models)) {
            kiv::TaskDataBase::ParamSheet sheet;
            QVector<QString> order;
            QVERIFY(db.getDeviceAllParam(deviceClass, model, sheet, order));
            QVERIFY2(order.size() >= 3, qPrintable(model));
        }
    }

    QStringList cameras;
    QStringList domes;
    QStringList dvrs;
    QStringList nvrs;
    QStringList cvrs;
    db.getDeviceList(0, cameras);
    db.getDeviceList(2, domes);
    db.getDeviceList(1, dvrs);
    db.getDeviceList(3, nvrs);
    db.getDeviceList(4, cvrs);
    for (int standard : {0, 1}) {
        for (const QString &model : std::as_const(cameras)) {
            QList<QMap<QString, QString>> maps;
            QVERIFY2(db.getIPCResolution(model, standard, maps), qPrintable(model));
            QVERIFY(maps.first().size() >= 3);
        }
        for (const QString &model : std::as_const(domes)) {
            QList<QMap<QString, QString>> maps;
            QVERIFY2(db.getDomeResolution(model, standard, maps), qPrintable(model));
        }
        for (const QString &model : std::as_const(dvrs)) {
            QStringList rates;
            QVERIFY2(db.getDVRFrameRate(model, standard, rates), qPrintable(model));
            if (standard == 0)
                QVERIFY(rates.contains(QStringLiteral("1/16")));
        }
    }
    for (const QString &model : std::as_const(dvrs)) {
        QStringList resolutions;
        QVERIFY2(db.getDVRResolution(model, resolutions), qPrintable(model));
    }

    // Accessories fit some models and not others.
    using Query = bool (kiv::TaskDataBase::*)(const QString &, QVector<QString> &);
    const QVector<QPair<Query, QStringList>> accessories = {
        {&kiv::TaskDataBase::getIPCStand, cameras},
        {&kiv::TaskDataBase::getIPCLens, cameras},
        {&kiv::TaskDataBase::getIPCShield, cameras},
        {&kiv::TaskDataBase::getDomeStand, domes}};
    for (const auto &accessory : accessories) {
        int fitting = 0;
        for (const QString &model : accessory.second) {
            QVector<QString> types;
            QVERIFY((db.*accessory.first)(model, types));
            fitting += types.isEmpty() ? 0 : 1;
        }
        QVERIFY(fitting > 0);
        if (accessory.second == cameras && accessory.first != &kiv::TaskDataBase::getIPCStand)
            QVERIFY(fitting < cameras.size());
    }

    // Codes: the DVR list's own type code, and models carrying any code.
    QVERIFY(db.isDeviceCode(1, dvrs.first(), QStringLiteral("010402")));
    QVector<QString> found;
    QVERIFY(
        db.getDeviceByCodesOrdered(0, {QStringLiteral("020101"), QStringLiteral("020102")}, found));
    QVERIFY(found.size() >= 4);
    QVERIFY(db.hasCodeGroup(0, cameras.first()));
    QVERIFY(db.hasCodeGroup(2, domes.first()));

    // Storage: RAID types for some NVRs and all CVRs, bays and NVR figures.
    int nvrsWithRaid = 0;
    for (const QString &model : std::as_const(nvrs)) {
        QStringList raid;
        QVERIFY(db.getRAIDType(3, model, raid));
        nvrsWithRaid += raid.isEmpty() ? 0 : 1;
        int bays = 0;
        QVERIFY(db.getHDDBayNumber(3, model, bays));
        QVERIFY2(bays > 0, qPrintable(model));
    }
    QVERIFY(nvrsWithRaid > 0 && nvrsWithRaid < nvrs.size());
    for (const QString &model : std::as_const(cvrs)) {
        QStringList raid;
        QVERIFY(db.getRAIDType(4, model, raid));
        QVERIFY(raid.contains(QStringLiteral("RAID5")));
        int bays = 0;
        QVERIFY(db.getHDDBayNumber(4, model, bays));
        QVERIFY2(bays >= 24, qPrintable(model));
    }
    QList<NvrModel> table;
    QVERIFY(db.getNVRInfo(table));
    QCOMPARE(table.size(), nvrs.size());
    for (const NvrModel &model : std::as_const(table)) {
        QVERIFY2(model.netInputNumber > 0, qPrintable(model.name));
        QVERIFY2(model.bandwidth >= 40 * 1024, qPrintable(model.name));
    }
}

void TestCatalogueLint::bothCataloguesHoldTheSameCodesAndModels()
{
    const QString en = QStringLiteral("Task_EN.db");
    const QString zh = QStringLiteral("Task.db");
    for (const char *table : {"Device1", "Device2", "Device3", "Device5"}) {
        const QString sql =
            QStringLiteral("select DeviceType || ' ' || code from %1").arg(QLatin1String(table));
        QCOMPARE(column(zh, sql), column(en, sql));
    }
    for (const char *table : {"DevParam1", "DevParam2", "DevParam3", "DevParam5"}) {
        const QString codes =
            QStringLiteral("select code || ' ' || Type from %1").arg(QLatin1String(table));
        QCOMPARE(column(zh, codes), column(en, codes));
        // Headings and groups are translated.
        const QString names = QStringLiteral("select Name from ") + QLatin1String(table) +
                              QStringLiteral(" where code like '%00'");
        const QStringList english = column(en, names);
        const QStringList chinese = column(zh, names);
        for (int i = 0; i < english.size(); ++i)
            QVERIFY2(english.at(i) != chinese.at(i), qPrintable(english.at(i)));
    }
    const QString devices = QStringLiteral("select DeviceType || ' ' || Count from IndustryParam");
    QCOMPARE(column(zh, devices), column(en, devices));
}

void TestCatalogueLint::bothCataloguesListSolutionsInTheSameOrder()
{
    // Row i of one catalogue's industry table is row i of the other's, in
    // the other language: that pairs each name with its translation.
    const QString en = QStringLiteral("Task_EN.db");
    const QString zh = QStringLiteral("Task.db");
    const QString rows = QStringLiteral("select * from IndustryParam order by rowid");
    QMap<QString, QString> translation[3];
    const int columns[3] = {0, 1, 5}; // industry, scene, solution type
    for (int c = 0; c < 3; ++c) {
        const QStringList english = column(en, rows, columns[c]);
        const QStringList chinese = column(zh, rows, columns[c]);
        QCOMPARE(chinese.size(), english.size());
        QVERIFY(!english.isEmpty());
        QMap<QString, QString> back;
        for (int i = 0; i < english.size(); ++i) {
            const QString &name = english.at(i);
            const QString &translated = chinese.at(i);
            QVERIFY2(translation[c].value(name, translated) == translated,
                     qPrintable(name + QStringLiteral(" has two translations")));
            QVERIFY2(back.value(translated, name) == name,
                     qPrintable(translated + QStringLiteral(" translates two names")));
            translation[c].insert(name, translated);
            back.insert(translated, name);
        }
    }
    auto translated = [](const QStringList &names, const QMap<QString, QString> &map) {
        QStringList out;
        for (const QString &name : names)
            out.append(map.value(name, QStringLiteral("<untranslated %1>").arg(name)));
        return out;
    };

    // A task keeps its solution type as a position in this list, and the
    // language may change between two runs.
    kiv::TaskDataBase &english = catalogue(en);
    kiv::TaskDataBase &chinese = catalogue(zh);
    QStringList englishTypes;
    QStringList chineseTypes;
    QVERIFY(english.getAllSolutionType(englishTypes));
    QVERIFY(chinese.getAllSolutionType(chineseTypes));
    QCOMPARE(englishTypes.size(), 2);
    QCOMPARE(translated(englishTypes, translation[2]), chineseTypes);

    for (int t = 0; t < englishTypes.size(); ++t) {
        QStringList englishIndustries;
        QStringList chineseIndustries;
        QVERIFY(english.getAllIndustry(englishTypes.at(t), englishIndustries));
        QVERIFY(chinese.getAllIndustry(chineseTypes.at(t), chineseIndustries));
        QVERIFY(!englishIndustries.isEmpty());
        QCOMPARE(translated(englishIndustries, translation[0]), chineseIndustries);
        for (int i = 0; i < englishIndustries.size(); ++i) {
            QStringList englishScenes;
            QStringList chineseScenes;
            QVERIFY(english.getScene(englishIndustries.at(i), englishScenes));
            QVERIFY(chinese.getScene(chineseIndustries.at(i), chineseScenes));
            QVERIFY(!englishScenes.isEmpty());
            QCOMPARE(translated(englishScenes, translation[1]), chineseScenes);
        }
    }
}

void TestCatalogueLint::parameterCodeTableNamesCatalogueRows_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("deviceClass");
    QTest::addColumn<bool>("codeIsAGroup");

    const QVector<std::tuple<const char *, int, bool>> tags = {
        {"EnglistIPCDevice", 0, false},
        {"EnglistDomeDevice", 2, false},
        {"EnglistCVRDevice", 4, false},
        {"EnglistDVRDevice", 1, false},
        {"NVRType", 3, false},
        {"HNVRType", 3, false},
        {"DVRType", 1, false},
        {"IPCType", 0, false},
        {"IPCResolution", 0, true},
        {"DomeResolution", 2, true},
        {"DVRResolution", 1, true},
        {"DVRFrameRate", 1, true},
        {"IPCStand", 0, true},
        {"DomeStand", 2, true},
        {"IPCShield", 0, true},
        {"IPCLens", 0, true},
        {"CVRRAID", 4, true},
        {"NVRRAID", 3, true},
        {"CVRHDDBay", 4, true},
        {"NVRHDDBay", 3, true},
        {"NVRAnalogInputNumber", 3, true},
        {"NVRNetInputNumber", 3, true},
        {"NVRBandWidth", 3, true},
    };
    for (const auto &[tag, deviceClass, group] : tags)
        QTest::newRow(tag) << QString::fromLatin1(tag) << deviceClass << group;
}

void TestCatalogueLint::parameterCodeTableNamesCatalogueRows()
{
    QFETCH(QString, tag);
    QFETCH(int, deviceClass);
    QFETCH(bool, codeIsAGroup);

    XmlNode root;
    QVERIFY(root.load(m_folder->file(QStringLiteral("ParamCode.xml"))) && root.parsed());
    XmlNode kind;
    for (int i = 0; i < root.childCount() && kind.isNull(); ++i) {
        if (root.childAt(i).tagIs(tag))
            kind = root.childAt(i);
    }
    QVERIFY2(!kind.isNull(), "tag missing");
    const QString likeCode = kind.childByName(QStringLiteral("LikeCode")).text();
    const QString code = kind.childByName(QStringLiteral("Code")).text();
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9]{4}%$")).match(likeCode).hasMatch());
    QCOMPARE(code.left(4), likeCode.left(4));
    QCOMPARE(code.endsWith(QLatin1String("00")), codeIsAGroup);

    for (const QString &file : {QStringLiteral("Task_EN.db"), QStringLiteral("Task.db")}) {
        QSqlQuery rows(raw(file));
        QVERIFY(rows.prepare(QStringLiteral("select count(*) from %1 where code like ?")
                                 .arg(QLatin1String(kTables[deviceClass][1]))));
        rows.addBindValue(likeCode);
        QVERIFY(rows.exec() && rows.next());
        QVERIFY2(rows.value(0).toInt() > 0, qPrintable(file));
        QSqlQuery codeRow(raw(file));
        QVERIFY(codeRow.prepare(QStringLiteral("select count(*) from %1 where code = ?")
                                    .arg(QLatin1String(kTables[deviceClass][0]))));
        codeRow.addBindValue(code);
        QVERIFY(codeRow.exec() && codeRow.next());
        QCOMPARE(codeRow.value(0).toInt(), 1);
    }
}

void TestCatalogueLint::filterConfigurationNamesCatalogueEntries()
{
    FilterConfig config;
    QVERIFY(config.isOpen());
    for (int deviceClass : {0, 1, 2}) {
        const QString params = QLatin1String(kTables[deviceClass][0]);
        QVector<QString> hidden;
        QVector<QString> checked;
        QVERIFY(config.hideCodes(deviceClass, hidden));
        QVERIFY(config.checkCodes(deviceClass, checked));
        QVERIFY(!hidden.isEmpty());

        const QString headingSql = QStringLiteral("select Name from ") + params +
                                   QStringLiteral(" where code like '%0000'");
        const QStringList englishHeadings = column(QStringLiteral("Task_EN.db"), headingSql);
        const QStringList chineseHeadings = column(QStringLiteral("Task.db"), headingSql);
        const QStringList codes =
            column(QStringLiteral("Task_EN.db"), QStringLiteral("select code from %1").arg(params));
        for (const QString &entry : std::as_const(hidden)) {
            // Headings are hidden by name: in both languages, side by side.
            const int en = englishHeadings.indexOf(entry);
            const int zh = chineseHeadings.indexOf(entry);
            if (en >= 0)
                QVERIFY2(hidden.contains(chineseHeadings.at(en)), qPrintable(entry));
            else if (zh >= 0)
                QVERIFY2(hidden.contains(englishHeadings.at(zh)), qPrintable(entry));
            else
                QVERIFY2(codes.contains(entry), qPrintable(entry));
        }
        for (const QString &group : std::as_const(checked)) {
            QVERIFY2(codes.contains(group) && group.endsWith(QLatin1String("00")),
                     qPrintable(group));
        }
    }
}

QTEST_GUILESS_MAIN(TestCatalogueLint)
#include "tst_cataloguelint.moc"
