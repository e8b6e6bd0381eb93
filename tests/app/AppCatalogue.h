#pragma once

#include "CatalogueFixture.h"
#include "ProcessLanguage.h"
#include "ProgramFolder.h"

#include <TargetPath.h>
#include <TaskDataBase.h>

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
        QVERIFY(CatalogueFixture::build(
            m_folder.file(language == 0 ? QStringLiteral("Task_EN.db") : QStringLiteral("Task.db")),
            fixtures));
        // The built catalogues of texts, so the panes speak the language.
        startInLanguage(m_folder, language);
        QVERIFY(kiv::TaskDataBase::GetInstance()->isOpen());
        KavrinGUIToolkit::SetTargetPath(QString());
    }

private:
    ProgramFolder m_folder{false};
};
