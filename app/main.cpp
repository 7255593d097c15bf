// The program is its one window: create it, load the game, show it and run until it is closed.
#include "assets/picture_lookup.h"
#include "ui/caption_font.h"
#include "ui/frm_main.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The program carries the same icon as its window.
    QApplication::setWindowIcon(gachapoko::loadProgramIcon());
    // Without a face that shows Japanese the captions are boxes: say so once, and play on.
    if (const QString missing = gachapoko::missingFontMessage(); !missing.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(missing));
    }
    gachapoko::FrmMain frmMain;
    frmMain.start();
    // Closing the window ends the loop at once, in any scene; nothing is kept.
    return QApplication::exec();
}
