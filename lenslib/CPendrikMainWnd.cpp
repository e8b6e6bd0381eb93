#include "CPendrikMainWnd.h"

#include "CDlgAbout.h"
#include "CPendrikWindow.h"
#include "CWindowTitle.h"
#include "ClientConfigManager.h"
#include "TextTools.h"
#include "UserManual.h"

#include <WarningDlg.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QSpacerItem>
#include <QStackedWidget>

namespace {

QString tabStyle(const char *image, const char *colour)
{
    const QString rule = QStringLiteral("{border-image:url(:/images/Tab/%1); color: %2; "
                                        "border-width:0px;}")
                             .arg(QString::fromLatin1(image), QString::fromLatin1(colour));
    return QStringLiteral("QPushButton") + rule + QStringLiteral("QPushButton:hover") + rule +
           QStringLiteral("QPushButton:pressed") + rule + QStringLiteral("QPushButton:focus") +
           rule;
}

const char kLargeFrameStyle[] =
    "QFrame{background-image:url(:/images/Tab/tab_bg.png); border:none;}";
const char kSmallFrameStyle[] =
    "QFrame{background-image:url(:/images/Tab/Subtab_bg.png); border:none;}";
const char kPendrikIcon[] = ":/images/Pendrik/Cameralens.png";
const char kAboutIcon[] = ":/images/Tab/Information.png";

} // namespace

CPendrikMainWnd::CPendrikMainWnd(QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
{
    m_bLarge = true;
    setUpForm();
    initFrame();
    m_pBtnAbout->setStyleSheet(unselectedTabStyle());
    OnBtnClickedAdjust();
    connect(m_pBtnAbout, &QPushButton::clicked, this, &CPendrikMainWnd::OnBtnClickedAbout);
}

CPendrikMainWnd::~CPendrikMainWnd() = default;

void CPendrikMainWnd::tellDataProblems(bool withSettings)
{
    QStringList messages;
    const QString settings =
        QDir::toNativeSeparators(pendrik::absolutePath(QStringLiteral("Setup.xml")));
    if (withSettings && ClientConfigManager::instance()->isDamaged()) {
        messages << tr("The settings file %1 is damaged or is not a settings file of this "
                       "program, so its settings are not used: the lens calculator starts in "
                       "English with its default settings. The file is left as it is. Mend it, "
                       "or move it away, and start the lens calculator again.")
                        .arg(settings);
    } else if (withSettings && ClientConfigManager::instance()->isUnreadable()) {
        messages << tr("The settings file %1 cannot be opened for reading, so its settings are "
                       "not used: the lens calculator starts in English with its default "
                       "settings. Make the file readable, or move it away, and start the lens "
                       "calculator again.")
                        .arg(settings);
    }
    const QString catalogues = m_pPendrikWindow->catalogueProblemText();
    if (!catalogues.isEmpty())
        messages << catalogues;
    for (const QString &message : std::as_const(messages))
        KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Warn"), message, this);
}

void CPendrikMainWnd::setUpForm()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("CPendrikMainWndClass"));
    resize(860, 592);
    setStyleSheet(QString());

    m_centralWidget = new QWidget(this);
    m_centralWidget->setObjectName(QStringLiteral("centralWidget"));
    m_gridLayout = new QGridLayout(m_centralWidget);
    m_gridLayout->setObjectName(QStringLiteral("gridLayout"));
    m_gridLayout->setSpacing(0);
    m_gridLayout->setContentsMargins(0, 0, 0, 0);

    m_pGridLayout = new QGridLayout;
    m_pGridLayout->setObjectName(QStringLiteral("pGridLayout"));
    m_pGridLayout->setSpacing(0);
    const QMargins defaults = m_pGridLayout->contentsMargins();
    m_pGridLayout->setContentsMargins(4, defaults.top(), 4, defaults.bottom());
    m_firstSpacer = new QSpacerItem(20, 33, QSizePolicy::Minimum, QSizePolicy::Fixed);
    m_pGridLayout->addItem(m_firstSpacer, 0, 0);

    m_pTabFrame = new QFrame(m_centralWidget);
    m_pTabFrame->setObjectName(QStringLiteral("pTabFrame"));
    m_pTabFrame->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    m_pTabFrame->setMinimumSize(0, 40);
    m_pTabFrame->setFrameShape(QFrame::StyledPanel);
    m_pTabFrame->setFrameShadow(QFrame::Raised);
    m_pTabFrame->setStyleSheet(QString::fromLatin1(kLargeFrameStyle));
    m_gridLayout4 = new QGridLayout(m_pTabFrame);
    m_gridLayout4->setObjectName(QStringLiteral("gridLayout_4"));
    m_gridLayout4->setSpacing(0);
    m_gridLayout4->setContentsMargins(5, 0, 5, 1);
    m_pGridLayoutFrame = new QGridLayout;
    m_pGridLayoutFrame->setObjectName(QStringLiteral("pGridLayoutFrame"));
    m_pGridLayoutFrame->setHorizontalSpacing(3);
    m_pGridLayoutFrame->setVerticalSpacing(0);
    const QMargins frameMargins = m_pGridLayoutFrame->contentsMargins();
    m_pGridLayoutFrame->setContentsMargins(frameMargins.left(), 0, frameMargins.right(),
                                           frameMargins.bottom());

    QFont tabFont;
    tabFont.setFamily(QStringLiteral("Arial"));
    m_pBtnPendrik = new QPushButton(m_pTabFrame);
    m_pBtnPendrik->setObjectName(QStringLiteral("pBtnPendrik"));
    m_pBtnPendrik->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_pBtnPendrik->setMinimumSize(140, 40);
    m_pBtnPendrik->setFont(tabFont);
    m_pBtnPendrik->setIcon(QIcon(QString::fromLatin1(kPendrikIcon)));
    m_pBtnPendrik->setIconSize(QSize(32, 32));
    m_pGridLayoutFrame->addWidget(m_pBtnPendrik, 0, 0);
    m_pBtnAbout = new QPushButton(m_pTabFrame);
    m_pBtnAbout->setObjectName(QStringLiteral("pBtnAbout"));
    m_pBtnAbout->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_pBtnAbout->setMinimumSize(140, 40);
    m_pBtnAbout->setFont(tabFont);
    m_pBtnAbout->setIcon(QIcon(QString::fromLatin1(kAboutIcon)));
    m_pBtnAbout->setIconSize(QSize(32, 32));
    m_pGridLayoutFrame->addWidget(m_pBtnAbout, 0, 1);
    m_pGridLayoutFrame->addItem(
        new QSpacerItem(50, 17, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, 2);
    m_gridLayout4->addLayout(m_pGridLayoutFrame, 0, 0);
    m_pGridLayout->addWidget(m_pTabFrame, 1, 0);
    m_pGridLayout->addItem(new QSpacerItem(20, 438, QSizePolicy::Minimum, QSizePolicy::Expanding),
                           2, 0);
    m_gridLayout->addLayout(m_pGridLayout, 0, 0);
    setCentralWidget(m_centralWidget);

    retranslateForm();
}

void CPendrikMainWnd::retranslateForm()
{
    setWindowTitle(QCoreApplication::translate("CPendrikMainWndClass", "Pendrik"));
    m_pBtnPendrik->setText(QCoreApplication::translate("CPendrikMainWndClass", "Pendrik"));
    m_pBtnAbout->setText(QCoreApplication::translate("CPendrikMainWndClass", "Help"));
}

void CPendrikMainWnd::initFrame()
{
    // Embedded in a host it must be a plain child widget: QMainWindow makes
    // itself a window, and a window stays separate even inside the host's
    // layout.
    if (parentWidget())
        setWindowFlags(Qt::Widget);
    else
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);

    m_pTitle = new CWindowTitle(this);
    m_pGridLayout->addWidget(m_pTitle, 0, 0, 1, 2);
    m_pStackedWidget = new QStackedWidget(m_centralWidget);
    m_pStackedWidget->setObjectName(QStringLiteral("pStackedWidget"));
    m_pGridLayout->addWidget(m_pStackedWidget, 2, 0);
    m_pPendrikWindow = new CPendrikWindow(this);
    m_pStackedWidget->addWidget(m_pPendrikWindow);
    m_firstSpacer->changeSize(0, 0, QSizePolicy::Minimum, QSizePolicy::Minimum);
    m_pGridLayout->invalidate();
    m_pTitle->hide();
}

void CPendrikMainWnd::showTitleBar(bool show)
{
    m_pTitle->setVisible(show);
}

void CPendrikMainWnd::hideTab(bool hide)
{
    Q_UNUSED(hide);
    m_pBtnPendrik->hide();
    m_pBtnAbout->hide();
    m_pTabFrame->hide();
}

QString CPendrikMainWnd::selectedTabStyle() const
{
    return m_bLarge ? tabStyle("TabSelect.png", "rgb(255, 255, 255)")
                    : tabStyle("SubTabSelect.png", "rgb(255, 0, 0)");
}

QString CPendrikMainWnd::unselectedTabStyle() const
{
    return m_bLarge ? QStringLiteral("QPushButton{border-image:url(:/images/Tab/TabUnselect.png); "
                                     "color: rgb(255, 255, 255); border-width:0px;}")
                    : QStringLiteral("QPushButton{border-image:url(:/images/Tab/"
                                     "SubTabUnselect.png); color: rgb(0, 0, 0); "
                                     "border-width:0px;}");
}

void CPendrikMainWnd::changeSize(bool large)
{
    m_bLarge = large;
    setStyleSheet(
        QStringLiteral("QMainWindow#CPendrikMainWndClass{border-image:url(:/images/Dialog/"
                       "dialog_bg2.png) 58 58 58 58; border-width:%1px 58px 58px 58px;}")
            .arg(large ? 58 : 23));
    m_pBtnPendrik->setStyleSheet(selectedTabStyle());
    m_pBtnAbout->setStyleSheet(unselectedTabStyle());
    m_pTabFrame->setStyleSheet(QString::fromLatin1(large ? kLargeFrameStyle : kSmallFrameStyle));
    const int tabHeight = large ? 40 : 23;
    m_pTabFrame->setMinimumHeight(tabHeight);
    m_pBtnPendrik->setFixedHeight(tabHeight);
    m_pBtnAbout->setFixedHeight(tabHeight);
    m_pBtnPendrik->setIcon(large ? QIcon(QString::fromLatin1(kPendrikIcon)) : QIcon());
    m_pBtnAbout->setIcon(large ? QIcon(QString::fromLatin1(kAboutIcon)) : QIcon());
    const QSize iconSize = large ? QSize(32, 32) : QSize(16, 16);
    m_pBtnPendrik->setIconSize(iconSize);
    m_pBtnAbout->setIconSize(iconSize);
}

bool CPendrikMainWnd::setIPCType(const QString &model)
{
    return m_pPendrikWindow->setIPCType(model);
}

QString CPendrikMainWnd::selectedLens() const
{
    return m_pPendrikWindow->selectedLens();
}

int CPendrikMainWnd::lensCount() const
{
    return m_pPendrikWindow->lensCount();
}

void CPendrikMainWnd::OnBtnClickedAdjust()
{
    m_nCurrentPage = 0;
    m_pStackedWidget->setCurrentIndex(0);
    m_pBtnPendrik->setStyleSheet(selectedTabStyle());
    m_pBtnAbout->setStyleSheet(unselectedTabStyle());
}

QMenu *CPendrikMainWnd::createAboutMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("menuAbout"));
    QAction *help = menu->addAction(QIcon(QStringLiteral(":/images/Help.png")), tr("Help"));
    help->setObjectName(QStringLiteral("actionHelp"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    connect(help, &QAction::triggered, this, &CPendrikMainWnd::GetHelp);
    QAction *version = menu->addAction(QIcon(QStringLiteral(":/images/About.png")), tr("Version"));
    version->setObjectName(QStringLiteral("actionVersion"));
    connect(version, &QAction::triggered, this, &CPendrikMainWnd::GetVersion);
    return menu;
}

void CPendrikMainWnd::OnBtnClickedAbout()
{
    QMenu *menu = createAboutMenu();
    menu->exec(QCursor::pos());
    delete menu;
}

void CPendrikMainWnd::GetHelp()
{
    if (pendrik::openUserManual())
        return;
    KavrinGUIToolkit::CWarningDlg::ShowMessageInfo(tr("Info"), tr("Can not find Manual."), nullptr);
}

void CPendrikMainWnd::GetVersion()
{
    CDlgAbout about(this);
    about.exec();
}

void CPendrikMainWnd::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        GetHelp();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void CPendrikMainWnd::closeEvent(QCloseEvent *event)
{
    if (!isWindow()) {
        // Embedded, the host owns the window and the application: closing
        // the calculator closes the host's window, never the program.
        event->ignore();
        if (QWidget *host = window(); host && host != this)
            QMetaObject::invokeMethod(host, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    if (KavrinGUIToolkit::CWarningDlg::CheckMessageInfo(tr("Confirm"), tr("Sure to close software"),
                                                        this) == 1) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
        event->accept();
        return;
    }
    event->ignore();
}
