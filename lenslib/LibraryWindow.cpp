#include "LibraryWindow.h"

#include "CPendrikMainWnd.h"
#include "LibrarySetup.h"

#include <QApplication>
#include <QGridLayout>
#include <QPointer>

namespace pendrik {

namespace {

QPointer<CPendrikMainWnd> &windowHolder()
{
    static QPointer<CPendrikMainWnd> window;
    return window;
}

QPointer<QGridLayout> &layoutHolder()
{
    static QPointer<QGridLayout> layout;
    return layout;
}

} // namespace

CPendrikMainWnd *libraryWindow()
{
    return windowHolder().data();
}

bool openLibraryWindow(QWidget *parent, QGridLayout *layout, bool showTitle)
{
    if (!parent || !layout || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    setUpLibrary();

    QPointer<CPendrikMainWnd> &window = windowHolder();
    const bool created = !window;
    if (created)
        window = new CPendrikMainWnd(parent);

    QPointer<QGridLayout> &lastLayout = layoutHolder();
    if (layout->indexOf(window) < 0) {
        // Out of the layout of an earlier open first, so the window is in
        // one layout only.
        if (lastLayout && lastLayout != layout)
            lastLayout->removeWidget(window);
        layout->addWidget(window, 0, 0, 1, 1);
    }
    lastLayout = layout;

    window->showTitleBar(showTitle);
    window->show();
    // The catalogues are read once per window; a missing or damaged one is
    // named then, over the host's dialog once it shows. The host names its
    // own settings file.
    if (created) {
        QMetaObject::invokeMethod(
            window.data(),
            [shown = window] {
                if (shown)
                    shown->tellDataProblems(false);
            },
            Qt::QueuedConnection);
    }
    return true;
}

void hideLibraryTab(bool hide)
{
    if (CPendrikMainWnd *window = libraryWindow())
        window->hideTab(hide);
}

bool setLibraryIPCType(const QString &model)
{
    CPendrikMainWnd *window = libraryWindow();
    return window && window->setIPCType(model);
}

void getLibraryLens(QString *lens, int *count)
{
    CPendrikMainWnd *window = libraryWindow();
    if (!window || !lens || !count)
        return;
    const QString selected = window->selectedLens();
    if (selected.isEmpty())
        return;
    *lens = selected;
    *count = window->lensCount();
}

void changeLibrarySize(bool large)
{
    if (CPendrikMainWnd *window = libraryWindow())
        window->changeSize(large);
}

} // namespace pendrik
