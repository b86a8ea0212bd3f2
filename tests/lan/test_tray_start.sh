#!/usr/bin/env bash
# The desktop program started as a user meets it: under X with a tray host it
# starts hidden with its icon in the tray, asks the net once who is there, and a
# session that never showed the window leaves the stored layout as it was.
# Usage: test_tray_start.sh PATH/TO/quorvelle PATH/TO/quorvelle-cli
QUORVELLE=$(realpath "$1")
QUORVELLE_CLI=$(realpath "$2")
source "$(dirname "$0")/lan.sh"
for tool in Xvfb trayer xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

lan_setup 2
lan_start_peer 2 --nick Bob --trace --broadcast "$LAN_SUBNET.255"
lan_expect 2 $'#Main\tBob joins the net'

DISP=:$((60 + RANDOM % 200))
lan_run 1 Xvfb "$DISP" -noreset -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
LAN_PIDS+=($!)
sleep 1
lan_run 1 env DISPLAY="$DISP" trayer --expand false --width 10 >/dev/null 2>&1 &
LAN_PIDS+=($!)
sleep 1

export QT_QPA_PLATFORM=xcb DISPLAY="$DISP"
lan_start_desktop 1 "[Settings]
NickName=Desk
UDPPort=$LAN_PORT
LogsDir=$LAN_DIR/desk1/logs/
UpdateOnPopup=1
[Sizes]
SubjectHeight=80
EditBoxHeight=40
UsersNickWidth=200
ChatWidth=600
ChatHeight=400
[View]
SubjectMin=1
NickName=0
LeftPlacement=1
[AddrList]
$LAN_SUBNET.255="
DESK=$DESK_PID

echo "== hidden in the tray, one refresh"
lan_expect 2 $'#Main\tDesk joins the net' 30
sleep 2
lan_count 2 $'!packet\t/?Desk/0' 1
visible=$(lan_run 1 env DISPLAY="$DISP" xdotool search --onlyvisible --name '^Quorvelle v\.' 2>/dev/null | wc -l)
if [ "$visible" -eq 0 ]; then LAN_PASSES=$((LAN_PASSES + 1)); else echo "FAIL: the window shows at start"; LAN_FAILS=$((LAN_FAILS + 1)); fi
# The icon is a window embedded in the tray host's window, a level below the top.
icons=$(lan_run 1 env DISPLAY="$DISP" xwininfo -root -tree 2>/dev/null |
  grep -cE '^ {8,}0x[0-9a-f]+ .*\("quorvelle"')
if [ "$icons" -ge 1 ]; then LAN_PASSES=$((LAN_PASSES + 1)); else echo "FAIL: no tray icon"; LAN_FAILS=$((LAN_FAILS + 1)); fi

echo "== SIGTERM without ever showing the window"
kill -TERM "$DESK"
wait "$DESK"
lan_expect 2 $'#Main\tDesk leaves the net'
ini="$DESK_DIR/config/Halvorenwerk/Quorvelle.ini"
for line in SubjectHeight=80 EditBoxHeight=40 UsersNickWidth=200 ChatWidth=600 ChatHeight=400 \
            SubjectMin=1 NickName=0 LeftPlacement=1; do
  if grep -qxF -- "$line" "$ini"; then LAN_PASSES=$((LAN_PASSES + 1)); else echo "FAIL: settings lost $line"; LAN_FAILS=$((LAN_FAILS + 1)); fi
done

lan_finish
