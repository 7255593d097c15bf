// Qt started the way the game starts it, for the game, its benchmark and its tests alike.
#pragma once

#include <QApplication>
#include <memory>

namespace gachapoko {

// Creates the application object in a desktop session that may lack parts of a full one: the
// session bus and runtime directory are settled first, so that nothing is autolaunched or left
// behind; a display that cannot be reached ends the program with one line and status 1; the
// character encoding is switched to UTF-8 where the locale's is another. Without any display at
// all it prints one line and gives nothing.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

} // namespace gachapoko
