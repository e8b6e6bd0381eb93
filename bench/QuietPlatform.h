#pragma once

// The offscreen platform the benchmarks run on says, at every turn, what it
// cannot do ("This plugin does not support raise()"): notes about the test
// platform, not about the program, and writing them to the terminal inside
// a timed run would be timed with it. Every other message goes on as before.

#include <QString>
#include <QtGlobal>

namespace bench {

inline QtMessageHandler &passedOn()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void quietPlatformNotes()
{
    passedOn() = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (type == QtWarningMsg &&
                message.startsWith(QLatin1String("This plugin does not support")))
                return;
            if (passedOn())
                passedOn()(type, context, message);
        });
}

} // namespace bench
