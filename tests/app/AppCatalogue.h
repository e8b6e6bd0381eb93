#pragma once

#include "CatalogueFixture.h"

#include <ConfigureManager.h>
#include <LanaguageManager.h>
#include <TargetPath.h>
#include <TaskDataBase.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

/// The process-wide catalogue and language of a test program: a small
/// fixture catalogue (schema.sql plus @p fixtures) in a folder of its own,
/// opened once before any pane asks for it. Tests then move the program
/// folder to their own temporary folders for the task files.
class AppCatalogue
{
public:
    explicit AppCatalogue(const QStringList &fixtures = {QStringLiteral("solutions.sql")},
                          int language = 0)
    {
        QVERIFY(m_dir.isValid());
        const QString folder = m_dir.path() + QLatin1Char('/');
        const QByteArray setup = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<Configs>"
                                 "<Translator><Value>" +
                                 QByteArray::number(language) + "</Value></Translator></Configs>\n";
        QFile file(folder + QStringLiteral("Setup.xml"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(setup);
        file.close();
        QVERIFY(CatalogueFixture::build(
            folder + (language == 0 ? QStringLiteral("Task_EN.db") : QStringLiteral("Task.db")),
            fixtures));
        // The built catalogues of texts, so the panes speak the language.
        QDir(folder).mkpath(QStringLiteral("translations"));
        const QDir built(QStringLiteral(VARNEL_PROGRAM_DIR "/translations"));
        for (const QString &name : built.entryList({QStringLiteral("*.qm")}, QDir::Files))
            QFile::copy(built.filePath(name), folder + QStringLiteral("translations/") + name);
        KavrinGUIToolkit::SetTargetPath(folder);
        kiv::ConfigureManager::GetInstance()->load(folder + QStringLiteral("Setup.xml"));
        QCOMPARE(kiv::LanaguageManager::GetInstance()->language(), language);
        QVERIFY(kiv::TaskDataBase::GetInstance()->isOpen());
        KavrinGUIToolkit::SetTargetPath(QString());
    }

private:
    QTemporaryDir m_dir;
};
