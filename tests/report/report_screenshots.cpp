// Writes the pictures of the report window for the user manual and for
// looking at it: `report_screenshots <language 0|1> <folder>` shows the
// report of a planner's task and the path dialog, grabs both as PNG and
// saves the report as PDF. Not a test.

#include <ReportWidget.h>

#include "ProgramFolder.h"
#include "ReportFixture.h"

#include <PathWidget.h>

#include <QApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        qWarning("usage: report_screenshots <language 0|1> <folder>");
        return 2;
    }
    const int language = QString::fromLocal8Bit(argv[1]).toInt();
    const QString out = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/');
    const QString suffix = language == 1 ? QStringLiteral("zh") : QStringLiteral("en");

    reportfixture::useLanguage(language);
    ProgramFolder folder;
    reportfixture::writePlannerTask();

    kiv::ReportWidget report(reportfixture::plannerTask());
    report.show();
    QCoreApplication::processEvents();
    report.grab().save(out + QStringLiteral("report-window-") + suffix + QStringLiteral(".png"));
    if (!report.savePdf(out + QStringLiteral("report-") + suffix + QStringLiteral(".pdf")))
        qWarning() << "PDF:" << report.lastError();
    if (!report.saveWorkbook(out + QStringLiteral("report-") + suffix + QStringLiteral(".xlsx"),
                             reportfixture::plannerTask()))
        qWarning() << "workbook:" << report.lastError();

    kiv::PathWidget path(reportfixture::plannerTask(), &report);
    path.show();
    QCoreApplication::processEvents();
    path.grab().save(out + QStringLiteral("path-dialog-") + suffix + QStringLiteral(".png"));
    return 0;
}
