#pragma once

// Driving the report window's exports as a planner would: the path dialog
// is answered by a queued call once it runs, message boxes by the toolkit's
// responder, which keeps what they said.

#include "FormWidgets.h"

#include <PathComboBox.h>
#include <PathWidget.h>
#include <WarningDlg.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace exportdriver {

/// Answers the next path dialog: fills in @p folder and @p name and
/// confirms (or cancels). A dialog that refuses the input is cancelled, so
/// a test never hangs on it. @p offered gets the name the dialog proposed.
inline void answerPathDialog(const QString &folder, const QString &name, bool confirm = true,
                             QString *offered = nullptr)
{
    QTimer::singleShot(0, qApp, [=] {
        auto *dialog = qobject_cast<kiv::PathWidget *>(QApplication::activeModalWidget());
        if (!dialog) {
            qWarning("no path dialog is open");
            return;
        }
        auto *edit = formWidget<QLineEdit>(*dialog, "edtName");
        if (offered)
            *offered = edit->text();
        edit->setText(name);
        formWidget<KavrinGUIToolkit::CPathComboBox>(*dialog, "comboBox")->setEditText(folder);
        if (confirm)
            dialog->GetConfirmBtn()->click();
        if (dialog->isVisible())
            dialog->reject();
    });
}

/// The columns "button" (the object name of a save button) and "extension"
/// (what its export adds to the file name), with a row for each export.
inline void addSaveButtons()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("extension");
    QTest::newRow("PDF") << "btnSavePdf"
                         << ".pdf";
    QTest::newRow("workbook") << "btnSaveExcel"
                              << ".xlsx";
}

/// Answers every question with @p answer (1 confirms) and every message
/// with 1.
inline void answerQuestions(int answer)
{
    KavrinGUIToolkit::CWarningDlg::ClearHistory();
    KavrinGUIToolkit::CWarningDlg::SetResponder(
        [answer](const KavrinGUIToolkit::CWarningDlg::Shown &shown) {
            return shown.question ? answer : 1;
        });
}

/// Every message shown, as "title|text".
inline QStringList messages()
{
    QStringList out;
    for (const auto &m : KavrinGUIToolkit::CWarningDlg::History())
        out << m.title + QLatin1Char('|') + m.text;
    return out;
}

} // namespace exportdriver
