#include "Planner.h"

#include "Camera.h"

#include <LanaguageManager.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>

namespace planner {

namespace {

// The open cell editor of @p view, if any: the view keeps its editors, and
// nothing else, on its viewport; a closed one is hidden until deleted.
template <typename Editor> Editor *openEditor(const QAbstractItemView *view)
{
    const QList<Editor *> editors =
        view->viewport()->findChildren<Editor *>(QString(), Qt::FindDirectChildrenOnly);
    for (Editor *editor : editors) {
        if (!editor->isHidden())
            return editor;
    }
    return nullptr;
}

} // namespace

void retype(QLineEdit *edit, const QString &text)
{
    if (!edit)
        return;
    gui::click(edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    gui::type(edit, text);
}

bool chooseText(QComboBox *combo, const QString &text)
{
    return combo && gui::choose(combo, combo->findText(text));
}

int rowOf(const QAbstractItemModel *model, const QString &text, int column,
          const QModelIndex &parent)
{
    for (int row = 0; model && row < model->rowCount(parent); ++row) {
        if (model->index(row, column, parent).data().toString() == text)
            return row;
    }
    return -1;
}

bool editCell(QAbstractItemView *view, const QModelIndex &index, const QString &text)
{
    if (!gui::doubleClickItem(view, index))
        return false;
    auto *editor = openEditor<QLineEdit>(view);
    if (!editor)
        return false;
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    gui::type(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor hands its text over on a later turn of the event loop.
    return QTest::qWaitFor([view] { return !openEditor<QLineEdit>(view); });
}

bool chooseInCell(QAbstractItemView *view, const QModelIndex &index, const QString &text)
{
    if (!gui::doubleClickItem(view, index))
        return false;
    auto *combo = openEditor<QComboBox>(view);
    const int wanted = combo ? combo->findText(text) : -1;
    // The editor drops its list down once it is shown.
    if (wanted < 0 || !QTest::qWaitFor([combo] { return combo->view()->isVisible(); }))
        return false;
    QAbstractItemView *list = combo->view();
    const int from = list->currentIndex().isValid() ? list->currentIndex().row() : 0;
    for (int step = 0; step < qAbs(wanted - from); ++step)
        QTest::keyClick(list, wanted > from ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    return QTest::qWaitFor([view] { return !openEditor<QComboBox>(view); });
}

QStringList rowTexts(const QAbstractItemModel *model, int lastColumn)
{
    QStringList rows;
    for (int row = 0; model && row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column <= lastColumn; ++column)
            cells << model->index(row, column).data().toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QString tick(const QModelIndex &index)
{
    return index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStringLiteral("1")
                                                                 : QStringLiteral("0");
}

StepPictures::StepPictures(int language, const QString &stage) : m_stage(stage)
{
    const QString folder = qEnvironmentVariable("VARNEL_JOB_PICTURES");
    if (folder.isEmpty())
        return;
    const QString sub =
        QDir(folder).filePath(language == 1 ? QStringLiteral("zh") : QStringLiteral("en"));
    QDir().mkpath(sub);
    m_camera = std::make_unique<Camera>(sub, kiv::LanaguageManager::GetInstance()->locale());
}

StepPictures::~StepPictures() = default;

void StepPictures::take(QWidget *widget, const QString &name)
{
    if (m_camera)
        m_camera->window(widget, QStringLiteral("%1-%2-%3")
                                     .arg(m_stage)
                                     .arg(++m_count, 2, 10, QLatin1Char('0'))
                                     .arg(name));
}

bool StepPictures::allTaken() const
{
    return !m_camera || m_camera->problems().isEmpty();
}

} // namespace planner
