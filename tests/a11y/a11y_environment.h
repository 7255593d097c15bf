// What the screen reader tests know of the private session they run in.
#pragma once

#include <string>

namespace gachapoko::test {

// The private X server's display, e.g. ":7".
const std::string& xDisplay();
// The private home directory of this session, where the game's home directories are made too.
const std::string& sessionHome();

} // namespace gachapoko::test
