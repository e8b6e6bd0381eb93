#include "NewTaskWidget.h"

#include "ImportSolutionWidget.h"

#include <Limits.h>
#include <TaskDataBase.h>
#include <TaskName.h>
#include <ToolTip.h>
#include <Validators.h>
#include <Widgets.h>

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextCursor>

namespace kiv {

NewTaskWidget::NewTaskWidget(QWidget *parent) : CBaseDialogWithBottom(parent)
{
    setObjectName(QStringLiteral("NewTaskWidget"));
    QWidget *form = GetSetUpUiWidget();
    auto *grid = new QGridLayout(form);
    grid->setContentsMargins(24, 18, 24, 6);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);

    auto label = [form](const char *name, const QString &text) {
        auto *l = new QLabel(text, form);
        l->setObjectName(QLatin1String(name));
        l->setMinimumWidth(120);
        return l;
    };
    m_labelTaskName =
        label("labelTaskName", QCoreApplication::translate("NewTaskWidgetUI", "Task Name:"));
    m_editTaskName = new KavrinGUIToolkit::CLineEdit(form);
    m_editTaskName->setObjectName(QStringLiteral("editTaskName"));
    m_editTaskName->setFixedWidth(180);
    m_labelTaskType =
        label("labelTaskType", QCoreApplication::translate("NewTaskWidgetUI", "Type:"));
    m_combTaskType = new KavrinGUIToolkit::CComboBox(form);
    m_combTaskType->setObjectName(QStringLiteral("combTaskType"));
    m_combTaskType->setFixedWidth(180);
    m_labelStandard =
        label("labelStandard", QCoreApplication::translate("NewTaskWidgetUI", "Video Standard:"));
    m_combVideoStandard = new KavrinGUIToolkit::CComboBox(form);
    m_combVideoStandard->setObjectName(QStringLiteral("combVideoStandard"));
    m_combVideoStandard->setFixedWidth(180);
    m_labelDescription =
        label("labelDescription", QCoreApplication::translate("NewTaskWidgetUI", "Description:"));
    m_labelDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_textDescription = new KavrinGUIToolkit::CTextEdit(form);
    m_textDescription->setObjectName(QStringLiteral("textDescription"));
    m_textDescription->setMaximumHeight(120);
    m_textDescription->setAcceptRichText(false);
    m_checkSolution = new KavrinGUIToolkit::CCheckBox(
        QCoreApplication::translate("NewTaskWidgetUI", "Solution"), form);
    m_checkSolution->setObjectName(QStringLiteral("checkSolution"));
    m_labelSolutionDescription = new QLabel(
        QCoreApplication::translate(
            "NewTaskWidgetUI",
            "Solution helps you pick up devices quickly for various \nindustries or scenes."),
        form);
    m_labelSolutionDescription->setObjectName(QStringLiteral("labelSolutionDescription"));

    grid->addWidget(m_labelTaskName, 0, 0);
    grid->addWidget(m_editTaskName, 0, 1, Qt::AlignLeft);
    grid->addWidget(m_labelTaskType, 1, 0);
    grid->addWidget(m_combTaskType, 1, 1, Qt::AlignLeft);
    grid->addWidget(m_labelStandard, 2, 0);
    grid->addWidget(m_combVideoStandard, 2, 1, Qt::AlignLeft);
    grid->addWidget(m_labelDescription, 3, 0);
    grid->addWidget(m_textDescription, 3, 1);
    grid->addWidget(m_checkSolution, 4, 0);
    grid->addWidget(m_labelSolutionDescription, 4, 1);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(1, 1);
    init();
}

NewTaskWidget::~NewTaskWidget() = default;

void NewTaskWidget::init()
{
    setFixedSize(480, 420);
    SetCloseBtnVisible(true);

    m_combTaskType->AddItem(tr("Custum Solution"), tr("Custum Solution"), QVariant());
    QStringList solutionTypes;
    TaskDataBase::GetInstance()->getAllSolutionType(solutionTypes);
    m_combTaskType->addItems(solutionTypes);
    m_combVideoStandard->addItem(tr("PAL"), 1);
    m_combVideoStandard->addItem(tr("NTSC"), 2);

    m_editTaskName->setValidator(
        new KavrinGUIToolkit::CRegExpValidator(limits::kMaxTaskNameLength, m_editTaskName));
    m_textDescription->installEventFilter(this);
    m_checkSolution->hide();
    m_labelSolutionDescription->hide();

    connect(m_checkSolution, &QCheckBox::clicked, this, &NewTaskWidget::importSolution);
    connect(m_combTaskType, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &NewTaskWidget::slotTaskTypeChanged);
    connect(m_textDescription, &QTextEdit::textChanged, this, &NewTaskWidget::slotTextChanged);
    ReConnect(GetConfirmBtn(), &QPushButton::clicked, this, &NewTaskWidget::onConfirm);
    m_editTaskName->setFocus();
}

void NewTaskWidget::getTaskInfo(TaskInfo &info) const
{
    info = m_taskInfo;
}

void NewTaskWidget::getSceneGroupMap(SceneGroupMap &map) const
{
    map = m_sceneGroupMap;
}

void NewTaskWidget::setTaskInfo(const TaskInfo &info)
{
    m_editTaskName->setText(info.name);
    // A description stored longer than the dialog allows (a hand-edited
    // file) is shown, and saved again, cut to its first characters.
    m_textDescription->setPlainText(
        limits::cutDescription(info.remark, int(info.remark.size())).text);
    m_combTaskType->setCurrentIndex(info.type);
    m_combTaskType->setEnabled(false);
    m_combVideoStandard->setEnabled(false);
    m_combVideoStandard->setCurrentIndex(info.videoStandard);
    m_previousName = info.name;
    m_editing = true;
    m_original = info;
    importSolution(false);
}

void NewTaskWidget::importSolution(bool on)
{
    SetConfirmBtnText(on ? tr("Next") : tr("Confirm"));
    if (on)
        ReConnect(GetConfirmBtn(), &QPushButton::clicked, this, &NewTaskWidget::next);
    else
        ReConnect(GetConfirmBtn(), &QPushButton::clicked, this, &NewTaskWidget::onConfirm);
}

void NewTaskWidget::slotTaskTypeChanged(int index)
{
    m_labelSolutionDescription->setVisible(index != 0);
    // Back on "Custum Solution" a new task is confirmed directly again.
    importSolution(index != 0 && m_combTaskType->isEnabled());
}

void NewTaskWidget::slotTextChanged()
{
    const QString text = m_textDescription->toPlainText();
    // The surplus is what was just typed or pasted: the characters before the
    // cursor.
    const limits::DescriptionCut cut =
        limits::cutDescription(text, m_textDescription->textCursor().position());
    if (cut.text.size() == text.size())
        return;
    const QSignalBlocker blocker(m_textDescription);
    m_textDescription->setPlainText(cut.text);
    QTextCursor c = m_textDescription->textCursor();
    c.setPosition(cut.cursor);
    m_textDescription->setTextCursor(c);
}

bool NewTaskWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_textDescription && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return CBaseDialogWithBottom::eventFilter(watched, event);
}

QString NewTaskWidget::nameProblem(const QString &name, const QString &previousName,
                                   TaskListFile &file)
{
    // The rules every way into the task list checks, in the same order.
    const QString problem = taskNameProblem(name);
    if (!problem.isEmpty())
        return problem;
    if (name != previousName && file.exists(name))
        return tr("Reserved task name can not be added.");
    return QString();
}

bool NewTaskWidget::checkName(QString &name)
{
    name = m_editTaskName->text().trimmed();
    TaskListFile file;
    const QString problem = nameProblem(name, m_previousName, file);
    if (problem.isEmpty())
        return true;
    showTip(problem);
    return false;
}

void NewTaskWidget::fillTaskInfo(const QString &name)
{
    m_taskInfo.name = name;
    m_taskInfo.remark = m_textDescription->toPlainText();
    // An edited task keeps its type and standard as stored, even one the
    // lists no longer offer.
    m_taskInfo.videoStandard =
        m_editing ? m_original.videoStandard : m_combVideoStandard->currentIndex();
    m_taskInfo.type = m_editing ? m_original.type : m_combTaskType->currentIndex();
}

void NewTaskWidget::showTip(const QString &text)
{
    KavrinGUIToolkit::CToolTip::ShowText(m_editTaskName->mapToGlobal(QPoint(0, 0)), text);
}

void NewTaskWidget::onConfirm()
{
    QString name;
    if (!checkName(name))
        return;
    fillTaskInfo(name);
    accept();
}

void NewTaskWidget::next()
{
    QString name;
    if (!checkName(name))
        return;
    // The import dialog is the second step of the same request; hiding this
    // dialog ends the run of exec() it is in (exec() runs it again after
    // Previous).
    hide();
    ImportSolutionWidget import(m_combTaskType->currentText(), nullptr);
    if (import.exec() == 1) {
        m_sceneGroupMap.clear();
        import.getSceneGroupMap(m_sceneGroupMap);
        fillTaskInfo(name);
        accept();
        return;
    }
    if (import.isPrevious()) {
        m_backFromImport = true;
        return;
    }
    reject();
}

int NewTaskWidget::exec()
{
    int result = 0;
    do {
        m_backFromImport = false;
        result = CBaseDialogWithBottom::exec();
    } while (m_backFromImport);
    return result;
}

void NewTaskWidget::save()
{
    accept();
}

} // namespace kiv
