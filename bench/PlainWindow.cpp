// The floor of the program's start: a plain Qt Widgets program, linking Qt
// alone, that shows a 1024 x 768 window with one label. The start benchmark
// starts it as a whole process, in turn with the program, and it answers
// when its first frame was painted, the same way the program's start does
// (FirstFrame.h), then ends.

#include "FirstFrame.h"
#include "QuietPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    const qint64 mainAt = bench::wallNs();
    bench::quietPlatformNotes();
    bench::FrameClock<QApplication> app(argc, argv);
    const qint64 readyAt = bench::wallNs();
    QWidget window;
    window.resize(1024, 768);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("A plain Qt Widgets window"), &window));
    const qint64 windowAt = bench::wallNs();
    app.afterEachEvent([&] {
        if (app.firstFrameAt() != 0)
            bench::tell(mainAt, readyAt, windowAt, app.firstFrameAt(), 0);
    });
    window.show();
    return QApplication::exec();
}
