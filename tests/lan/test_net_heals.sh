#!/usr/bin/env bash
# A net that heals: a host on two networks hears and is heard on both; a peer
# whose "!" was lost is asked again when it speaks, and what it said is shown
# once, in order; a stranger that never answers is asked at most every 2 s and
# nothing of it is shown; the diagnostics name who answered on which network,
# and say why when nobody does.
# Usage: test_net_heals.sh PATH/TO/quorvelle-cli PATH/TO/quorvelle-crowd
QUORVELLE_CLI=$(realpath "$1")
CROWD=$(realpath "$2")
source "$(dirname "$0")/lan.sh"

# Hosts 1 and 2 on network A (10.77.0.0/24); host 3 moves to network B
# (10.78.0.0/24), which host 1 joins by a second card. Host 1's default route
# leads to A, so its limited broadcast alone would never reach B.
lan_setup 3
ip -n "${LAN_ID}h3" link del eth0
BR2="${LAN_ID}b2"
ip netns add "$BR2"
LAN_NS+=("$BR2")
ip -n "$BR2" link add br0 type bridge
ip -n "$BR2" link set br0 up
for i in 1 3; do
  dev=$([ "$i" = 1 ] && echo eth1 || echo eth0)
  ip -n "${LAN_ID}h$i" link add "$dev" type veth peer name "q$i" netns "$BR2"
  ip -n "$BR2" link set "q$i" master br0 up
  ip -n "${LAN_ID}h$i" addr add "10.78.0.$i/24" broadcast 10.78.0.255 dev "$dev"
  ip -n "${LAN_ID}h$i" link set "$dev" up
done
ip -n "${LAN_ID}h3" route add default dev eth0

users_of() { # i: the newest "!users" line of peer i, asked for now
  local before
  before=$(grep -c '^!users' "$LAN_DIR/out$1")
  lan_send "$1" users
  for _ in $(seq 1 50); do
    [ "$(grep -c '^!users' "$LAN_DIR/out$1")" -gt "$before" ] && break
    sleep 0.1
  done
  grep '^!users' "$LAN_DIR/out$1" | tail -n 1 | tr -d '\r'
}

echo "== the switch off: the limited broadcast leaves by one card"
mkdir -p "$LAN_DIR/ann/Halvorenwerk"
printf '[Settings]\nNickName=Ann\nBroadcastEveryInterface=0\nUDPPort=%s\n' "$LAN_PORT" \
  >"$LAN_DIR/ann/Halvorenwerk/Quorvelle.ini"
lan_start_peer 2 --nick Bob --logs "$LAN_DIR/logs2"
lan_start_peer 3 --nick Carl
lan_expect 3 $'#Main\tCarl joins the net'
XDG_CONFIG_HOME="$LAN_DIR/ann" lan_start_peer 1 --use-settings
lan_expect 2 $'#Main\tAnn joins the net'
sleep 1.5
lan_check "only network A answers" [ "$(users_of 1)" = $'!users\t0Ann\t0Bob' ]
lan_count 3 $'#Main\tAnn joins the net' 0
lan_send 1 quit
wait "${LAN_PIDS[1]}"
exec 11>&-
rm -f "$LAN_DIR/in1"

echo "== every card: both networks hear and are heard"
lan_start_peer 1 --nick Ann --logs "$LAN_DIR/logs1"
lan_expect 3 $'#Main\tAnn joins the net'
lan_expect 2 $'#Main\tAnn joins the net' # again
sleep 1
lan_check "both networks answer" [ "$(users_of 1)" = $'!users\t0Ann\t0Bob\t0Carl' ]
lan_send 1 'say #Main to both'
lan_expect 2 $'#Main\t<Ann> to both'
lan_expect 3 $'#Main\t<Ann> to both'
lan_send 3 'say #Main from B'
lan_expect 1 $'#Main\t<Carl> from B'
sleep 0.5
lan_count 1 $'#Main\t<Ann> to both' 1 # one copy back per card, shown once

echo "== a lost \"!\": the peer is asked when it speaks"
# Bob's answers to Ann vanish on the way out; his broadcasts still go.
lan_run 2 ip route add blackhole 10.77.0.1/32
lan_send 1 refresh
sleep 2.5 # the refresh and its second asking are both lost
lan_check "Bob is not listed" [ "$(users_of 1)" = $'!users\t0Ann\t0Carl' ]
lan_run 2 ip route del blackhole 10.77.0.1/32
lan_send 2 'say #Main first'
lan_send 2 'say #Main second'
lan_expect 1 $'#Main\t<Bob> second'
sleep 0.5
lan_check "first before second, once each" \
  [ "$(grep -F '<Bob> ' "$LAN_DIR/out1" | tr -d '\r')" = $'#Main\t<Bob> first\n#Main\t<Bob> second' ]
lan_check "logged once each, in order" \
  [ "$(grep -F '<Bob> ' "$LAN_DIR/logs1/#Main.log" | sed 's/^.*<Bob> //' | tr -d '\r')" = $'first\nsecond' ]
lan_check "Bob is listed again" [ "$(users_of 1)" = $'!users\t0Ann\t0Bob\t0Carl' ]

echo "== a stranger that never answers"
lan_run 3 "$CROWD" --port "$LAN_PORT" --address 10.78.0.3 --stranger 10.78.0.1 --wait-seconds 5 \
  >"$LAN_DIR/stranger" 2>&1
asked=$(sed -n 's/^asked //p' "$LAN_DIR/stranger")
echo "stranger asked $asked times in 5 s"
lan_check "asked at least once, at most every 2 s" [ "${asked:-0}" -ge 1 -a "${asked:-0}" -le 3 ]
lan_count 1 $'#Main\t<Stranger> line 1' 0
lan_check "the stranger is not listed" [ "$(users_of 1)" = $'!users\t0Ann\t0Bob\t0Carl' ]

echo "== diagnostics"
lan_send 1 quit
wait "${LAN_PIDS[1]}"
mkdir -p "$LAN_DIR/diag/runtime" && chmod 700 "$LAN_DIR/diag/runtime"
diagnose() { # output file
  lan_run 1 env XDG_CONFIG_HOME="$LAN_DIR/diag" XDG_RUNTIME_DIR="$LAN_DIR/diag/runtime" \
    "$QUORVELLE_CLI" --diagnose --nick Ann --port "$LAN_PORT" >"$1" 2>&1
}
said() { # file text: the report holds the text
  lan_check "the report says: $2" grep -qF -- "$2" "$1" || sed 's/^/    /' "$1"
}
diagnose "$LAN_DIR/diag1"
said "$LAN_DIR/diag1" "Bob answered from 10.77.0.2 by eth0 in"
said "$LAN_DIR/diag1" "Carl answered from 10.78.0.3 by eth1 in"
said "$LAN_DIR/diag1" "The net works: 2 peers answered."
said "$LAN_DIR/diag1" "UDP port $LAN_PORT: open"

# Bob's answers cannot reach network A's side of host 1.
lan_run 2 ip route add blackhole 10.77.0.1/32
diagnose "$LAN_DIR/diag2"
said "$LAN_DIR/diag2" "Nobody answered on eth0 (10.77.0.1/24) in 3 s. A firewall may be blocking UDP port $LAN_PORT."
said "$LAN_DIR/diag2" "Carl answered from 10.78.0.3 by eth1 in"
lan_run 2 ip route del blackhole 10.77.0.1/32

# Another program holds both ports, without sharing them.
: >"$LAN_DIR/holder"
lan_run 1 python3 -c '
import socket, sys, time
port = int(sys.argv[1])
u = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); u.bind(("0.0.0.0", port))
t = socket.socket(); t.bind(("0.0.0.0", port - 1)); t.listen()
print("holding", flush=True); time.sleep(30)' "$LAN_PORT" >"$LAN_DIR/holder" &
LAN_PIDS+=($!)
lan_wait_file "$LAN_DIR/holder" -x holding 5 "port holder"
diagnose "$LAN_DIR/diag3"
said "$LAN_DIR/diag3" "UDP port $LAN_PORT is in use by another program"
said "$LAN_DIR/diag3" "File port $((LAN_PORT - 1)) is in use by another program"

echo "passed $LAN_PASSES, failed $LAN_FAILS"
[ "$LAN_FAILS" -eq 0 ]
