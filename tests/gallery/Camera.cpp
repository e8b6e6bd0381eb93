#include "Camera.h"

#include "TaskReport.h"

#include <QCursor>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

namespace {

// The day every picture shows for the clock's and the build's day.
const QDate kFixedDay(2024, 1, 15);

} // namespace

Camera::Camera(const QString &folder, const QLocale &locale)
    : m_folder(QDir(folder).absolutePath() + QLatin1Char('/')), m_locale(locale)
{
}

void Camera::parkPointer()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen)
        QCursor::setPos(screen->geometry().bottomRight());
}

void Camera::settle(QWidget *widget)
{
    if (widget && widget->window()->isVisible() &&
        !QTest::qWaitForWindowExposed(widget->window(), 5000))
        qWarning("window_gallery: %s never showed", qPrintable(widget->window()->objectName()));
    // Layouts, polish and update requests are posted events; the exposure and
    // the pointer's leave events come back from the display server.
    QTest::qWait(40);
}

void Camera::fixClockTexts(QWidget *window) const
{
    static const QRegularExpression build(QStringLiteral("Build\\d{8}"));
    const QString fixedBuild =
        QStringLiteral("Build") + kFixedDay.toString(QStringLiteral("yyyyMMdd"));
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        QString text = label->text();
        if (text.contains(build))
            label->setText(text.replace(build, fixedBuild));
    }

    // The report writes today's date as its language writes a date.
    const QString today = kiv::reportDateText(QDate::currentDate(), m_locale);
    const QString fixedDate = kiv::reportDateText(kFixedDay, m_locale);
    const QList<QTextEdit *> edits = window->findChildren<QTextEdit *>();
    for (QTextEdit *edit : edits) {
        QTextDocument *document = edit->document();
        QTextCursor found = document->find(today, 0, QTextDocument::FindCaseSensitively);
        while (!found.isNull()) {
            found.insertText(fixedDate);
            found = document->find(today, found, QTextDocument::FindCaseSensitively);
        }
    }
}

void Camera::store(const QImage &image, const QString &name)
{
    const QString path = m_folder + name + QStringLiteral(".png");
    if (image.isNull() || !image.save(path, "PNG")) {
        problem(QStringLiteral("%1: the picture could not be taken or saved").arg(name));
        return;
    }
    m_saved << name;
}

QWidget *Camera::prepare(QWidget *widget, const QString &name)
{
    if (!widget) {
        problem(QStringLiteral("%1: nothing to take").arg(name));
        return nullptr;
    }
    QWidget *top = widget->window();
    fixClockTexts(top);
    parkPointer();
    settle(top);
    return top;
}

void Camera::window(QWidget *widget, const QString &name)
{
    if (QWidget *top = prepare(widget, name))
        store(top->grab().toImage(), name);
}

void Camera::screen(QWidget *widget, const QString &name)
{
    QWidget *top = prepare(widget, name);
    if (!top)
        return;
    QScreen *screen = top->screen();
    const QRect area = top->frameGeometry();
    store(screen ? screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage()
                 : QImage(),
          name);
}

void Camera::problem(const QString &text)
{
    qWarning("window_gallery: %s", qPrintable(text));
    m_problems << text;
}
