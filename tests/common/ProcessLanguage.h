#pragma once

#include "ProgramFolder.h"

#include <ConfigureManager.h>
#include <LanaguageManager.h>

#include <QtTest>

/// Starts the settings and the language of this test process as the
/// program's start-up does, from @p folder (the program folder at the time):
/// Setup.xml with @p language (0 English, 1 Chinese) and the built catalogues
/// of texts are written there, then loaded. The settings and language are
/// process-wide and keep this language for the rest of the process.
inline void startInLanguage(const ProgramFolder &folder, int language)
{
    QVERIFY(folder.writeSettings(language));
    QVERIFY(folder.copyTranslations());
    QVERIFY(kiv::ConfigureManager::GetInstance()->load(folder.file(QStringLiteral("Setup.xml"))));
    QCOMPARE(kiv::LanaguageManager::GetInstance()->language(), language);
}
