#pragma once

#include "ChildProcess.h"

#include <ToolsApplication.h>

#include <TargetPath.h>
#include <WarningDlg.h>

#include <QTextStream>

#include <functional>

/// One start of the program in a child process of a test (the settings, the
/// language, the catalogue and the screens are fixed once per process), on
/// the program folder @p folder as the program's main() makes it. Every
/// message is answered @p answer and reported on stdout, then whether init()
/// passed ("init\t1" or "init\t0"); @p report then writes what else the test
/// wants to know. Returns the child's exit code: 0 when the start passed.
inline int
startInChild(char *argv[], const QString &folder, int answer,
             const std::function<void(kiv::ToolsApplication &, bool, QTextStream &)> &report)
{
    using KavrinGUIToolkit::CWarningDlg;
    int appArgc = 1;
    kiv::ToolsApplication app(QStringLiteral("Varnel"), appArgc, argv);
    KavrinGUIToolkit::SetTargetPath(folder);
    QCoreApplication::addLibraryPath(folder + QStringLiteral("/plugins"));
    CWarningDlg::SetResponder([answer](const CWarningDlg::Shown &) { return answer; });
    const bool started = app.init();
    QTextStream out(stdout);
    for (const CWarningDlg::Shown &m : CWarningDlg::History())
        out << "message\t" << m.title << '\t' << reportText(m.text) << '\n';
    out << "init\t" << (started ? 1 : 0) << '\n';
    report(app, started, out);
    return started ? 0 : 1;
}
