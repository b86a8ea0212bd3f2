#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building and running need, and with
# "test" also those that the tests, benchmarks and fuzzing need; quick when
# everything is there already.
# Usage: install-deps.sh [test]
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools qt6-translations-l10n
  libgl1-mesa-dev libxcb1-dev libxcb-xkb-dev libxcb-keysyms1-dev
)
if [ "${1:-}" = test ]; then
  packages+=(
    libbenchmark-dev clang-format
    # an X desktop: server, window manager, tray host, key and window tools,
    # screenshots, session bus and gdbus; network namespaces
    xvfb xauth x11-utils x11-xkb-utils xdotool openbox trayer imagemagick dbus libglib2.0-bin
    iproute2 procps python3 desktop-file-utils appstream
    # fuzzing: clang with libFuzzer and the sanitizer runtimes
    clang libclang-rt-dev
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
