#include "PathComboBox.h"

#include "FileDialog.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QStyleOptionToolButton>
#include <QToolButton>

namespace KavrinGUIToolkit {

namespace {

// The browse button draws "..." while its text says what it does: programs
// built on the toolkit may show a button's text as its tool tip.
class BrowseButton : public QToolButton
{
public:
    explicit BrowseButton(QWidget *parent) : QToolButton(parent) {}

protected:
    void initStyleOption(QStyleOptionToolButton *option) const override
    {
        QToolButton::initStyleOption(option);
        option->text = QStringLiteral("...");
    }
};

} // namespace

CPathComboBox::CPathComboBox(QWidget *parent) : CComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    m_browseBtn = new BrowseButton(lineEdit());
    m_browseBtn->setObjectName(QStringLiteral("CPathComboBoxBrowseBtn"));
    m_browseBtn->setText(tr("Browse..."));
    m_browseBtn->setToolTip(tr("Browse..."));
    m_browseBtn->setCursor(Qt::ArrowCursor);
    m_browseBtn->setFocusPolicy(Qt::NoFocus);
    m_browseBtn->setAutoRaise(true);
    lineEdit()->installEventFilter(this);
    connect(m_browseBtn, &QToolButton::clicked, this, &CPathComboBox::Browse);
    placeBrowseButton();
}

CPathComboBox::~CPathComboBox() = default;

QString CPathComboBox::FolderText(const QString &folder)
{
    QString text = QDir::toNativeSeparators(QDir::cleanPath(folder));
    if (!text.endsWith(QDir::separator()))
        text += QDir::separator();
    return text;
}

void CPathComboBox::Browse()
{
    const QString shown = currentText().trimmed();
    QString start = shown;
    if (start.isEmpty() || !QFileInfo::exists(start))
        start = QDir::homePath();
    QString chosen;
    if (m_mode == QFileDialog::Directory) {
        chosen = CFileDialog::GetExistingDirectory(this, tr("Select Folder"), start);
        if (!chosen.isEmpty())
            chosen = FolderText(chosen);
    } else {
        chosen = CFileDialog::GetOpenFileName(this, tr("Select File"), start);
        if (!chosen.isEmpty())
            chosen = QDir::toNativeSeparators(chosen);
    }
    if (chosen.isEmpty())
        return;
    int at = findText(chosen);
    if (at < 0) {
        insertItem(0, chosen);
        at = 0;
    }
    setCurrentIndex(at);
    setEditText(chosen);
}

bool CPathComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        placeBrowseButton();
    return CComboBox::eventFilter(watched, event);
}

void CPathComboBox::placeBrowseButton()
{
    QLineEdit *edit = lineEdit();
    if (!edit || !m_browseBtn)
        return;
    const int h = edit->height();
    const int w = qMax(22, h);
    m_browseBtn->setGeometry(edit->width() - w, 0, w, h);
    edit->setTextMargins(0, 0, w, 0);
}

} // namespace KavrinGUIToolkit
