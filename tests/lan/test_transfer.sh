#!/usr/bin/env bash
# Files between the desktop program and headless peers: sent both ways over the
# file port, received byte for byte into the incoming directories, with "Send OK"
# and "Receive OK" on both sides; a second file of one name arrives beside the
# first, and #Main says so. The desktop side sends from its send-file dialog,
# driven with the keyboard under X.
# Usage: test_transfer.sh PATH/TO/quorvelle PATH/TO/quorvelle-cli
QUORVELLE=$(realpath "$1")
QUORVELLE_CLI=$(realpath "$2")
source "$(dirname "$0")/lan.sh"
for tool in Xvfb xdotool cmp; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

lan_setup 3
mkdir -p "$LAN_DIR/bob" "$LAN_DIR/carl" "$LAN_DIR/files"
lan_start_peer 2 --nick Bob --files-dir "$LAN_DIR/bob" --broadcast "$LAN_SUBNET.255"
lan_expect 2 $'#Main\tBob joins the net'
lan_start_peer 3 --nick Carl --files-dir "$LAN_DIR/carl" --broadcast "$LAN_SUBNET.255"
lan_expect 2 $'#Main\tCarl joins the net'

# Without a tray the window shows at start, ready for the keyboard.
DISP=:$((60 + RANDOM % 200))
lan_run 1 Xvfb "$DISP" -noreset -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
LAN_PIDS+=($!)
sleep 1
export DISPLAY="$DISP" QT_QPA_PLATFORM=xcb
lan_start_desktop 1 "[Settings]
NickName=Desk
UDPPort=$LAN_PORT
LogsDir=$LAN_DIR/desk1/logs/
FilesDir=$LAN_DIR/desk1/in/
[AddrList]
$LAN_SUBNET.255="
lan_expect 2 $'#Main\tDesk joins the net' 30

head -c 300000 /dev/urandom >"$LAN_DIR/files/big.bin"
: >"$LAN_DIR/files/empty.txt"
printf 'from the desk\n' >"$LAN_DIR/files/note.txt"

echo "== headless peers send to the desktop"
lan_send 2 "send Desk $LAN_DIR/files/big.bin"
lan_send 3 "send Desk $LAN_DIR/files/empty.txt"
lan_expect_re 2 $'^!transfer\tsend\tDesk\t.*big.bin\t300000\tSend OK$' 30
lan_expect_re 3 $'^!transfer\tsend\tDesk\t.*empty.txt\t0\tSend OK$' 30
lan_check "the desktop received the big file whole" cmp -s "$LAN_DIR/files/big.bin" "$DESK_DIR/in/big.bin"
lan_check "the desktop received the empty file" [ -f "$DESK_DIR/in/empty.txt" ] && [ ! -s "$DESK_DIR/in/empty.txt" ]
lan_check "no partial files are left" [ -z "$(find "$DESK_DIR/in" -name '.*')" ]

echo "== a file of a name already there arrives beside it"
mkdir -p "$LAN_DIR/files/other"
head -c 1000 /dev/urandom >"$LAN_DIR/files/other/big.bin"
lan_send 3 "send Desk $LAN_DIR/files/other/big.bin"
lan_expect_re 3 $'^!transfer\tsend\tDesk\t.*big.bin\t1000\tSend OK$' 30
lan_check "the new one is big (2).bin" cmp -s "$LAN_DIR/files/other/big.bin" "$DESK_DIR/in/big (2).bin"
lan_check "the old one is unchanged" cmp -s "$LAN_DIR/files/big.bin" "$DESK_DIR/in/big.bin"
lan_wait_file "$DESK_DIR/logs/#Main.log" -F 'Received "big (2).bin" (1.0 K) from Carl: file://' 10 "#Main log"

echo "== the desktop sends from its dialog, to Bob and then to Carl"
main=$(lan_run 1 xdotool search --onlyvisible --name '^Quorvelle v\.' | head -1)
lan_check "the window is shown" [ -n "$main" ]
send_from_dialog() {
  lan_run 1 xdotool windowfocus --sync "$main" key --clearmodifiers ctrl+w
  sleep 1
  lan_run 1 xdotool type --delay 5 "$LAN_DIR/files/note.txt"
  lan_run 1 xdotool key Return
  sleep 0.5
}
send_from_dialog # the first user of the list is selected: Bob
lan_expect_re 2 $'^!transfer\treceive\tDesk\t.*note.txt\t14\tReceive OK$' 30
lan_run 1 xdotool windowfocus --sync "$main" key ctrl+Down
send_from_dialog
lan_expect_re 3 $'^!transfer\treceive\tDesk\t.*note.txt\t14\tReceive OK$' 30
lan_check "Bob's copy is the same" cmp -s "$LAN_DIR/files/note.txt" "$LAN_DIR/bob/note.txt"
lan_check "Carl's copy is the same" cmp -s "$LAN_DIR/files/note.txt" "$LAN_DIR/carl/note.txt"

kill -TERM "$DESK_PID"
wait "$DESK_PID"
lan_finish
