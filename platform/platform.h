// What the system under the game offers, decided here once. Code that needs a system's own
// headers or calls keeps them behind these macros; everything else is compiled everywhere and
// chooses with the constants below, so that no branch of the game goes unbuilt on Linux.
#pragma once

// The kernel's timerfd, which the bout timer waits on for a precise ten seconds (Linux).
#if defined(__linux__)
#define GACHAPOKO_HAS_TIMERFD 1
#else
#define GACHAPOKO_HAS_TIMERFD 0
#endif

// A freedesktop.org desktop: an X display reached through libxcb, an XDG runtime directory and a
// D-Bus session bus that libdbus would look up, and the C library's locale encoding (Linux and
// the BSDs). app/CMakeLists.txt links libxcb under the same condition.
#if defined(__unix__) && !defined(__APPLE__)
#define GACHAPOKO_FREEDESKTOP 1
#else
#define GACHAPOKO_FREEDESKTOP 0
#endif

namespace gachapoko::platform {

inline constexpr bool HasTimerFd = GACHAPOKO_HAS_TIMERFD;
inline constexpr bool Freedesktop = GACHAPOKO_FREEDESKTOP;

} // namespace gachapoko::platform
