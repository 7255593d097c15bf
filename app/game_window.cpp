// Opening the game's window.
#include "app/game_window.h"

#include "ui/caption_font.h"

#include <QApplication>
#include <cstdio>

namespace gachapoko {

std::unique_ptr<FrmMain> openGameWindow(StartSteps* steps) {
    // The desktop entry's name, by which a Wayland compositor finds the game's icon and entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(GACHAPOKO_APP_ID));
    // Without a face that shows Japanese the captions are boxes: say so once, and play on.
    if (const QString missing = missingFontMessage(); !missing.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(missing));
    }
    stepDone(steps, "the choice of face");
    auto window = std::make_unique<FrmMain>();
    // The program carries the icon its window was given, decoded once.
    QApplication::setWindowIcon(window->windowIcon());
    stepDone(steps, "the window built");
    window->start();
    stepDone(steps, "the game loaded, the window shown");
    return window;
}

} // namespace gachapoko
