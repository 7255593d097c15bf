// The program is its one window: create it, load the game, show it and run until it is closed.
#include "app/desktop_session.h"
#include "app/startup_checks.h"
#include "assets/picture_lookup.h"
#include "ui/caption_font.h"
#include "ui/frm_main.h"

#include <QApplication>
#include <cstdio>
#include <optional>
#include <string>

int main(int argc, char* argv[]) {
    using namespace gachapoko;
    if (const auto reason = missingDisplayReason(environmentVariable)) {
        std::fprintf(stderr, "%s: cannot open its window: %s\n", ProgramName, reason->c_str());
        return 1;
    }

    const DesktopSession session = currentDesktopSession();
    session.applyForStartup();
    std::optional<QApplication> application;
    {
        const PlatformStartGuard guard;
        application.emplace(argc, argv);
    }
    session.startupDone();
    useUtf8CharacterEncoding();
    // The desktop entry's name, by which a Wayland compositor finds the game's icon and entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(GACHAPOKO_APP_ID));

    // The program carries the same icon as its window.
    QApplication::setWindowIcon(loadProgramIcon());
    // Without a face that shows Japanese the captions are boxes: say so once, and play on.
    if (const QString missing = missingFontMessage(); !missing.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(missing));
    }
    FrmMain frmMain;
    frmMain.start();
    // Closing the window ends the loop at once, in any scene; nothing is kept.
    return QApplication::exec();
}
