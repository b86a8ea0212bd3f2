#!/usr/bin/env bash
# Takes docs/screenshot.png: the desktop program under Xvfb on a small LAN of
# network namespaces, beside headless peers in every status. Needs root.
# Usage: scripts/screenshot.sh [build-dir]
set -u
cd "$(dirname "$0")/.."
BUILD=${1:-build}
QUORVELLE=$(realpath "$BUILD/src/quorvelle")
QUORVELLE_CLI=$(realpath "$BUILD/src/quorvelle-cli")
OUT=$(realpath docs)/screenshot.png
source tests/lan/lan.sh

lan_setup 5
TABLE=(--broadcast "$LAN_SUBNET.255")
DESK="$LAN_DIR/desk"
mkdir -p "$DESK/config/Halvorenwerk" "$DESK/runtime"
chmod 700 "$DESK/runtime"
printf '[Settings]\nNickName=Maren\nUDPPort=%s\nLogsDir=%s/logs/\nSubject=Release on Friday: please test the new build\nSubjBy=Maren\nSubjDateTime=[06.12.2026 - 09:15:00]\nUpdateOnPopup=0\n[Sizes]\nChatWidth=640\nChatHeight=420\n[AddrList]\n%s.255=\n' \
  "$LAN_PORT" "$DESK" "$LAN_SUBNET" >"$DESK/config/Halvorenwerk/Quorvelle.ini"

ip netns exec "${LAN_ID}h1" Xvfb :58 -screen 0 760x500x24 -nolisten tcp >/dev/null 2>&1 &
LAN_PIDS+=($!)
sleep 1
ip netns exec "${LAN_ID}h1" env QT_QPA_PLATFORM=xcb DISPLAY=:58 XDG_CONFIG_HOME="$DESK/config" \
  XDG_DATA_HOME="$DESK/data" XDG_RUNTIME_DIR="$DESK/runtime" DBUS_SESSION_BUS_ADDRESS=disabled: \
  "$QUORVELLE" >"$LAN_DIR/desk.out" 2>&1 &
LAN_PIDS+=($!)
sleep 2
lan_start_peer 2 --nick Tobias --status 0 "${TABLE[@]}"
lan_start_peer 3 --nick Ilse --status 1 "${TABLE[@]}"
lan_start_peer 4 --nick Quentin --status 2 "${TABLE[@]}"
lan_start_peer 5 --nick Ada --status 3 "${TABLE[@]}"
sleep 2
lan_send 2 'say #Main morning all'
sleep 0.3
lan_send 4 'say #Main back in ten minutes'
sleep 0.3
lan_send 2 'say #Main the nightly build is green again'
sleep 0.3
lan_send 3 'nick Ilse_busy'
sleep 0.3
lan_send 2 'say #Talks lunch at noon?'
sleep 1.5
ip netns exec "${LAN_ID}h1" env DISPLAY=:58 xdotool search --name "Quorvelle" windowactivate 2>/dev/null
sleep 1
ip netns exec "${LAN_ID}h1" env DISPLAY=:58 import -window root "$OUT" && echo "wrote $OUT"
