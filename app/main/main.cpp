#include <ToolsApplication.h>
#include <Varnel.h>

#include <QCoreApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    kiv::ToolsApplication app(QStringLiteral("Varnel"), argc, argv);
    // Qt looks for its own plug-ins (styles) there too.
    QCoreApplication::addLibraryPath(
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator() +
        QStringLiteral("plugins"));
    if (!app.init()) {
        QCoreApplication::exit(0);
        return -1;
    }
    int result = 0;
    {
        kiv::Varnel window;
        window.showCentred();
        result = QApplication::exec();
    }
    return result;
}
