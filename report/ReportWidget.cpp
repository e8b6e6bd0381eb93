#include "ReportWidget.h"

#include "ui_ReportWidget.h"

#include <ReportBuilder.h>

#include <QLayout>
#include <QTextCursor>
#include <QTextDocument>

namespace kiv {

ReportWidget::ReportWidget(const QString &taskName, QWidget *parent)
    : KavrinGUIToolkit::CBaseDialog(parent), m_form(std::make_unique<Ui::ReportWidget>()),
      m_taskName(taskName)
{
    m_form->setupUi(GetSetUpUiWidget());
    buildReport();
    connect(m_form->btnSavePdf, &QPushButton::clicked, this, &ReportWidget::onSavePdf);
    connect(m_form->btnSaveExcel, &QPushButton::clicked, this, &ReportWidget::onSaveExcel);
    connect(m_form->btnPrint, &QPushButton::clicked, this, &ReportWidget::onPrint);
    connect(m_form->btnClose, &QPushButton::clicked, this, &QDialog::close);
    SetCloseBtnVisible(true);
}

ReportWidget::~ReportWidget() = default;

QTextDocument *ReportWidget::document() const
{
    return m_form->textEdit->document();
}

void ReportWidget::buildReport()
{
    SetTitle(tr("Output Report"));
    setFixedSize(600, 700);

    // The view takes its final size before the report goes in, so that the
    // report is laid out once, at the width it is shown at: laying out a
    // device table of a thousand devices takes longer than building it.
    // A scroll bar that comes and goes would change that width once more.
    m_form->textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    if (QLayout *outer = layout())
        outer->activate();
    if (QLayout *form = GetSetUpUiWidget()->layout())
        form->activate();
    m_report = readTaskReport(m_taskName);
    kiv::buildReport(document(), m_report);
    // Read-only also when empty, and open at the top, where the title block
    // and the task's name are.
    m_form->textEdit->setReadOnly(true);
    m_form->textEdit->moveCursor(QTextCursor::Start);
}

} // namespace kiv
