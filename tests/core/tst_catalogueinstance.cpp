// The process-wide objects as the program reaches them: settings first, then
// the language manager, then the catalogue of the chosen language.

#include "ConfigureManager.h"
#include "LanaguageManager.h"
#include "ParamCode.h"
#include "TaskDataBase.h"

#include "CatalogueFixture.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QTranslator>
#include <QtTest>

class TestCatalogueInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void chineseSettingsOpenTheChineseCatalogue();
    void accessorsReturnTheSameObjects();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestCatalogueInstance::initTestCase()
{
    // One folder for the whole process: the process-wide objects are made
    // once and keep the folder they were made in.
    m_folder = std::make_unique<ProgramFolder>();
    QVERIFY(m_folder->writeSettings(1));
    QVERIFY(m_folder->copyTranslations());
    // Different models in the two files tell which one was opened.
    QVERIFY(CatalogueFixture::build(m_folder->file(QStringLiteral("Task.db")),
                                    {QStringLiteral("solutions.sql")}));
    QVERIFY(CatalogueFixture::build(m_folder->file(QStringLiteral("Task_EN.db")),
                                    {QStringLiteral("storage.sql")}));

    QVERIFY(kiv::ConfigureManager::GetInstance()->load(
        KavrinGUIToolkit::GetTargetPathFile(QStringLiteral("Setup.xml"))));
}

void TestCatalogueInstance::chineseSettingsOpenTheChineseCatalogue()
{
    kiv::LanaguageManager *language = kiv::LanaguageManager::GetInstance();
    QCOMPARE(language->language(), 1);
    QCOMPARE(language->translators().size(), 3);

    kiv::TaskDataBase *db = kiv::TaskDataBase::GetInstance();
    QVERIFY(db->isOpen());
    QCOMPARE(db->dbPath(), m_folder->file(QStringLiteral("Task.db")));
    QCOMPARE(db->connectionName(), QLatin1String(QSqlDatabase::defaultConnection));

    // The Chinese list variant: every camera of the table, in table order.
    QStringList cameras;
    QVERIFY(db->getDeviceList(0, cameras));
    QCOMPARE(cameras, (QStringList{QStringLiteral("CAM-B"), QStringLiteral("CAM-A"),
                                   QStringLiteral("CAM-Z")}));
}

void TestCatalogueInstance::accessorsReturnTheSameObjects()
{
    QCOMPARE(kiv::ConfigureManager::GetInstance(), kiv::ConfigureManager::GetInstance());
    QCOMPARE(kiv::ParamCode::GetInstance(), kiv::ParamCode::GetInstance());
    kiv::LanaguageManager *language = kiv::LanaguageManager::GetInstance();
    QCOMPARE(kiv::LanaguageManager::GetInstance(), language);
    QCOMPARE(kiv::TaskDataBase::GetInstance(), kiv::TaskDataBase::GetInstance());
    // The translators were installed once, by the first call.
    QCOMPARE(language->translators().size(), 3);
    QCOMPARE(QCoreApplication::translate("KavrinGUIToolkit::CWarningDlg", "OK"),
             QStringLiteral("确定"));
}

QTEST_GUILESS_MAIN(TestCatalogueInstance)
#include "tst_catalogueinstance.moc"
