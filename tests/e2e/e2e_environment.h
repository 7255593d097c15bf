// What the end-to-end tests know of their X server.
#pragma once

#include <string>
#include <vector>

namespace gachapoko::test {

// The display the game and the injected input use, e.g. ":7"; empty without a server.
const std::string& xDisplay();
// Why there is no X server, or empty when there is one.
const std::string& xUnavailableReason();

// The test process adopts every process its children leave behind (it is their subreaper).
// Gives the command line of each such process still there, other than the X server, and ends
// and reaps them. Call it once the programs under test have ended.
std::vector<std::string> reapLeftoverProcesses();

} // namespace gachapoko::test
