#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and be tested, when any is missing.
# Runs apt-get as root, or through sudo for an ordinary user.
set -euo pipefail

packages=(
    build-essential cmake pkgconf         # compiler and build
    qt6-base-dev libgl-dev                # Qt 6 Widgets
    qt6-base-private-dev                  # Qt's accessibility bridge, woken for a late screen reader
    libxcb1-dev                           # the display's own questions at start (a bus announced
                                          #   on it), asked through libxcb
    libx11-dev libxcb-damage0-dev         # Xlib for the tests' X client; DAMAGE for the first-frame
                                          #   benchmark
    libgtest-dev                          # GoogleTest
    fonts-ipafont-gothic                  # a Japanese face for the captions
    fonts-vlgothic fonts-dejavu-core      # other faces for the tests of the font fallback
    clang-format                          # the check that the sources follow .clang-format
    xvfb libxtst-dev                      # a real X server and input injection for the window tests
    dbus-x11                              # the session bus autolaunch the program must not trigger
    dpkg-dev file                         # the Debian package: its library dependencies (CPack)
    desktop-file-utils appstream          # validators of the desktop entry and the metainfo
    lintian                               # Debian's check of the package
    dbus-daemon dbus-bin at-spi2-core     # a private session and accessibility bus for the
                                          #   screen reader tests
    orca speech-dispatcher                # a real screen reader speaking through speech-dispatcher
    speech-dispatcher-espeak-ng espeak-ng #   and espeak-ng (into a null sound device), for the
                                          #   screen reader tests; no window manager is needed
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "Need root or sudo to install: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
