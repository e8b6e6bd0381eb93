#pragma once

#include <QMainWindow>

class CPendrikWindow;
class CWindowTitle;
class QFrame;
class QGridLayout;
class QMenu;
class QPushButton;
class QSpacerItem;
class QStackedWidget;

/// The library's window: its title bar (hidden unless asked for), a tab
/// strip with the calculator and help tabs, and the calculator page. With a
/// parent it is a plain child widget of the host; without one it is a
/// frameless top-level window (the stand-alone program).
class CPendrikMainWnd : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPendrikMainWnd)
public:
    explicit CPendrikMainWnd(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~CPendrikMainWnd() override;

    void showTitleBar(bool show);
    /// Hides the tab strip, whatever @p hide says.
    void hideTab(bool hide);
    /// true: the large look (tabs 40 high with icons); false: the small one.
    void changeSize(bool large);
    bool isLargeMode() const { return m_bLarge; }

    /// See CPendrikWindow::setIPCType().
    bool setIPCType(const QString &model);
    QString selectedLens() const;
    int lensCount() const;

    /// Tells the planner, one message each, what the library could not
    /// read: the settings file, damaged or unreadable, when @p withSettings
    /// (the stand-alone calculator; a host program names its own settings),
    /// then a missing
    /// or damaged lens or camera catalogue. Nothing when all was read.
    void tellDataProblems(bool withSettings);

    CPendrikWindow *lensPage() const { return m_pPendrikWindow; }
    CWindowTitle *titleBar() const { return m_pTitle; }

    /// The help tab's menu ("Help", "Version"), built afresh; the caller
    /// owns it. OnBtnClickedAbout() runs it at the cursor.
    QMenu *createAboutMenu();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

public slots:
    void OnBtnClickedAdjust();
    void OnBtnClickedAbout();
    void GetHelp();
    void GetVersion();

private:
    void setUpForm();
    void retranslateForm();
    void initFrame();
    QString selectedTabStyle() const;
    QString unselectedTabStyle() const;

    CPendrikWindow *m_pPendrikWindow = nullptr;
    CWindowTitle *m_pTitle = nullptr;
    QWidget *m_centralWidget = nullptr;
    QGridLayout *m_gridLayout = nullptr;
    QGridLayout *m_pGridLayout = nullptr;
    QSpacerItem *m_firstSpacer = nullptr;
    QFrame *m_pTabFrame = nullptr;
    QGridLayout *m_gridLayout4 = nullptr;
    QGridLayout *m_pGridLayoutFrame = nullptr;
    QPushButton *m_pBtnPendrik = nullptr;
    QPushButton *m_pBtnAbout = nullptr;
    QStackedWidget *m_pStackedWidget = nullptr;
    int m_nCurrentPage = 0;
    bool m_bLarge = true;
};
