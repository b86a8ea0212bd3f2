#!/usr/bin/env bash
# The desktop program in Russian (LANG=ru_RU.UTF-8): its windows speak Russian,
# while what goes on the wire, into the logs and into the archive stays as it is.
# Usage: test_language.sh PATH/TO/quorvelle PATH/TO/quorvelle-cli
QUORVELLE=$(realpath "$1")
QUORVELLE_CLI=$(realpath "$2")
source "$(dirname "$0")/lan.sh"
for tool in Xvfb openbox trayer xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

lan_setup 2
lan_start_desktop_x 1
LANG=ru_RU.UTF-8 lan_start_desktop 1 "[Settings]
NickName=Desk
UDPPort=$LAN_PORT
LogsDir=$LAN_DIR/desk1/logs/
TimeSystem=0
TimeUsers=0
[AddrList]
$LAN_SUBNET.255="
lan_start_peer 2 --nick Bob --broadcast "$LAN_SUBNET.255"
lan_expect 2 $'#Main\tDesk joins the net' 30 # sent before Bob listened: Desk answered his "?"
sleep 1

echo "== the wire, the log and the archive keep their texts"
lan_send 2 'say #Main hello desk'
lan_send 2 'message Desk a message'
lan_expect 2 $'#Main\tDesk received the message in Normal mode'
LOGS="$LAN_DIR/desk1/logs"
lan_wait_file "$LOGS/#Main.log" -F "Message from Bob received" 10 "#Main log"
lan_wait_file "$LOGS/#Main.log" -F "<Bob> hello desk" 10 "#Main log"
lan_wait_file "$LOGS/Messages.log" -xF "Bob" 10 "archive"
lan_check "nothing Russian in the logs" \
  [ "$(cat "$LOGS"/*.log | iconv -f windows-1251 -t utf-8 | LC_ALL=C grep -c $'[\xd0\xd1]')" -eq 0 ]

echo "== the windows speak Russian"
main=$(lan_window_named 'Quorvelle v\..*')
lan_check "the window came up with Bob's line" [ -n "$main" ]
lan_run 1 xdotool windowactivate --sync "$main" key ctrl+u
# Titles as the window manager shows them (xdotool's search reads the older,
# not always UTF-8, property); Qt adds the program's name: "Подключение — ...".
shown_titles() { lan_run 1 xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null; }
titled() { for _ in $(seq 1 50); do shown_titles | grep -q "^$1" && return 0; sleep 0.1; done; return 1; }
lan_check "Ctrl+U opens the connection window, in Russian" titled 'Подключение'
if [ -n "${SHOT:-}" ]; then
  lan_run 1 xdotool key Escape
  sleep 0.5
  lan_run 1 xdotool mousemove --window "$main" 200 150 click 3
  sleep 1
  lan_run 1 import -window root "$SHOT"
fi
lan_finish
