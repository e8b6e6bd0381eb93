#include "FileDialog.h"

#include <QFileDialog>
#include <QMutex>
#include <QMutexLocker>

namespace KavrinGUIToolkit {

namespace {

struct FileDialogState
{
    QMutex mutex;
    CFileDialog::Responder responder;
    QList<CFileDialog::Request> history;
};

FileDialogState &state()
{
    static FileDialogState s;
    return s;
}

// Records the request; returns the responder when one is set.
CFileDialog::Responder record(const CFileDialog::Request &request)
{
    FileDialogState &s = state();
    QMutexLocker lock(&s.mutex);
    s.history.append(request);
    return s.responder;
}

} // namespace

QString CFileDialog::GetExistingDirectory(QWidget *parent, const QString &caption,
                                          const QString &folder)
{
    const Request request{ExistingDirectory, caption, folder};
    if (const Responder responder = record(request))
        return responder(request);
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

QString CFileDialog::GetOpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                                     const QString &filter)
{
    const Request request{OpenFile, caption, folder};
    if (const Responder responder = record(request))
        return responder(request);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

void CFileDialog::SetResponder(Responder responder)
{
    FileDialogState &s = state();
    QMutexLocker lock(&s.mutex);
    s.responder = std::move(responder);
}

QList<CFileDialog::Request> CFileDialog::History()
{
    FileDialogState &s = state();
    QMutexLocker lock(&s.mutex);
    return s.history;
}

void CFileDialog::ClearHistory()
{
    FileDialogState &s = state();
    QMutexLocker lock(&s.mutex);
    s.history.clear();
}

} // namespace KavrinGUIToolkit
