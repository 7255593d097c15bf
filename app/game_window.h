// The game's one window opened the way main opens it, for the program and its benchmark.
#pragma once

#include "app/start_steps.h"
#include "ui/frm_main.h"

#include <memory>

namespace gachapoko {

// With Qt started: names the program for the desktop, says once when no installed face shows
// Japanese, creates the window and gives the program its icon, then loads the game and shows it.
std::unique_ptr<FrmMain> openGameWindow(StartSteps* steps = nullptr);

} // namespace gachapoko
