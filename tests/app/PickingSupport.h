#pragma once

// What the tests of the device-picking dialogs share: a program folder with
// the demo catalogue (or a fixture catalogue) in the language chosen, and
// the closing of the modal dialogs they open.

#include "ProgramFolder.h"

#include <ConfigureManager.h>
#include <LanaguageManager.h>
#include <TargetPath.h>
#include <TaskDataBase.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <functional>

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

/// Waits (through the event loop) for the next modal dialog of type @p T,
/// hands it to @p inspect and closes it. @p shown counts the dialogs seen.
/// The watch ends by itself after ten seconds; a test that expects no
/// dialog deletes the returned timer.
template <typename T>
QPointer<QTimer> closeModalWhenShown(int *shown, std::function<void(T *)> inspect = {})
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    int *tries = new int(0);
    QObject::connect(timer, &QObject::destroyed, [tries] { delete tries; });
    QObject::connect(timer, &QTimer::timeout, [timer, tries, shown, inspect] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog && ++*tries < 2000)
            return;
        timer->stop();
        timer->deleteLater();
        if (!dialog)
            return;
        ++*shown;
        if (inspect)
            inspect(dialog);
        dialog->close();
    });
    timer->start();
    return timer;
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
