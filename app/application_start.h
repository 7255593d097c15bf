// Qt started the way the game starts it, for the game, its benchmark and its tests alike.
#pragma once

#include "app/start_steps.h"

#include <QApplication>
#include <memory>

namespace gachapoko {

// Creates the application object in a desktop session that may lack parts of a full one, or be
// hostile: the buses and the runtime directory are settled first (desktop_session.h), so that
// nothing is started or left behind; a display that is missing, cannot be reached, refuses the
// game or drops it ends the program with one line and status 1 (this gives nothing then); the
// character encoding is switched to UTF-8 where the locale's is another.
// `steps`, where given, records the steps for the benchmark.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv, StartSteps* steps = nullptr);

} // namespace gachapoko
