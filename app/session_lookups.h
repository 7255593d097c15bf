// The system's answers to what the start-up asks of its desktop. Each only looks: nothing here
// writes a file, starts a program or waits longer than it says.
#pragma once

#include "app/desktop_session.h"

#include <chrono>
#include <optional>
#include <string>

namespace gachapoko {

// A variable of this process's environment; nothing when it is unset.
std::optional<std::string> environmentVariable(const char* name);

// A directory Qt accepts as the runtime directory without changing it: a real directory (not a
// link) owned by `uid`, with mode 0700 exactly.
bool isPrivateDirectory(const std::string& path, unsigned uid);

// Whether the bus at `address` (a "unix:" path or abstract socket) is a bus of `uid`'s that
// answers the start of a conversation within `patience`. A bus that takes connections and never
// answers would hold Qt's start for ever.
bool busAnswers(const std::string& address, unsigned uid, std::chrono::milliseconds patience);

// The lookups of this process: its environment, its effective user, its display.
SessionLookups currentSessionLookups();

} // namespace gachapoko
