#pragma once

#include <BaseDialog.h>

#include <QByteArray>

class QLabel;
class QPushButton;

/// The lens library's about box: its picture, name, version and build
/// number, in the toolkit's dialog frame. Run it modally.
class CDlgAbout : public KavrinGUIToolkit::CBaseDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDlgAbout)
public:
    explicit CDlgAbout(QWidget *parent = nullptr);
    ~CDlgAbout() override;

    /// The build number of this library: the date it was built, as yyyymmdd.
    static unsigned int buildNumber();
    /// The build number for a compiler build-date text such as "Jun  4 2014"
    /// (20140604). A month name that is not known stays as it is, and a text
    /// that then does not read as a number gives 0.
    static unsigned int buildNumberFromDate(const QByteArray &date);
    /// " v1.00.02.07 Build" followed by the build number.
    static QString versionText();

private:
    void setUpForm(QWidget *form);
    void retranslateForm(QWidget *form);

    QLabel *m_pictureLabel = nullptr;
    QLabel *m_nameCaption = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_versionCaption = nullptr;
    QLabel *m_versionLabel = nullptr;
    QPushButton *m_okBtn = nullptr;
};
