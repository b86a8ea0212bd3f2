#!/usr/bin/env bash
# Takes docs/screenshot.png: the desktop program under Xvfb on a small LAN of
# network namespaces, beside headless peers in every status. Needs root. With
# "left", docs/screenshot-left.png: the side panel on the left, the subject minimised.
# Usage: scripts/screenshot.sh [build-dir] [left]
set -u
cd "$(dirname "$0")/.."
BUILD=${1:-build}
QUORVELLE=$(realpath "$BUILD/src/quorvelle")
QUORVELLE_CLI=$(realpath "$BUILD/src/quorvelle-cli")
VARIANT=${2:-}
OUT=$(realpath docs)/screenshot.png
VIEW=""
if [ "$VARIANT" = left ]; then
  OUT=$(realpath docs)/screenshot-left.png
  VIEW=$'[View]\nLeftPlacement=1\nSubjectMin=1'
fi
source tests/lan/lan.sh

lan_setup 5
TABLE=(--broadcast "$LAN_SUBNET.255")
ip netns exec "${LAN_ID}h1" Xvfb :58 -screen 0 760x500x24 -nolisten tcp >/dev/null 2>&1 &
LAN_PIDS+=($!)
sleep 1
export QT_QPA_PLATFORM=xcb DISPLAY=:58
lan_start_desktop 1 "[Settings]
NickName=Maren
UDPPort=$LAN_PORT
LogsDir=$LAN_DIR/desk1/logs/
Subject=Release on Friday: please test the new build
SubjBy=Maren
SubjDateTime=[06.12.2026 - 09:15:00]
UpdateOnPopup=0
[Sizes]
ChatWidth=640
ChatHeight=420
$VIEW
[AddrList]
$LAN_SUBNET.255="
sleep 2
lan_start_peer 2 --nick Tobias --status 0 "${TABLE[@]}"
lan_expect 2 $'#Main\tTobias joins the net'
lan_start_peer 3 --nick Ilse --status 1 "${TABLE[@]}"
lan_expect 3 $'#Main\tIlse joins the net'
lan_start_peer 4 --nick Quentin --status 2 "${TABLE[@]}"
lan_expect 4 $'#Main\tQuentin joins the net'
lan_start_peer 5 --nick Ada --status 3 "${TABLE[@]}"
sleep 2
lan_send 2 'say #Main morning all'
sleep 0.3
lan_send 4 'say #Main back in ten minutes'
sleep 0.3
lan_send 2 'say #Main the nightly build is green again ^Ок!^ :)'
sleep 0.3
lan_send 4 'say #Main #|Эй|# :?: _|П|_^|р|^&|и|&%|в|%$|е|$#|т|# :!:'
sleep 0.3
lan_send 3 'say #Main see $|www.example.org/build|$ B) :D'
sleep 0.3
lan_send 3 'nick Ilse_busy'
sleep 0.3
lan_send 2 'say #Talks lunch at noon?'
sleep 1.5
ip netns exec "${LAN_ID}h1" env DISPLAY=:58 xdotool search --name "Quorvelle" windowactivate 2>/dev/null
sleep 1
ip netns exec "${LAN_ID}h1" env DISPLAY=:58 import -window root "$OUT" && echo "wrote $OUT"
