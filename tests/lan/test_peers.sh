#!/usr/bin/env bash
# Three headless peers on a small LAN: presence, subject reconciliation, channel
# and private lines, nick and status changes, beeps, information, leaving.
# Usage: test_peers.sh PATH/TO/quorvelle-cli
QUORVELLE_CLI=$(realpath "$1")
source "$(dirname "$0")/lan.sh"

lan_setup 3
B="$LAN_SUBNET.255"
# Every broadcast reaches every host twice: by the subnet and the limited address.
TABLE=(--broadcast "$B" --broadcast 255.255.255.255)

# Bob set the subject yesterday, in his stored settings; Ann's is older still.
mkdir -p "$LAN_DIR/bob/Halvorenwerk" "$LAN_DIR/ann/Halvorenwerk" "$LAN_DIR/carl/Halvorenwerk"
printf '[Settings]\nSubject=\"Tea time (Carl) \"\nSubjBy=Carl\nSubjDateTime=[05.12.2026 - 10:00:00]\nUDPPort=%s\n' \
  "$LAN_PORT" >"$LAN_DIR/bob/Halvorenwerk/Quorvelle.ini"
printf '[Settings]\nSubject=Stale\nSubjBy=Ann\nSubjDateTime=[31.12.2025 - 23:59:59]\nUDPPort=%s\n' \
  "$LAN_PORT" >"$LAN_DIR/ann/Halvorenwerk/Quorvelle.ini"
printf '[Settings]\nSubject=Older\nSubjBy=Carl\nSubjDateTime=[01.01.2020 - 00:00:00]\nUDPPort=%s\n' \
  "$LAN_PORT" >"$LAN_DIR/carl/Halvorenwerk/Quorvelle.ini"

XDG_CONFIG_HOME="$LAN_DIR/bob" lan_start_peer 2 --use-settings --nick Bob "${TABLE[@]}"
lan_expect 2 $'#Main\tBob joins the net'
XDG_CONFIG_HOME="$LAN_DIR/carl" lan_start_peer 3 --use-settings --nick Carl --channel '#Other' "${TABLE[@]}"
lan_expect 3 $'#Main\tCarl joins the net'
XDG_CONFIG_HOME="$LAN_DIR/ann" lan_start_peer 1 --use-settings --nick Ann "${TABLE[@]}"

echo "== presence and subject"
lan_expect 1 $'#Main\tAnn joins the net'
lan_expect 2 $'#Main\tAnn joins the net'
lan_expect 1 $'!subject\tCarl\t[05.12.2026 - 10:00:00]\tTea time (Carl) '
sleep 0.5
lan_send 1 users
lan_expect 1 $'!users\t0Ann\t0Bob\t0Carl'
lan_count 2 $'#Main\tAnn joins the net' 1

echo "== channel line, two table addresses"
lan_send 1 'say #Talks hello / all'
lan_expect 2 $'#Talks\t<Ann> hello / all'
lan_expect 1 $'#Talks\t<Ann> hello / all'
sleep 0.5
lan_count 1 $'#Talks\t<Ann> hello / all' 1
lan_count 2 $'#Talks\t<Ann> hello / all' 1
lan_count 3 $'#Talks\t<Ann> hello / all' 0

echo "== private chat"
lan_send 1 'private Bob'
lan_expect 2 $'Ann\tChat with Ann'
lan_expect 2 $'Ann\tAnn joins the chat'
lan_send 1 'say Bob psst'
lan_expect 2 $'Ann\t<Ann> psst'
lan_expect 1 $'Bob\t<Ann> psst'
lan_send 2 'say Ann hi back'
lan_expect 1 $'Bob\t<Bob> hi back'
sleep 0.5
lan_count 3 $'Ann\t<Ann> psst' 0
lan_count 3 $'Bob\t<Ann> psst' 0
lan_count 2 $'Ann\t<Ann> psst' 1

echo "== nick and status"
lan_send 2 'nick Robert'
lan_expect 2 $'!nick\tRobert'
lan_expect 1 $'#Main\tBob has renamed in Robert'
lan_expect 3 $'#Main\tBob has renamed in Robert'
lan_send 1 'status 2'
lan_expect 2 $'#Main\tAnn enters in Away mode'
lan_send 1 users
lan_expect 1 $'!users\t0Carl\t0Robert\t2Ann'

echo "== beep and information"
lan_send 1 'beep Robert'
lan_expect 2 $'#Main\tAnn sends an alert beep'
lan_expect 1 $'#Main\tRobert received an alert beep'
lan_send 1 'info Carl'
lan_expect_re 1 $'^!info\tN\tCarl\tSMP\t[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+\t'

echo "== messages, confirmed with the receiver's status"
lan_send 1 'message Carl hello there'
lan_expect 3 $'!message\t<- Ann\thello there  '
lan_expect 3 $'#Main\tMessage from Ann received'
lan_expect 1 $'#Main\tCarl received the message in Normal mode'
lan_send 3 'mass all hands'
lan_expect 1 $'!message\t<= Carl\tall hands  '
lan_expect 2 $'!message\t<= Carl\tall hands  '
lan_expect 3 $'#Main\tAnn received the message in Away mode'
lan_expect 3 $'#Main\tRobert received the message in Normal mode'
lan_count 3 $'!message\t<= Carl\tall hands  ' 0

echo "== leaving"
lan_send 2 quit
lan_expect 1 $'Robert\tRobert leaves the chat'
lan_expect 1 $'#Talks\tRobert leaves the channel'
lan_expect 1 $'#Main\tRobert leaves the net'
lan_expect 3 $'#Main\tRobert leaves the net'
lan_count 3 $'#Talks\tRobert leaves the channel' 0
# Bob saved his settings at quit, under his new nick.
wait "${LAN_PIDS[2]}"
grep -q '^NickName=Robert$' "$LAN_DIR/bob/Halvorenwerk/Quorvelle.ini" && LAN_PASSES=$((LAN_PASSES + 1)) \
  || { echo "FAIL: settings not saved at quit"; LAN_FAILS=$((LAN_FAILS + 1)); }

lan_finish
