// The program is its one window: create it, load the game, show it and run until it is closed.
#include "app/game_window.h"
#include "app/startup.h"

int main(int argc, char* argv[]) {
    const std::unique_ptr<QApplication> application = gachapoko::startApplication(argc, argv);
    if (!application) {
        return 1;
    }
    const std::unique_ptr<gachapoko::FrmMain> window = gachapoko::openGameWindow();
    // Closing the window ends the loop at once, in any scene; nothing is kept.
    return QApplication::exec();
}
