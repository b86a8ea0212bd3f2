#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building and testing need; quick when
# everything is there already.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
  libgl1-mesa-dev libxcb1-dev libxcb-xkb-dev libxcb-keysyms1-dev
  libbenchmark-dev clang-format
  # tests: X server, key and window tools, session bus, network namespaces
  xvfb xauth x11-utils x11-xkb-utils xdotool trayer dbus iproute2 procps desktop-file-utils appstream
  # fuzzing: clang with libFuzzer and the sanitizer runtimes
  clang libclang-rt-dev
)

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
