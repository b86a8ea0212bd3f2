#!/usr/bin/env bash
# The desktop program among the desktop's other programs, under X with a tray host
# and a session bus: a peer's line brings the window forward without taking the
# keyboard from the program the user types in; "UpdateUsersList" over the bus
# refreshes the list; messages pop up in windows of their own, a reply typed there
# reaches only its sender, and Ctrl+I opens the asked peer's information window; a
# second start brings the running window forward and ends. A script drives it
# over the bus (gdbus): a line, a message and a file reach a headless peer, and
# lines, messages, files and peers coming and going raise the signals. A message
# goes to the desktop's notification service (a fake one here) with its actions,
# and its "Reply" opens the reply window; in DND nothing is notified.
# Also the command line: --help and --version answer without a display.
# Usage: test_session_bus.sh PATH/TO/quorvelle PATH/TO/quorvelle-cli PATH/TO/fake-notifications
QUORVELLE=$(realpath "$1")
QUORVELLE_CLI=$(realpath "$2")
FAKE_NOTIFICATIONS=$(realpath "$3")
source "$(dirname "$0")/lan.sh"
for tool in Xvfb openbox trayer xdotool xmessage dbus-daemon dbus-send gdbus; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

echo "== the command line"
help=$(env -u DISPLAY -u QT_QPA_PLATFORM "$QUORVELLE" --help); code=$?
lan_check "--help" [ "$code" -eq 0 ] && lan_check "--help prints the usage" grep -q '^Usage: quorvelle' <<<"$help"
version=$(env -u DISPLAY -u QT_QPA_PLATFORM "$QUORVELLE" --version); code=$?
lan_check "--version" [ "$code" -eq 0 ] && lan_check "--version prints it" grep -q '^Quorvelle v\.' <<<"$version"
QT_QPA_PLATFORM=offscreen "$QUORVELLE" --bogus >/dev/null 2>&1; code=$?
lan_check "an unknown option is refused with 2, got $code" [ "$code" -eq 2 ]

lan_setup 3
lan_start_peer 2 --nick Bob --trace --channel '#Talks' --channel '#BobRoom' --broadcast "$LAN_SUBNET.255" \
  --files-dir "$LAN_DIR/bobfiles"
lan_expect 2 $'#Main\tBob joins the net'
lan_start_peer 3 --nick Carl --channel '#CarlRoom' --broadcast "$LAN_SUBNET.255"
lan_expect 2 $'#Main\tCarl joins the net'

lan_start_desktop_x 1
lan_session_bus
sleep 1
lan_fake_notifications "$FAKE_NOTIFICATIONS"

lan_start_desktop 1 "[Settings]
NickName=Desk
UDPPort=$LAN_PORT
LogsDir=$LAN_DIR/desk1/logs/
TimeSystem=0
TimeUsers=0
[AddrList]
$LAN_SUBNET.255="
DESK=$DESK_PID
lan_expect 2 $'#Main\tDesk joins the net' 30
sleep 1

echo "== UpdateUsersList over the session bus"
DBUS_SESSION_BUS_ADDRESS=$DESK_DBUS dbus-send --session --type=method_call --print-reply \
  --dest=org.halvorenwerk.Quorvelle / org.halvorenwerk.Quorvelle.UpdateUsersList >/dev/null
lan_check "the bus call is answered" [ $? -eq 0 ]
sleep 1
lan_count 2 $'!packet\t/?Desk/0' 2

echo "== scripting over the session bus"
bus() { # METHOD ARGS...: a call as a script makes it
  local method=$1; shift
  DBUS_SESSION_BUS_ADDRESS=$DESK_DBUS gdbus call --session --dest org.halvorenwerk.Quorvelle \
    --object-path / --method "org.halvorenwerk.Quorvelle.$method" "$@" 2>&1
}
DBUS_SESSION_BUS_ADDRESS=$DESK_DBUS gdbus monitor --session --dest org.halvorenwerk.Quorvelle \
  >"$LAN_DIR/signals" 2>&1 &
LAN_PIDS+=($!)
sleep 0.5
lan_check "ListUsers gives nick, status and address" \
  grep -qF "('Bob', '0', '$LAN_SUBNET.2')" <<<"$(bus ListUsers)"
lan_check "ListConversations" grep -qF "'#Main'" <<<"$(bus ListConversations)"
# The installed description names what the running program serves.
served=$(DBUS_SESSION_BUS_ADDRESS=$DESK_DBUS gdbus introspect --session \
  --dest org.halvorenwerk.Quorvelle --object-path /)
described=$(grep -oE '<(method|signal) name="[A-Za-z]+"' \
  "$(dirname "$0")/../../resources/dbus/org.halvorenwerk.Quorvelle.xml" | cut -d'"' -f2)
for name in $described; do
  lan_check "the program serves $name" grep -qE "(^|[[:space:]])$name[ (]" <<<"$served"
done
lan_check "the description names every method and signal served" [ "$(wc -w <<<"$described")" -eq \
  "$(sed -n '/interface org.halvorenwerk.Quorvelle {/,/};/p' <<<"$served" | grep -cE '^ +[A-Za-z]+\(')" ]
bus SendLine '#Main' 'scripted line' >/dev/null
lan_expect 2 $'#Main\t<Desk> scripted line'
bus SendMessage Bob 'scripted message' >/dev/null
lan_expect_re 2 $'^!message\t<- Desk\tscripted message *$'
mkdir -p "$LAN_DIR/bobfiles"
printf 'scripted file\n' >"$LAN_DIR/scripted.txt"
bus SendFile Bob "$LAN_DIR/scripted.txt" >/dev/null
lan_expect_re 2 $'^!transfer\treceive\tDesk\t.*scripted.txt\t14\tReceive OK$' 30
refused=$(bus SendLine '#Nowhere' 'lost')
lan_check "a call that cannot be done says why" grep -qF "no conversation #Nowhere" <<<"$refused"
lan_send 2 'say #Main signal me'
lan_wait_file "$LAN_DIR/signals" -F "LineShown ('#Main', '<Bob> signal me')" 10 "bus signals"
printf 'from bob\n' >"$LAN_DIR/frombob.txt"
lan_send 2 "send Desk $LAN_DIR/frombob.txt"
lan_wait_file "$LAN_DIR/signals" -E "FileReceived \('Bob', '[^']*frombob.txt'\)" 30 "bus signals"
lan_wait_file "$LAN_DIR/notify" -F $'\tFile received\t"frombob.txt" from Bob\tdefault=Open Folder,open=Open' 10 "notifications"

echo "== a peer's line: the window comes, the keyboard stays"
lan_run 1 xmessage -name typing 'typing here' >/dev/null 2>&1 &
LAN_PIDS+=($!)
sleep 1
typing=$(lan_run 1 xdotool search --name '^typing$' | head -1)
lan_run 1 xdotool windowactivate --sync "$typing"
sleep 0.5
lan_send 2 'say #Main are you there?'
sleep 0.3
# The user goes on typing while the line arrives.
lan_run 1 xdotool type --delay 100 'stolen'
sleep 1.5
shown=$(lan_run 1 xdotool search --onlyvisible --name '^Quorvelle v\.' | wc -l)
lan_check "the window pops up" [ "$shown" -ge 1 ]
focus=$(lan_run 1 xdotool getwindowfocus)
lan_check "the keyboard stayed in the other program" [ "$focus" = "$typing" ]
# Whatever reached the input line goes out with Enter.
main=$(lan_run 1 xdotool search --onlyvisible --name '^Quorvelle v\.' | head -1)
lan_run 1 xdotool windowactivate --sync "$main" key Return
sleep 1
lan_check "no typed key landed in the input line" [ "$(grep -c stolen "$LAN_DIR/out2")" -eq 0 ]

echo "== messages and information"
lan_send 2 'message Desk hello desk'
lan_send 3 'mass to everybody'
lan_expect 2 $'#Main\tDesk received the message in Normal mode'
lan_wait_file "$LAN_DIR/signals" -F "MessageReceived ('Bob', 'hello desk" 10 "bus signals"
lan_check "Carl's mass message opens a window" lan_window_named '<= Carl' >/dev/null
single=$(lan_window_named '<- Bob')
lan_check "Bob's message opens a window" [ -n "$single" ]
lan_run 1 xdotool windowfocus --sync "$single" key alt+r sleep 0.3 type pong
lan_run 1 xdotool key alt+s
lan_expect_re 2 $'^!message\t<- Desk\tpong *$'
sleep 1
lan_check "the reply reached only its sender" [ "$(grep -c '<- Desk' "$LAN_DIR/out3")" -eq 0 ]
main=$(lan_window_named 'Quorvelle v\..*')
lan_run 1 xdotool windowfocus --sync "$main" key ctrl+i
lan_check "Ctrl+I opens Bob's information window" lan_window_named 'Bob Info' >/dev/null

echo "== a message in the desktop's notifications"
lan_wait_file "$LAN_DIR/notify" -F $'\tMessage from Bob\thello desk\tdefault=Open,reply=Reply' 10 "notifications"
lan_wait_file "$LAN_DIR/notify" -F $'\tMessage to everybody from Carl\tto everybody\tdefault=Open,reply=Reply' 10 "notifications"
lan_send 2 'message Desk second'
lan_wait_file "$LAN_DIR/notify" -F $'\tMessage from Bob\tsecond\t' 10 "notifications"
id=$(grep -F $'\tMessage from Bob\tsecond\t' "$LAN_DIR/notify" | cut -f2)
echo "invoke $id reply" >&19
lan_check "Reply in the notification opens the reply window" lan_window_named '-> Bob' >/dev/null
bus SetStatus 1 >/dev/null
lan_expect 2 $'#Main\tDesk enters in DND mode' 10
lan_send 2 'message Desk not now'
lan_expect 2 $'#Main\tDesk received the message in DND mode'
sleep 1
lan_check "nothing is notified in DND" [ "$(grep -c 'not now' "$LAN_DIR/notify")" -eq 0 ]
bus SetStatus 0 >/dev/null

echo "== the Channels window lists the peers' channels"
lan_run 1 xdotool windowfocus --sync "$main" key alt+space
channels=$(lan_window_named 'Channels')
lan_check "Alt+Space opens the Channels window" [ -n "$channels" ]
sleep 1
# From the own list to "Created Channels", where the peers' rooms stand in the
# order their answers came; typing a name's start finds it. Enter takes one into
# the own list, OK keeps it.
lan_run 1 xdotool windowfocus --sync "$channels" key Tab Tab Tab Tab Tab type '#Ca'
lan_run 1 xdotool key Return
sleep 1
lan_run 1 xdotool type '#Bo'
lan_run 1 xdotool key Return alt+o
sleep 0.5

echo "== peers coming and going raise signals"
lan_send 3 quit
wait "${LAN_PIDS[3]}"
lan_wait_file "$LAN_DIR/signals" -F "UserLeft ('Carl',)" 10 "bus signals"
exec 13>&-
rm -f "$LAN_DIR/in3"
lan_start_peer 3 --nick Carl --broadcast "$LAN_SUBNET.255"
lan_wait_file "$LAN_DIR/signals" -F "UserJoined ('Carl',)" 10 "bus signals"

echo "== a second start"
ip netns exec "${LAN_ID}h1" env XDG_CONFIG_HOME="$DESK_DIR/config" XDG_DATA_HOME="$DESK_DIR/data" \
  XDG_RUNTIME_DIR="$DESK_DIR/runtime" DBUS_SESSION_BUS_ADDRESS="$DESK_DBUS" \
  timeout 20 "$QUORVELLE" >/dev/null 2>&1
lan_check "the second copy ends at once with 0" [ $? -eq 0 ]
sleep 1
focus=$(lan_run 1 xdotool getwindowfocus getwindowname 2>/dev/null)
lan_check "the running window came forward ($focus)" grep -q '^Quorvelle v\.' <<<"$focus"
lan_count 2 $'#Main\tDesk joins the net' 1

kill -TERM "$DESK"
wait "$DESK"
lan_expect 2 $'#Main\tDesk leaves the net'
ini="$DESK_DIR/config/Halvorenwerk/Quorvelle.ini"
for room in BobRoom CarlRoom; do
  lan_check "the kept channels hold #$room" grep -q "^%23$room=0" "$ini"
done
lan_finish
