// Qt's start in a desktop session.
#include "app/application_start.h"

#include "app/desktop_session.h"
#include "app/startup_checks.h"

#include <cstdio>

namespace gachapoko {

std::unique_ptr<QApplication> startApplication(int& argc, char** argv) {
    if (const auto reason = missingDisplayReason(environmentVariable)) {
        std::fprintf(stderr, "%s: cannot open its window: %s\n", ProgramName, reason->c_str());
        return nullptr;
    }
    const DesktopSession session = currentDesktopSession();
    session.applyForStartup();
    std::unique_ptr<QApplication> application;
    {
        const PlatformStartGuard guard;
        application = std::make_unique<QApplication>(argc, argv);
    }
    session.startupDone();
    useUtf8CharacterEncoding();
    return application;
}

} // namespace gachapoko
