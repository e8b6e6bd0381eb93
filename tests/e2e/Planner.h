#pragma once

// The planner's hands on the running program, on top of the gallery's
// steps: widgets found by object name, text typed over a field's old text,
// combo boxes and cell editors driven with the keys, modal dialogs answered
// once their exec() runs, and a picture of each step when the run is asked
// for them.

#include "GuiSteps.h"
#include "ModalDriver.h"

#include <QDialog>
#include <QModelIndex>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class Camera;
class QAbstractItemModel;
class QAbstractItemView;
class QComboBox;
class QLineEdit;

namespace planner {

/// The descendant of @p root named @p name, of class T; null when there is
/// none.
template <typename T> T *named(const QObject *root, const char *name)
{
    return root ? root->findChild<T *>(QLatin1String(name)) : nullptr;
}

/// Runs @p open, which brings up a modal dialog of class T, and @p act on
/// that dialog once its exec() runs. A dialog that @p act leaves open is
/// rejected, so a step that fails half-way never holds the run up. True
/// when the dialog came up.
template <typename T>
bool onDialog(QObject *context, const std::function<void()> &open,
              const std::function<void(T *)> &act)
{
    // A look-up still pending once @p open returned finds a later dialog:
    // it must leave that one alone.
    const auto live = std::make_shared<bool>(true);
    const auto shown = std::make_shared<bool>(false);
    whenModal<T>(context, [live, shown, act](T *dialog) {
        if (!*live)
            return;
        *shown = true;
        const QPointer<T> guard(dialog);
        act(dialog);
        if (guard && guard->isVisible())
            guard->reject();
    });
    open();
    *live = false;
    return *shown;
}

/// Replaces what a line edit holds as the planner does: a click into it,
/// Ctrl+A, then @p text typed key by key.
void retype(QLineEdit *edit, const QString &text);

/// Chooses the item that shows @p text in a closed combo box, stepping to it
/// with the arrow keys. False when the box has no such item.
bool chooseText(QComboBox *combo, const QString &text);

/// The first row under @p parent whose cell in @p column shows @p text; -1
/// when there is none.
int rowOf(const QAbstractItemModel *model, const QString &text, int column = 0,
          const QModelIndex &parent = QModelIndex());

/// Opens the cell's line editor with a double click, types @p text over what
/// it holds and ends the edit with Return. False when no editor opened.
bool editCell(QAbstractItemView *view, const QModelIndex &index, const QString &text);

/// Opens a choice cell with a double click and picks @p text from the list
/// that drops down, with the arrow keys and Return. False when the list did
/// not open or has no such entry.
bool chooseInCell(QAbstractItemView *view, const QModelIndex &index, const QString &text);

/// Each row of @p model as its cells 0 to @p lastColumn joined by '|'.
QStringList rowTexts(const QAbstractItemModel *model, int lastColumn);

/// The check state of a cell as "1" (ticked) or "0".
QString tick(const QModelIndex &index);

/// Pictures of the steps, taken only when the run is given a folder for them
/// (VARNEL_JOB_PICTURES, under Xvfb: tests/e2e/pictures.sh): each step's
/// window as "<stage>-<n>-<name>.png" in a sub-folder per language.
class StepPictures
{
public:
    StepPictures(int language, const QString &stage);
    ~StepPictures();
    StepPictures(const StepPictures &) = delete;
    StepPictures &operator=(const StepPictures &) = delete;

    /// Takes the window @p widget is in.
    void take(QWidget *widget, const QString &name);
    /// False when a picture could not be taken.
    bool allTaken() const;

private:
    std::unique_ptr<Camera> m_camera;
    const QString m_stage;
    int m_count = 0;
};

} // namespace planner
