#!/usr/bin/env bash
# The desktop program among headless peers: lines from the peers show in the right
# tabs and logs, and SIGTERM makes it take leave of #Talks, then of the net, save
# its settings and exit 0. With a third argument it also takes a screenshot
# under Xvfb.
# Usage: test_desktop.sh PATH/TO/quorvelle PATH/TO/quorvelle-cli [SCREENSHOT.png]
QUORVELLE=$(realpath "$1")
QUORVELLE_CLI=$(realpath "$2")
SHOT=${3:-}
source "$(dirname "$0")/lan.sh"

lan_setup 3
TABLE=(--broadcast "$LAN_SUBNET.255")
lan_start_peer 2 --nick Bob "${TABLE[@]}"
# Each peer listens before the next one announces itself.
lan_expect 2 $'#Main\tBob joins the net'
lan_start_peer 3 --nick Carl "${TABLE[@]}"
lan_expect 2 $'#Main\tCarl joins the net'

export QT_QPA_PLATFORM=offscreen DISPLAY=:57
if [ -n "$SHOT" ] && command -v Xvfb >/dev/null; then
  ip netns exec "${LAN_ID}h1" Xvfb :57 -screen 0 900x600x24 -nolisten tcp >/dev/null 2>&1 &
  LAN_PIDS+=($!)
  sleep 1
  QT_QPA_PLATFORM=xcb
fi
lan_start_desktop 1 "[Settings]
NickName=Desk
UDPPort=$LAN_PORT
LogsDir=$LAN_DIR/desk1/logs/
Subject=Welcome all
SubjDateTime=[01.01.2026 - 12:00:00]
SubjBy=Desk
UpdateOnPopup=0
[AddrList]
$LAN_SUBNET.255="
DESK=$DESK_PID

echo "== the desktop program joins"
lan_expect 2 $'#Main\tDesk joins the net' 30
lan_expect 3 $'#Main\tDesk joins the net'
sleep 0.5
lan_send 2 'say #Talks hello desk ^ok!^ :)'
lan_send 3 'say #Main carl here'
lan_send 2 'private Desk'
lan_send 2 'say Desk psst'
lan_send 3 'say #Other nobody hears this'
LOGS="$DESK_DIR/logs"
stamp='\[[0-9][0-9]:[0-9][0-9]\] '
check_log_re() { lan_wait_file "$LOGS/$1" -E "$2" 10 "log $1"; }
# Logs keep colour codes and smiles as typed.
check_log_re '#Talks.log' "^${stamp}<Bob> hello desk \\^ok!\\^ :\\)$"
check_log_re '#Main.log' "^${stamp}<Carl> carl here$"
check_log_re 'Bob.log' "^${stamp}<Bob> psst$"
check_log_re 'Bob.log' "^${stamp}Chat with Bob$"
check_log_re '#Main.log' "^\[[0-9]{2}\.[0-9]{2}\.[0-9]{4}\]$"
if [ -e "$LOGS/#Other.log" ]; then echo "FAIL: a channel that is not open was logged"; LAN_FAILS=$((LAN_FAILS + 1)); else LAN_PASSES=$((LAN_PASSES + 1)); fi

if [ -n "$SHOT" ] && [ "$QT_QPA_PLATFORM" = xcb ]; then
  lan_run 1 env DISPLAY=:57 xdotool search --name "Quorvelle" windowactivate 2>/dev/null
  sleep 1
  lan_run 1 env DISPLAY=:57 import -window root "$SHOT" && echo "screenshot: $SHOT"
fi

echo "== a message pops up and is confirmed"
lan_send 3 'message Desk are you there'
lan_expect 3 $'#Main\tDesk received the message in Normal mode'
check_log_re 'Messages.log' '^are you there'

echo "== SIGTERM"
kill -TERM "$DESK"
code=0
wait "$DESK" || code=$?
if [ "$code" -eq 0 ]; then LAN_PASSES=$((LAN_PASSES + 1)); else echo "FAIL: exit code $code"; cat "$DESK_DIR/out"; LAN_FAILS=$((LAN_FAILS + 1)); fi
lan_expect 2 $'Desk\tDesk leaves the chat'
lan_expect 2 $'#Talks\tDesk leaves the channel'
lan_expect 2 $'#Main\tDesk leaves the net'
# "/2" for #Talks comes before "/$".
talks=$(grep -nxF $'#Talks\tDesk leaves the channel' "$LAN_DIR/out2" | cut -d: -f1)
net=$(grep -nxF $'#Main\tDesk leaves the net' "$LAN_DIR/out2" | cut -d: -f1)
if [ -n "$talks" ] && [ -n "$net" ] && [ "$talks" -lt "$net" ]; then LAN_PASSES=$((LAN_PASSES + 1));
else echo "FAIL: leave packets out of order"; LAN_FAILS=$((LAN_FAILS + 1)); fi
ini="$DESK_DIR/config/Halvorenwerk/Quorvelle.ini"
for line in 'NickName=Desk' "UDPPort=$LAN_PORT" 'JLNet=1' 'ActiveChanel=2'; do
  if grep -qxF -- "$line" "$ini"; then LAN_PASSES=$((LAN_PASSES + 1)); else echo "FAIL: settings lack $line"; LAN_FAILS=$((LAN_FAILS + 1)); fi
done

lan_finish
