#pragma once

#include <QString>
#include <QtGlobal>

// The offscreen platform warns each time a dialog opens that it cannot pass
// size hints on; the tests open thousands of error boxes.
inline void silenceOffscreenSizeHintWarnings()
{
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message.contains(QLatin1String("propagateSizeHints")))
                return;
            if (previous)
                previous(type, context, message);
        });
}
