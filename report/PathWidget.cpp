#include "PathWidget.h"

#include "ui_PathWidget.h"

#include <SaveFailure.h>
#include <ToolTip.h>

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>

namespace kiv {

namespace {

QString &storedFolder()
{
    static QString folder;
    return folder;
}

// The documents folder when it exists, the home folder otherwise: a first
// save never starts in a folder the planner has to create first.
QString startFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return KavrinGUIToolkit::CPathComboBox::FolderText(documents);
    return KavrinGUIToolkit::CPathComboBox::FolderText(QDir::homePath());
}

void showHint(QWidget *field, const QString &text)
{
    KavrinGUIToolkit::CToolTip::ShowText(field->mapToGlobal(QPoint(0, 0)), text);
}

} // namespace

PathWidget::PathWidget(const QString &fileName, QWidget *parent)
    : KavrinGUIToolkit::CBaseDialogWithBottom(parent), m_form(std::make_unique<Ui::PathWidget>())
{
    m_form->setupUi(GetSetUpUiWidget());
    ReConnect(GetConfirmBtn(), &QPushButton::clicked, this, &PathWidget::onConfirm);
    setFixedSize(320, 240);
    SetTitle(tr("Save"));
    m_form->comboBox->SetFileMode(QFileDialog::Directory);
    m_form->comboBox->AddItem(rememberedFolder(), QString(), QVariant());
    m_form->edtName->setText(fileName);
}

PathWidget::~PathWidget() = default;

QString PathWidget::rememberedFolder()
{
    QString &folder = storedFolder();
    if (folder.isEmpty())
        folder = startFolder();
    return folder;
}

void PathWidget::resetRememberedFolder()
{
    storedFolder().clear();
}

QString PathWidget::fileName() const
{
    return m_form->edtName->text().trimmed();
}

QString PathWidget::folder() const
{
    return rememberedFolder();
}

QString PathWidget::fullPath() const
{
    QString base = folder();
    while (base.endsWith(QLatin1Char('/')) || base.endsWith(QDir::separator()))
        base.chop(1);
    return base + QDir::separator() + fileName();
}

void PathWidget::onConfirm()
{
    const QString name = fileName();
    if (name.isEmpty()) {
        showHint(m_form->edtName, tr("The name is invalid"));
        return;
    }
    static const QString illegal = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : name) {
        if (illegal.contains(c)) {
            showHint(m_form->edtName, tr("The name contains illegal character"));
            return;
        }
    }

    const QString shown = m_form->comboBox->currentText().trimmed();
    switch (folderFailureOf(shown)) {
    case SaveFailure::None:
        break;
    case SaveFailure::FolderMissing:
        showHint(m_form->comboBox, tr("The folder does not exist"));
        return;
    default:
        showHint(m_form->comboBox, tr("The folder cannot be written to"));
        return;
    }
    storedFolder() =
        KavrinGUIToolkit::CPathComboBox::FolderText(QFileInfo(shown).absoluteFilePath());
    accept();
}

} // namespace kiv
