#pragma once

// Shared by the tests of the accessory panel, its type dialogs and the lens
// host: a fixture catalogue for the process, task files with devices, and
// modal dialogs answered by a queued call.

#include "AppCatalogue.h"
#include "ProgramFolder.h"
#include "FailingSaves.h"

#include <TaskDataBase.h>
#include <TaskDeviceFile.h>
#include <WarningDlg.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace accessorytest {

/// The fixture catalogue of these tests, opened once for the process
/// (AppCatalogue): models of tests/data/catalogue/accessories.sql. CAM-A has
/// lenses ("Lens 8mm", "Lens 4mm" twice), stands ("Pole Bracket", "Wall
/// Bracket") and a shield ("Housing"), and as a speed dome the stand "Dome
/// Pendant"; CAM-N has no accessory. KC-B21 (lens-cameras.sql), a camera
/// of the lens calculator, has the stand "Wall Bracket".
inline std::unique_ptr<AppCatalogue> openFixtureCatalogue()
{
    return std::make_unique<AppCatalogue>(
        QStringList{QStringLiteral("accessories.sql"), QStringLiteral("lens-cameras.sql")});
}

/// One device of a test task, with the accessories it starts with (an empty
/// type: none).
struct Device
{
    QString type;
    QString mainType = QStringLiteral("IPC");
    QString stand = {};
    int standCount = 0;
    QString shield = {};
    int shieldCount = 0;
    QString lens = {};
    int lensCount = 0;
};

inline bool writeTask(const QString &task, const QList<Device> &devices)
{
    TaskDeviceFile file(task);
    for (int i = 0; i < devices.size(); ++i) {
        const Device &d = devices.at(i);
        DeviceInfo info;
        info.deviceType = d.type;
        info.mainType = d.mainType;
        info.count = 1;
        if (!file.addDevice(info))
            return false;
        if (!d.stand.isEmpty() && !file.setStand(i, d.stand, d.standCount))
            return false;
        if (!d.shield.isEmpty() && !file.setShield(i, d.shield, d.shieldCount))
            return false;
        if (!d.lens.isEmpty() && !file.setLens(i, d.lens, d.lensCount))
            return false;
    }
    return file.close();
}

/// The messages shown since the last clear, as "title|text".
inline QStringList shownMessages()
{
    QStringList out;
    for (const KavrinGUIToolkit::CWarningDlg::Shown &m : KavrinGUIToolkit::CWarningDlg::History())
        out << m.title + QLatin1Char('|') + m.text;
    return out;
}

/// What became of a queued answer to a modal dialog.
struct ModalAnswer
{
    /// The queued call ran.
    bool fired = false;
    /// It found the dialog it was meant for.
    bool seen = false;
};

/// Answers the next modal dialog of type @p Dialog with @p act, by a call
/// queued before the code that runs it; the dialog is then in its exec()
/// loop. Whatever else is modal then is rejected, and a dialog that @p act
/// leaves open (its input refused) is rejected after it. Wait for
/// ModalAnswer::fired before the next step when no dialog may come.
template <typename Dialog>
std::shared_ptr<ModalAnswer> whenModal(QObject *context, std::function<void(Dialog *)> act)
{
    auto answer = std::make_shared<ModalAnswer>();
    QTimer::singleShot(0, context, [answer, act] {
        answer->fired = true;
        QWidget *modal = QApplication::activeModalWidget();
        auto *dialog = qobject_cast<Dialog *>(modal);
        if (!dialog) {
            if (auto *other = qobject_cast<QDialog *>(modal))
                other->reject();
            return;
        }
        answer->seen = true;
        QPointer<Dialog> open = dialog;
        act(dialog);
        if (open && open->isVisible()) {
            QTimer::singleShot(0, open, [open] {
                if (open)
                    open->reject();
            });
        }
    });
    return answer;
}

using ::FileSizeLimit;

} // namespace accessorytest
