// What the end-to-end tests know of their X server.
#pragma once

#include <string>

namespace gachapoko::test {

// The display the game and the injected input use, e.g. ":7"; empty without a server.
const std::string& xDisplay();
// Why there is no X server, or empty when there is one.
const std::string& xUnavailableReason();

} // namespace gachapoko::test
