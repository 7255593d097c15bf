// The start-up messages and the character encoding.
#include "app/startup_checks.h"

#include <QString>
#include <QtGlobal>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <vector>

#if defined(__unix__) && !defined(__APPLE__)
#include <langinfo.h>
#include <strings.h>
#define GACHAPOKO_X11_DESKTOP 1
#endif

namespace gachapoko {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
    QString file;
    QString function;
    int line;
};

QtMessageHandler g_previousHandler = nullptr;
std::vector<HeldMessage>* g_heldMessages = nullptr;

// The first line of a message: Qt's platform failures go on with advice for developers.
QString firstLine(const QString& text) {
    return text.section(QLatin1Char('\n'), 0, 0).trimmed();
}

void holdStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // The cause is what the platform plugin said before Qt gave up ("could not connect to
        // display :5"); Qt's own fatal line only advises reinstalling the application.
        QString cause = firstLine(text);
        for (const HeldMessage& held : *g_heldMessages) {
            if (held.category.startsWith(QLatin1String("qt.qpa"))) {
                cause = firstLine(held.text);
                break;
            }
        }
        std::fprintf(stderr, "%s: cannot open its window: %s\n", ProgramName,
                     cause.toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    g_heldMessages->push_back({type, QString::fromUtf8(context.category), text,
                               QString::fromUtf8(context.file), QString::fromUtf8(context.function),
                               context.line});
}

} // namespace

std::optional<std::string>
missingDisplayReason(const std::function<std::optional<std::string>(const char*)>& environment) {
#ifdef GACHAPOKO_X11_DESKTOP
    const auto isSet = [&](const char* name) {
        const auto value = environment(name);
        return value && !value->empty();
    };
    if (isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) {
        return std::nullopt;
    }
    return "no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)";
#else
    (void)environment;
    return std::nullopt;
#endif
}

PlatformStartGuard::PlatformStartGuard() {
    g_heldMessages = new std::vector<HeldMessage>();
    g_previousHandler = qInstallMessageHandler(holdStartMessage);
}

PlatformStartGuard::~PlatformStartGuard() {
    qInstallMessageHandler(g_previousHandler);
    std::vector<HeldMessage>* held = g_heldMessages;
    g_heldMessages = nullptr;
    for (const HeldMessage& message : *held) {
        const QByteArray category = message.category.toUtf8();
        const QByteArray file = message.file.toUtf8();
        const QByteArray function = message.function.toUtf8();
        const QMessageLogContext context(file.isEmpty() ? nullptr : file.constData(), message.line,
                                         function.isEmpty() ? nullptr : function.constData(),
                                         category.isEmpty() ? nullptr : category.constData());
        qt_message_output(message.type, context, message.text);
    }
    delete held;
}

void useUtf8CharacterEncoding() {
#ifdef GACHAPOKO_X11_DESKTOP
    const char* encoding = nl_langinfo(CODESET);
    if (strcasecmp(encoding, "UTF-8") != 0 && strcasecmp(encoding, "utf8") != 0) {
        std::setlocale(LC_CTYPE, "C.UTF-8");
    }
#endif
}

} // namespace gachapoko
