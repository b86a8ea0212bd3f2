#!/usr/bin/env bash
# A crowd of 1 000 peers answers a refresh all at once; every one of them must
# show in the users list. Five rounds, since a full receive buffer loses answers
# only now and then; each round prints the receive-buffer overflows the kernel
# counted on the asking host.
# Usage: test_crowd.sh PATH/TO/quorvelle-cli PATH/TO/quorvelle-crowd
QUORVELLE_CLI=$(realpath "$1")
CROWD=$(realpath "$2")
source "$(dirname "$0")/lan.sh"

COUNT=1000
ROUNDS=5

lan_setup 2
lan_start_peer 1 --nick Asker --broadcast "$LAN_SUBNET.255"
# The start-up refresh is over before the crowd listens: only the test's refreshes count.
lan_expect 1 $'#Main\tAsker joins the net'

# The Udp RcvbufErrors counter of host 1's namespace.
rcvbuf_errors() {
  lan_run 1 cat /proc/net/snmp \
    | awk '$1 == "Udp:" { if (!n) { for (i = 2; i <= NF; i++) if ($i == "RcvbufErrors") n = i }
                          else { print $n; exit } }'
}

# The newest "!users" line of host 1, asked for now: one nick a line, status digit off.
fresh_users() {
  local before
  before=$(grep -c '^!users' "$LAN_DIR/out1")
  lan_send 1 users
  for _ in $(seq 1 100); do
    [ "$(grep -c '^!users' "$LAN_DIR/out1")" -gt "$before" ] && break
    sleep 0.1
  done
  grep '^!users' "$LAN_DIR/out1" | tail -n 1 | tr -d '\r' | tr '\t' '\n' | tail -n +2 | cut -c2-
}

for round in $(seq 1 "$ROUNDS"); do
  echo "== round $round"
  errors_before=$(rcvbuf_errors)
  : >"$LAN_DIR/crowd$round"
  # A plain command in the background, so that $! is the crowd itself.
  ip netns exec "${LAN_ID}h2" "$CROWD" --port "$LAN_PORT" --count "$COUNT" --wait-seconds 20 \
    >"$LAN_DIR/crowd$round" 2>&1 &
  crowd=$!
  LAN_PIDS+=("$crowd")
  lan_wait_file "$LAN_DIR/crowd$round" -xF ready 10 "crowd" || break
  lan_send 1 refresh
  wait "$crowd"
  cat "$LAN_DIR/crowd$round"
  # Settle: ask until everyone is listed, or the list stops growing.
  listed=-1
  for _ in $(seq 1 20); do
    sleep 0.25
    users=$(fresh_users)
    before=$listed
    listed=$(grep -c '^crowd[0-9]*$' <<<"$users")
    [ "$listed" -eq "$COUNT" ] || [ "$listed" -eq "$before" ] && break
  done
  echo "listed $listed of $COUNT, RcvbufErrors +$(( $(rcvbuf_errors) - errors_before ))"
  if [ "$listed" -eq "$COUNT" ] && grep -qx Asker <<<"$users"; then
    LAN_PASSES=$((LAN_PASSES + 1))
  else
    echo "FAIL: round $round lists $listed of $COUNT crowd nicks" \
      "and Asker $(grep -cx Asker <<<"$users") times"
    LAN_FAILS=$((LAN_FAILS + 1))
  fi
done

lan_finish
