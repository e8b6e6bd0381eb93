#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

/// Acts on the next modal dialog of type T once its exec() is running: a
/// queued call looks for it (retrying for a while), so the test never waits
/// on a timer of its own. @p act should end the dialog (accept or reject);
/// when no such dialog comes up, nothing is done. The calls still pending
/// are dropped with @p context, so none reaches a later test's dialog.
template <typename T>
void whenModal(QObject *context, std::function<void(T *)> act, int attempts = 200)
{
    QTimer::singleShot(0, context, [context, act, attempts] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            act(dialog);
            return;
        }
        if (attempts > 0)
            whenModal<T>(context, act, attempts - 1);
    });
}
