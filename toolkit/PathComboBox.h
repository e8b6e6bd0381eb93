#pragma once

#include "Widgets.h"

#include <QFileDialog>

class QToolButton;

namespace KavrinGUIToolkit {

/// An editable combo box for a folder (or a file) with a browse button at
/// its right end. A folder chosen by browsing is shown in native form with a
/// trailing separator, so a file name can be appended to the text directly.
class KAVRIN_EXPORT CPathComboBox : public CComboBox
{
    Q_OBJECT
public:
    explicit CPathComboBox(QWidget *parent = nullptr);
    ~CPathComboBox() override;
    Q_DISABLE_COPY_MOVE(CPathComboBox)

    /// QFileDialog::Directory browses for a folder; any other mode for an
    /// existing file.
    void SetFileMode(QFileDialog::FileMode mode) { m_mode = mode; }
    QFileDialog::FileMode GetFileMode() const { return m_mode; }
    QToolButton *GetBrowseBtn() const { return m_browseBtn; }

    /// @p folder in the form the box shows a folder: native separators and
    /// one trailing separator.
    static QString FolderText(const QString &folder);

public slots:
    /// Asks for a folder or file starting from the shown one; the choice
    /// becomes the current item. A cancel changes nothing.
    void Browse();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeBrowseButton();

    QFileDialog::FileMode m_mode = QFileDialog::Directory;
    QToolButton *m_browseBtn = nullptr;
};

} // namespace KavrinGUIToolkit
