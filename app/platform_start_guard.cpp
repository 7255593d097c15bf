// One line instead of Qt's abort when its platform cannot start.
#include "app/platform_start_guard.h"

#include "app/program_name.h"

#include <cstdio>
#include <cstdlib>

namespace gachapoko {

namespace {

// The guard of the start under way; Qt's message handler is a plain function.
PlatformStartGuard* g_guard = nullptr;

// The first line of a message: Qt's platform failures go on with advice for developers.
QString firstLineOf(const QString& text) {
    return text.section(QLatin1Char('\n'), 0, 0).trimmed();
}

const char* orNull(const QByteArray& text) {
    return text.isEmpty() ? nullptr : text.constData();
}

} // namespace

PlatformStartGuard::PlatformStartGuard() {
    g_guard = this;
    m_previous = qInstallMessageHandler(&PlatformStartGuard::hold);
}

PlatformStartGuard::~PlatformStartGuard() {
    qInstallMessageHandler(m_previous);
    g_guard = nullptr;
    const std::string written = m_stderr.release();
    std::fwrite(written.data(), 1, written.size(), stderr);
    for (const HeldMessage& message : m_held) {
        const QMessageLogContext context(orNull(message.file), message.line,
                                         orNull(message.function), orNull(message.category));
        qt_message_output(message.type, context, message.text);
    }
}

void PlatformStartGuard::hold(QtMsgType type, const QMessageLogContext& context,
                              const QString& text) {
    if (type == QtFatalMsg) {
        g_guard->fail(text);
    }
    g_guard->m_held.push_back({type, QByteArray(context.category), text, QByteArray(context.file),
                               QByteArray(context.function), context.line});
}

void PlatformStartGuard::fail(const QString& qtCause) {
    // The cause is what the platform plugin said before Qt gave up ("could not connect to
    // display :5"), and what the X server said to libxcb, if anything; Qt's own fatal line only
    // advises reinstalling the application.
    QString cause = firstLineOf(qtCause);
    for (const HeldMessage& held : m_held) {
        if (held.category.startsWith("qt.qpa")) {
            cause = firstLineOf(held.text);
            break;
        }
    }
    const std::string server = firstLine(m_stderr.release());
    if (!server.empty()) {
        cause += QStringLiteral(" (%1)").arg(QString::fromStdString(server));
    }
    std::fprintf(stderr, "%s: cannot open its window: %s\n", ProgramName,
                 cause.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace gachapoko
