// The program is its one window: create it, load the game, show it and run until it is closed.
#include "assets/picture_lookup.h"
#include "ui/frm_main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The desktop entry's name, by which a Wayland compositor finds the game's icon and entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(GACHAPOKO_APP_ID));
    // The program carries the same icon as its window.
    QApplication::setWindowIcon(gachapoko::loadProgramIcon());
    gachapoko::FrmMain frmMain;
    frmMain.start();
    // Closing the window ends the loop at once, in any scene; nothing is kept.
    return QApplication::exec();
}
