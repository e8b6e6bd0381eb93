#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QWidget;

/// Takes the gallery's pictures and keeps the list of what went wrong on the
/// way. Before each picture the pointer is parked in a corner of the screen
/// that no window covers, the window is given time to paint, and the texts
/// that come from the clock (the report's date) or from the day of the build
/// (the build numbers of the About boxes) are set to a fixed day, so that two
/// runs on different days take the same pictures.
class Camera
{
public:
    /// Saves into @p folder; @p locale formats the report's date.
    Camera(const QString &folder, const QLocale &locale);

    /// Saves @p name.png: the grab of @p widget's top-level window.
    void window(QWidget *widget, const QString &name);
    /// Saves @p name.png: the screen where @p widget's top-level window is,
    /// with whatever shows over it.
    void screen(QWidget *widget, const QString &name);

    /// Notes a step that could not be taken.
    void problem(const QString &text);
    QStringList saved() const { return m_saved; }
    QStringList problems() const { return m_problems; }

    /// Runs the event loop until @p widget's window is exposed and every
    /// paint has reached the screen.
    static void settle(QWidget *widget = nullptr);
    /// Puts the pointer where no window is, so that nothing shows hovered.
    static void parkPointer();

private:
    /// The top-level window of @p widget, ready to be taken; null, noted as
    /// a problem, without a widget.
    QWidget *prepare(QWidget *widget, const QString &name);
    void fixClockTexts(QWidget *window) const;
    void store(const QImage &image, const QString &name);

    QString m_folder;
    QLocale m_locale;
    QStringList m_saved;
    QStringList m_problems;
};
