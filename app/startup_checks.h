// What the game says when it cannot start, and the character encoding it starts with. The game
// has no options and reads no files, so the only thing that can stop it is the lack of a display;
// it says so in one line and ends with status 1 instead of letting Qt abort with a core dump.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace gachapoko {

// The program's name at the start of every line it prints.
inline constexpr const char* ProgramName = "gachapoko";

// Why there is certainly no display to open the window on, from the variables `environment`
// gives; nothing where Qt may find one (or a platform was chosen with QT_QPA_PLATFORM).
std::optional<std::string>
missingDisplayReason(const std::function<std::optional<std::string>(const char*)>& environment);

// Held while QApplication is constructed. Qt ends a failed start of its platform (a display that
// cannot be reached) with a fatal message and abort(); the guard prints one line naming the cause
// instead and ends the program with status 1. Other messages of the start are passed on in order
// when the guard is released.
class PlatformStartGuard {
public:
    PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;
    ~PlatformStartGuard();
};

// Xlib writes the window's legacy title (WM_NAME) in the character encoding of the C library's
// locale; under LANG=C that is ASCII and the title would turn to garbage. The game's texts are
// UTF-8, so the encoding is switched to UTF-8 where the locale's is anything else. Only the
// encoding changes: messages, dates and sorting keep the user's locale.
void useUtf8CharacterEncoding();

} // namespace gachapoko
