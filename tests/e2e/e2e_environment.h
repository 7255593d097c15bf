// What the end-to-end tests know of their X server.
#pragma once

#include <set>
#include <string>
#include <sys/types.h>
#include <vector>

namespace gachapoko::test {

// The display the game and the injected input use, e.g. ":7"; empty without a server.
const std::string& xDisplay();
// Why there is no X server, or empty when there is one.
const std::string& xUnavailableReason();

// The test process adopts every process its children leave behind (it is their subreaper).
// The processes it has adopted or started that are still there, other than the X server.
std::set<pid_t> adoptedProcesses();
// Gives the command line of each such process not in `known`, and ends and reaps them. Call it
// once the programs under test have ended.
std::vector<std::string> reapLeftoverProcesses(const std::set<pid_t>& known = {});
// Ends (politely first) and reaps one process of the test's own.
void endProcess(pid_t pid);

} // namespace gachapoko::test
