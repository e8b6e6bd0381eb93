#pragma once

// What the tests of the device-picking dialogs share: a program folder with
// the demo catalogue in the language chosen.

#include "ModalDriver.h"
#include "ProcessLanguage.h"
#include "ProgramFolder.h"

#include <TaskDataBase.h>

#include <QtTest>

namespace picking {

/// Fills @p folder as the program folder of this process: the parameter
/// codes, filter configuration and demo catalogues of the build, then the
/// settings of the language (0 English, 1 Chinese) with the translations.
/// The process-wide settings, language and catalogue keep this folder and
/// language for the rest of the process.
inline void useDemoFolder(const ProgramFolder &folder, int language)
{
    QVERIFY(folder.copyFromBuild({"ParamCode.xml", "FilterConfig.xml", "Task_EN.db", "Task.db"}));
    startInLanguage(folder, language);
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
