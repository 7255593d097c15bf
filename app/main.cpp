// The program is its one window: create it, load the game, show it and run until it is closed.
#include "app/application_start.h"
#include "assets/picture_lookup.h"
#include "ui/caption_font.h"
#include "ui/frm_main.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    using namespace gachapoko;
    const std::unique_ptr<QApplication> application = startApplication(argc, argv);
    if (!application) {
        return 1;
    }
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
