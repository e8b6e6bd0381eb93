#pragma once

#include "KavrinGUIToolkitExport.h"

#include <QList>
#include <QString>

#include <functional>

class QWidget;

namespace KavrinGUIToolkit {

/// The one way the toolkit asks the planner for a folder or a file, so that
/// automated runs can answer instead of a blocking file dialog.
class KAVRIN_EXPORT CFileDialog
{
public:
    enum Kind { ExistingDirectory, OpenFile };
    struct Request
    {
        Kind kind = ExistingDirectory;
        QString caption;
        QString folder;
    };

    /// The chosen folder, or an empty text when the planner cancelled.
    static QString GetExistingDirectory(QWidget *parent, const QString &caption,
                                        const QString &folder);
    /// The chosen existing file, or an empty text when cancelled.
    static QString GetOpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                                   const QString &filter = QString());

    /// Answers requests without showing a dialog: the responder returns the
    /// chosen path, or an empty text for a cancel. An empty function restores
    /// the real dialog.
    using Responder = std::function<QString(const Request &)>;
    static void SetResponder(Responder responder);
    static QList<Request> History();
    static void ClearHistory();
};

} // namespace KavrinGUIToolkit
