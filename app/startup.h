// Qt started the way the game starts it, for the game, its benchmark, its tools and its tests.
#pragma once

#include "app/start_steps.h"

#include <QApplication>
#include <memory>
#include <string>
#include <string_view>

namespace gachapoko {

// Creates the application object in whatever session the user starts the game in, odd or
// broken: it starts no program or bus and leaves nothing behind (app/session.h); a display it
// cannot use ends the start with one line and gives nothing, for status 1; the character
// encoding is switched to UTF-8 where the locale's is another. `steps`, where given, records the
// steps for the benchmark.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv, StartSteps* steps = nullptr);

// `text`, at most 300 bytes, its control characters (a line break too) written as \xNN: fit to
// quote in a line of the game's on a terminal.
std::string quotable(std::string_view text);

} // namespace gachapoko
