// The game's one window opened the way main opens it, for the program and its benchmark.
#pragma once

#include "app/start_steps.h"
#include "ui/frm_main.h"

#include <memory>

namespace gachapoko {

// With Qt started: names the program for the desktop, gives it its icon, says once when no
// installed face shows Japanese, then creates the window, loads the game and shows it.
std::unique_ptr<FrmMain> openGameWindow(StartSteps* steps = nullptr);

} // namespace gachapoko
