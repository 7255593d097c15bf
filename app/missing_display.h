// The one thing that certainly stops the game before Qt starts: no display at all. The game has
// no options and reads no files; without a display it says so in one line and ends with
// status 1, instead of letting Qt abort with a core dump.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace gachapoko {

// Why there is certainly no display to open the window on, from the variables `environment`
// gives; nothing where Qt may find one (or a platform was chosen with QT_QPA_PLATFORM), and
// nothing on systems whose display needs no variable.
std::optional<std::string>
missingDisplayReason(const std::function<std::optional<std::string>(const char*)>& environment);

} // namespace gachapoko
