// The gallery of the program's windows. Not a test:
//
//     window_gallery <en|zh> <picture folder> [<built program folder>]
//
// starts the planning program as its main() does, on a temporary copy of the
// built program folder in the language asked for, with the gallery's tasks;
// walks through every window and dialog as a planner would and saves a PNG
// of each into the picture folder under a fixed name; then does the same
// with the stand-alone lens calculator (the same program, started again with
// --lens). The exit code is 0 only when every picture was taken.
// tests/gallery/take.sh runs it under Xvfb for both languages.

#include "Camera.h"
#include "GalleryTasks.h"
#include "LensTour.h"
#include "ModalWatch.h"
#include "ProgramCopy.h"
#include "ProgramTour.h"

#include <CKavrinApplication.h>
#include <CPendrikMainWnd.h>
#include <LanaguageManager.h>
#include <TargetPath.h>
#include <ToolsApplication.h>
#include <Varnel.h>
#include <ktl.h>

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QStyleHints>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Far more than a run takes; a run that hangs ends with a failure instead.
constexpr int kRunLimitMs = 10 * 60 * 1000;

int languageOf(const QString &code)
{
    if (code == QLatin1String("en"))
        return 0;
    if (code == QLatin1String("zh"))
        return 1;
    return -1;
}

// What the program shows of the planner's own folders: the path dialog
// starts in the home folder, the same on every machine.
void fixHome()
{
    const QString home = QDir::tempPath() + QStringLiteral("/varnel-gallery-home");
    QDir().mkpath(home);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qunsetenv("XDG_DOCUMENTS_DIR");
}

// No blinking text cursor and no animated menus: every picture is taken in
// the same state, whenever it is taken.
void steadyLook()
{
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    for (Qt::UIEffect effect : {Qt::UI_AnimateMenu, Qt::UI_FadeMenu, Qt::UI_AnimateCombo,
                                Qt::UI_AnimateTooltip, Qt::UI_FadeTooltip, Qt::UI_AnimateToolBox})
        QApplication::setEffectEnabled(effect, false);
}

int finish(const Camera &camera, const QString &part, int loopResult)
{
    std::fprintf(stderr, "window_gallery: %s: %d pictures, %d problems\n", qPrintable(part),
                 int(camera.saved().size()), int(camera.problems().size()));
    return camera.problems().isEmpty() && loopResult == 0 ? 0 : 1;
}

int runLens(int argc, char **argv, const QString &pictures, const QString &folder)
{
    KavrinGUIToolkit::SetTargetPath(folder);
    QDir::setCurrent(folder);
    CKavrinApplication app(argc, argv, QStringLiteral("Pendrik"), folder);
    steadyLook();
    if (app.isRunning() || app.checkResolution())
        return 2;
    KTL_Init();

    Camera camera(pictures, QLocale());
    ModalWatch watch(camera);
    auto window = std::make_unique<CPendrikMainWnd>();
    window->changeSize(true);
    window->show();
    window->showTitleBar(true);
    window->setFixedSize(1024, 768);
    QMetaObject::invokeMethod(
        window.get(), [shown = window.get()] { shown->tellDataProblems(true); },
        Qt::QueuedConnection);
    QTimer::singleShot(0, window.get(), [&] {
        Camera::settle(window.get());
        LensTour(window.get(), camera, watch).run();
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(kRunLimitMs, &app, [&] {
        camera.problem(QStringLiteral("the lens calculator's run did not end"));
        QCoreApplication::exit(3);
    });
    const int result = QApplication::exec();
    window.reset();
    return finish(camera, QStringLiteral("lens calculator"), result);
}

int runProgram(int argc, char **argv, const QString &code, const QString &pictures,
               const QString &built)
{
    const int language = languageOf(code);
    ProgramCopy copy;
    QString error;
    if (!copy.make(built, language, error)) {
        std::fprintf(stderr, "window_gallery: %s\n", qPrintable(error));
        return 2;
    }
    KavrinGUIToolkit::SetTargetPath(copy.path());
    QDir::setCurrent(copy.path());

    kiv::ToolsApplication app(QStringLiteral("Varnel"), argc, argv);
    QCoreApplication::addLibraryPath(copy.path() + QStringLiteral("plugins"));
    steadyLook();
    if (!app.init())
        return 2;
    if (!gallerytasks::write(language, error)) {
        std::fprintf(stderr, "window_gallery: %s\n", qPrintable(error));
        return 2;
    }

    Camera camera(pictures, kiv::LanaguageManager::GetInstance()->locale());
    int result = 0;
    {
        ModalWatch watch(camera);
        kiv::Varnel window;
        window.showCentred();
        QTimer::singleShot(0, &window, [&] {
            Camera::parkPointer();
            Camera::settle(&window);
            ProgramTour(&window, language, camera, watch).run();
            QCoreApplication::exit(0);
        });
        QTimer::singleShot(kRunLimitMs, &app, [&] {
            camera.problem(QStringLiteral("the program's run did not end"));
            QCoreApplication::exit(3);
        });
        result = QApplication::exec();
    }
    const int program = finish(camera, QStringLiteral("program"), result);

    QProcess lens;
    lens.setProcessChannelMode(QProcess::ForwardedChannels);
    lens.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--lens"), pictures, copy.path()});
    const bool lensDone = lens.waitForFinished(kRunLimitMs + 60000) &&
                          lens.exitStatus() == QProcess::NormalExit && lens.exitCode() == 0;
    return program == 0 && lensDone ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList args = [argc, argv] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    fixHome();
    if (args.size() == 3 && args.at(0) == QLatin1String("--lens"))
        return runLens(argc, argv, args.at(1), args.at(2));
    if ((args.size() == 2 || args.size() == 3) && languageOf(args.at(0)) >= 0) {
        QDir().mkpath(args.at(1));
        const QString pictures = QDir(args.at(1)).absolutePath();
        return runProgram(argc, argv, args.at(0), pictures,
                          args.size() == 3 ? args.at(2) : QStringLiteral(VARNEL_PROGRAM_DIR));
    }
    std::fprintf(stderr,
                 "usage: window_gallery <en|zh> <picture folder> [<built program folder>]\n");
    return 2;
}
