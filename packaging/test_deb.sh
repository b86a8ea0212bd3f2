#!/usr/bin/env bash
# Builds the Debian package from a build directory, installs it with apt-get,
# runs the installed program's --version, checks the menu entry, and removes it
# again, leaving nothing of it behind. Needs root (or sudo) and apt-get.
# Usage: test_deb.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:?usage: test_deb.sh BUILD_DIR}")
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ -n "$sudo" ] && ! sudo -n true 2>/dev/null; then
  echo "SKIP: installing a package needs root or sudo without a password"
  exit 0
fi
command -v apt-get >/dev/null && command -v cpack >/dev/null ||
  { echo "SKIP: apt-get or cpack is missing"; exit 0; }

if dpkg-query -W -f='${Status}' quorvelle 2>/dev/null | grep -q "install ok installed"; then
  echo "quorvelle is installed on this machine already: not touching it"
  exit 1
fi

rm -f "$build"/quorvelle_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/quorvelle_*.deb)
echo "== $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Depends Recommends
dpkg-deb --field "$deb" Depends | grep -q libqt6svg6 # the icons' plugin

cleanup() { $sudo apt-get remove -y -qq quorvelle >/dev/null 2>&1 || true; }
trap cleanup EXIT
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$deb" >/dev/null

version=$(/usr/bin/quorvelle --version)
echo "installed: $version"
[ -n "$version" ]
/usr/bin/quorvelle-cli --version >/dev/null
test -f /usr/share/applications/org.halvorenwerk.Quorvelle.desktop
test -f /usr/share/icons/hicolor/scalable/apps/org.halvorenwerk.Quorvelle.svg
files=$(dpkg -L quorvelle | grep -v '/$' || true)

DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq quorvelle >/dev/null
trap - EXIT
left=0
while read -r f; do
  [ -z "$f" ] || [ ! -f "$f" ] || { echo "left behind: $f"; left=1; }
done <<<"$files"
[ "$left" -eq 0 ]
echo "== installed, ran and removed cleanly"
