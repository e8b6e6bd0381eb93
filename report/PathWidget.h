#pragma once

#include <BaseDialogWithBottom.h>

#include <memory>

namespace Ui {
class PathWidget;
}

namespace kiv {

/// The "Save" dialog of the report exports: a file name (the caller proposes
/// one) and a folder. It refuses an empty name, a name with characters a file
/// name cannot hold, and a folder that does not exist or cannot be written;
/// the folder of the last confirmation is offered again for the rest of the
/// run, the planner's documents folder before that. It creates no file and
/// adds no extension.
class PathWidget : public KavrinGUIToolkit::CBaseDialogWithBottom
{
    Q_OBJECT
public:
    explicit PathWidget(const QString &fileName, QWidget *parent = nullptr);
    ~PathWidget() override;
    Q_DISABLE_COPY_MOVE(PathWidget)

    /// The folder and the file name joined by one separator.
    QString fullPath() const;
    /// The file name without blanks at either end, as it was checked.
    QString fileName() const;
    /// The remembered folder, ending in a separator.
    QString folder() const;

    /// The folder the next dialog offers.
    static QString rememberedFolder();
    /// Offers the documents folder again, as at the start of the program.
    static void resetRememberedFolder();

private slots:
    void onConfirm();

private:
    const std::unique_ptr<Ui::PathWidget> m_form;
};

} // namespace kiv
