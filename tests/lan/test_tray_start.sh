#!/usr/bin/env bash
# The desktop program started as a user meets it: under X with a tray host it
# starts hidden with its icon in the tray, asks the net once who is there, and a
# session that never showed the window leaves the stored layout as it was. The
# very first start says in a tray notification how to open the window. With a
# notification service (a fake one), a line that comes while the window is hidden
# goes there, and its "Open" shows the window.
# Usage: test_tray_start.sh PATH/TO/quorvelle PATH/TO/quorvelle-cli [PATH/TO/fake-notifications]
QUORVELLE=$(realpath "$1")
QUORVELLE_CLI=$(realpath "$2")
FAKE_NOTIFICATIONS=${3:+$(realpath "$3")}
source "$(dirname "$0")/lan.sh"
for tool in Xvfb trayer xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

lan_setup 2
lan_start_peer 2 --nick Bob --trace --broadcast "$LAN_SUBNET.255"
lan_expect 2 $'#Main\tBob joins the net'

lan_start_desktop_x 1
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
lan_check "the window shows at start" [ "$visible" -eq 0 ]
# The icon is a window embedded in the tray host's window, a level below the top.
icons=$(lan_run 1 env DISPLAY="$DISP" xwininfo -root -tree 2>/dev/null |
  grep -cE '^ {8,}0x[0-9a-f]+ .*\("quorvelle"')
lan_check "no tray icon" [ "$icons" -ge 1 ]
# Nothing else shows: no notification (not a first start), no hint for the own join.
visible_windows() {
  lan_run 1 env DISPLAY="$DISP" xdotool search --onlyvisible --class quorvelle 2>/dev/null | wc -l
}
shown=$(visible_windows)
lan_check "only the icon shows ($shown windows)" [ "$shown" -eq 1 ]

echo "== SIGTERM without ever showing the window"
kill -TERM "$DESK"
wait "$DESK"
lan_expect 2 $'#Main\tDesk leaves the net'
ini="$DESK_DIR/config/Halvorenwerk/Quorvelle.ini"
for line in SubjectHeight=80 EditBoxHeight=40 UsersNickWidth=200 ChatWidth=600 ChatHeight=400 \
            SubjectMin=1 NickName=0 LeftPlacement=1; do
  lan_check "settings lost $line" grep -qxF -- "$line" "$ini"
done

echo "== the first start ever"
rm -rf "$DESK_DIR/config"
lan_start_desktop 1 ""
for _ in $(seq 60); do [ "$(visible_windows)" -ge 2 ] && break; sleep 0.5; done
# Its own join has come back by now; it must not add a hint.
sleep 2
shown=$(visible_windows)
lan_check "the icon and its notification show ($shown windows)" [ "$shown" -eq 2 ]
kill -TERM "$DESK_PID"
wait "$DESK_PID"

if [ -n "$FAKE_NOTIFICATIONS" ] && command -v dbus-daemon >/dev/null; then
  echo "== a line while hidden goes to the desktop's notifications"
  lan_session_bus
  lan_fake_notifications "$FAKE_NOTIFICATIONS"
  lan_start_desktop 1 "[Settings]
NickName=Desk
UDPPort=$LAN_PORT
PopupNewLine=0
TimeUsers=0
[AddrList]
$LAN_SUBNET.255="
  lan_wait_file "$LAN_DIR/out2" -xF $'!packet\t/?Desk/0' 30 "peer 2"
  sleep 1
  lan_send 2 'say #Main are you there'
  lan_wait_file "$LAN_DIR/notify" -F $'\t<Bob> are you there\tdefault=Open' 10 "notifications"
  lan_check "the window stayed hidden" [ "$(visible_windows)" -eq 1 ]
  id=$(grep -F '<Bob> are you there' "$LAN_DIR/notify" | cut -f2)
  echo "invoke $id default" >&19
  for _ in $(seq 20); do [ "$(visible_windows)" -ge 2 ] && break; sleep 0.25; done
  lan_check "Open in the notification shows the window" [ "$(visible_windows)" -ge 2 ]
  kill -TERM "$DESK_PID"
  wait "$DESK_PID"
fi

lan_finish
