#!/usr/bin/env bash
# Installs a build into a throw-away prefix and checks that the programs, the menu
# entry, the icon, the metainfo, the default sounds and the receive-buffer limit
# land where desktops, the program and the system look for them, and that the desktop file and the metainfo pass their
# validators.
# Usage: test_install.sh BUILD_DIR
set -uo pipefail

build=${1:?usage: test_install.sh BUILD_DIR}
app_id=org.halvorenwerk.Quorvelle

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

passed=0
failed=0
pass() { echo "PASS $1"; passed=$((passed + 1)); }
fail() { echo "FAIL $1"; failed=$((failed + 1)); }
check() { # name, command...
  local name=$1; shift
  if "$@"; then pass "$name"; else fail "$name"; fi
}

if log=$(cmake --install "$build" --prefix "$tmp" 2>&1); then
  pass "cmake --install"
else
  echo "$log"
  fail "cmake --install"
fi

# The data directory follows GNUInstallDirs, which is share/ for any prefix.
desktop=$tmp/share/applications/$app_id.desktop
icon=$tmp/share/icons/hicolor/scalable/apps/$app_id.svg
metainfo=$tmp/share/metainfo/$app_id.metainfo.xml

check "bin/quorvelle" test -x "$tmp/bin/quorvelle"
check "bin/quorvelle-cli" test -x "$tmp/bin/quorvelle-cli"
check "desktop file" test -f "$desktop"
check "icon" test -s "$icon"
check "metainfo" test -f "$metainfo"
check "bus interface" test -s "$tmp/share/dbus-1/interfaces/$app_id.xml"
# The program finds its default sounds at bin/../share/quorvelle/Sounds.
check "default sounds" test -s "$tmp/share/quorvelle/Sounds/RecvMess.wav"
# Where systemd looks for it under /usr and /usr/local.
check "sysctl.d file" grep -qx 'net.core.rmem_max = 4194304' "$tmp/lib/sysctl.d/60-quorvelle.conf"

# The menu shows the icon only when the entry names exactly the installed icon, and
# the software centre finds the entry only through the launchable's file name.
if [ -f "$desktop" ]; then
  check "desktop Icon= names the installed icon" grep -qx "Icon=$app_id" "$desktop"
  check "desktop Exec= names the installed program" grep -qx "Exec=quorvelle" "$desktop"
fi
if [ -f "$metainfo" ]; then
  check "metainfo launchable is the installed desktop file" \
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
fi

if ! command -v desktop-file-validate >/dev/null; then
  echo "SKIP desktop-file-validate (not installed)"
elif [ -f "$desktop" ]; then
  # It exits 0 on some complaints, so any output counts as a failure.
  out=$(desktop-file-validate "$desktop" 2>&1)
  rc=$?
  [ -n "$out" ] && echo "$out"
  check "desktop-file-validate" test "$rc" -eq 0 -a -z "$out"
fi

if ! command -v appstreamcli >/dev/null; then
  echo "SKIP appstreamcli validate (not installed)"
elif [ -f "$metainfo" ]; then
  check "appstreamcli validate" appstreamcli validate --no-net "$metainfo"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
