#pragma once

// What the tests of the device-picking dialogs share: a program folder with
// the demo catalogue in the language chosen.

#include "ModalDriver.h"
#include "ProgramFolder.h"

#include <ConfigureManager.h>
#include <LanaguageManager.h>
#include <TargetPath.h>
#include <TaskDataBase.h>

#include <QDir>
#include <QFile>
#include <QtTest>

namespace picking {

/// Copies @p name from the built program folder into @p folder.
inline bool copyFromProgram(const ProgramFolder &folder, const QString &name)
{
    QFile::remove(folder.file(name));
    return QFile::copy(QStringLiteral(VARNEL_PROGRAM_DIR "/") + name, folder.file(name));
}

/// Fills @p folder as the program folder of this process: Setup.xml with
/// the language (0 English, 1 Chinese), the translations, the parameter
/// codes and filter configuration of the build, and the demo catalogues.
/// Then makes the process-wide settings, language and catalogue, which keep
/// this folder and language for the rest of the process.
inline void useDemoFolder(const ProgramFolder &folder, int language)
{
    QVERIFY(ProgramFolder::write(folder.file(QStringLiteral("Setup.xml")),
                                 QByteArrayLiteral("<?xml version=\"1.0\"?>\n<Configs>"
                                                   "<Translator><Value>") +
                                     QByteArray::number(language) +
                                     QByteArrayLiteral("</Value></Translator></Configs>\n")));
    const QDir shipped(QStringLiteral(VARNEL_PROGRAM_DIR "/translations"));
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("translations")));
    for (const QString &file : shipped.entryList({QStringLiteral("*.qm")}, QDir::Files)) {
        QVERIFY(QFile::copy(shipped.filePath(file),
                            folder.file(QStringLiteral("translations/") + file)));
    }
    for (const char *name : {"ParamCode.xml", "FilterConfig.xml", "Task_EN.db", "Task.db"})
        QVERIFY2(copyFromProgram(folder, QLatin1String(name)), name);

    QVERIFY(kiv::ConfigureManager::GetInstance()->load(
        KavrinGUIToolkit::GetTargetPathFile(QStringLiteral("Setup.xml"))));
    QCOMPARE(kiv::LanaguageManager::GetInstance()->language(), language);
    QVERIFY(kiv::TaskDataBase::GetInstance()->isOpen());
}

/// True when the text holds a Chinese character.
inline bool hasHan(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            return true;
    }
    return false;
}

} // namespace picking
