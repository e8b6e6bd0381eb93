// Preloaded (LD_PRELOAD) into a real start of the program by tst_startup:
// answers every message box of the toolkit at once with "OK" and writes it
// to stdout as "message<TAB>title<TAB>text" (the text on one line, see
// reportText()), so that a start which would wait for the planner runs to
// its end and the test sees what it was told.

#include "ChildProcess.h"

#include <WarningDlg.h>

#include <cstdio>

namespace {

struct MessageAnswerer
{
    MessageAnswerer()
    {
        using KavrinGUIToolkit::CWarningDlg;
        CWarningDlg::SetResponder([](const CWarningDlg::Shown &m) {
            std::fprintf(stdout, "message\t%s\t%s\n", m.title.toUtf8().constData(),
                         reportText(m.text).toUtf8().constData());
            std::fflush(stdout);
            return 1;
        });
    }
};

const MessageAnswerer answerer;

} // namespace
