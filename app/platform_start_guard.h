// Held while QApplication is constructed. Qt ends a failed start of its platform (a display that
// cannot be reached, or refuses the game) with a fatal message and abort(), after Xlib and libxcb
// have written lines of their own; the guard prints one line naming the cause instead and ends
// the program with status 1. Otherwise Qt's messages of the start and whatever was written to
// standard error meanwhile are passed on when the guard goes.
#pragma once

#include "app/stderr_capture.h"

#include <QString>
#include <QtGlobal>
#include <vector>

namespace gachapoko {

class PlatformStartGuard {
public:
    PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;
    ~PlatformStartGuard();

private:
    struct HeldMessage {
        QtMsgType type;
        QByteArray category;
        QString text;
        QByteArray file;
        QByteArray function;
        int line;
    };
    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text);
    [[noreturn]] void fail(const QString& qtCause);

    StderrCapture m_stderr;
    std::vector<HeldMessage> m_held;
    QtMessageHandler m_previous = nullptr;
};

} // namespace gachapoko
