// What the system under the game offers, decided once by the build (platform/CMakeLists.txt)
// and passed in as the compile definitions of gachapoko_platform. Code that needs a system's own
// headers or calls keeps them behind the macros, and only the branch for the system being built
// is compiled: on Linux the #else branches are never built. Code that needs no system headers
// chooses with the constants below (if constexpr), so that both of its branches are compiled.
#pragma once

#if !defined(GACHAPOKO_HAS_TIMERFD) || !defined(GACHAPOKO_FREEDESKTOP)
#error "platform.h is read by targets that link gachapoko_platform, which defines what it says"
#endif

namespace gachapoko::platform {

// The kernel's timerfd, which the bout timer waits on for a precise ten seconds (Linux).
inline constexpr bool HasTimerFd = GACHAPOKO_HAS_TIMERFD;
// A freedesktop.org desktop: an X display reached through libxcb, an XDG runtime directory and
// a D-Bus session bus that libdbus would look up, and the C library's locale encoding (Linux and
// the BSDs).
inline constexpr bool Freedesktop = GACHAPOKO_FREEDESKTOP;

} // namespace gachapoko::platform
