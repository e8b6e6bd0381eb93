// The lens calculator as a program of its own.
#include <CKavrinApplication.h>
#include <CPendrikMainWnd.h>

#include <ktl.h>

#include <memory>

int main(int argc, char *argv[])
{
    CKavrinApplication app(argc, argv, QStringLiteral("Pendrik"));
    if (app.isRunning() || app.checkResolution())
        return 0;
    KTL_Init();

    auto window = std::make_unique<CPendrikMainWnd>();
    window->changeSize(true);
    window->show();
    window->showTitleBar(true);
    window->setFixedSize(1024, 768);
    // Named over the window once it shows.
    QMetaObject::invokeMethod(
        window.get(), [shown = window.get()] { shown->tellDataProblems(true); },
        Qt::QueuedConnection);
    const int result = app.exec();
    window.reset();
    return result;
}
