// Qt's start in a desktop session.
#include "app/application_start.h"

#include "app/character_encoding.h"
#include "app/desktop_session.h"
#include "app/missing_display.h"
#include "app/platform_start_guard.h"
#include "app/program_name.h"
#include "app/session_lookups.h"
#include "platform/platform.h"

#include <cstdio>
#include <optional>

namespace gachapoko {

std::unique_ptr<QApplication> startApplication(int& argc, char** argv, StartSteps* steps) {
    if (const auto reason = missingDisplayReason(environmentVariable)) {
        std::fprintf(stderr, "%s: cannot open its window: %s\n", ProgramName, reason->c_str());
        return nullptr;
    }
    // Elsewhere Qt needs no help with its bus or its runtime directory.
    std::optional<DesktopSession> session;
    if constexpr (platform::Freedesktop) {
        session.emplace(currentSessionLookups());
        for (const std::string& warning : session->warnings()) {
            std::fprintf(stderr, "%s: %s\n", ProgramName, warning.c_str());
        }
        if (!session->displayFailure().empty()) {
            std::fprintf(stderr, "%s: cannot open its window: %s\n", ProgramName,
                         session->displayFailure().c_str());
            return nullptr;
        }
    }
    stepDone(steps, "the session lookups");
    std::unique_ptr<QApplication> application;
    {
        std::optional<SessionForStart> settings;
        if (session) {
            settings.emplace(*session);
        }
        const PlatformStartGuard guard;
        application = std::make_unique<QApplication>(argc, argv);
    }
    useUtf8CharacterEncoding();
    stepDone(steps, "Qt's start");
    return application;
}

} // namespace gachapoko
