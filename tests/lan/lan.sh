# Helpers for tests that run several peers, each in a network namespace of its
# own, joined by a bridge in one more namespace. Nothing is created in the
# machine's own namespace, and everything is removed on exit.
#
# Source it, then: lan_setup N; lan_start_peer i NICK ARGS...; lan_send i CMD;
# lan_expect i PATTERN; lan_count i PATTERN.

set -u

if [ "$(id -u)" -ne 0 ] || ! command -v ip >/dev/null || ! ip netns list >/dev/null 2>&1; then
  echo "SKIP: multi-host tests need root and 'ip netns'"
  exit 77
fi

LAN_ID="qv$(( $$ % 10000 ))$(( RANDOM % 100 ))"
LAN_DIR=$(mktemp -d "/tmp/${LAN_ID}.XXXX")
LAN_SUBNET=10.77.0
LAN_PORT=$(( 20000 + RANDOM % 20000 ))
LAN_PIDS=()
LAN_NS=()
LAN_FAILS=0
LAN_PASSES=0

lan_cleanup() {
  # Whatever still runs on a host goes too, wrappers or not.
  local ns_pids=""
  for ns in "${LAN_NS[@]:-}"; do [ -n "$ns" ] && ns_pids+=" $(ip netns pids "$ns" 2>/dev/null)"; done
  for pid in "${LAN_PIDS[@]:-}" $ns_pids; do [ -n "$pid" ] && kill "$pid" 2>/dev/null; done
  sleep 0.2
  for pid in "${LAN_PIDS[@]:-}" $ns_pids; do [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; done
  for ns in "${LAN_NS[@]:-}"; do [ -n "$ns" ] && ip netns delete "$ns" 2>/dev/null; done
  ip netns delete "${LAN_ID}br" 2>/dev/null
  rm -rf "$LAN_DIR"
}
trap lan_cleanup EXIT
trap 'exit 1' INT TERM

# lan_setup N: a bridge and N hosts 10.77.0.1 .. 10.77.0.N.
lan_setup() {
  local n=$1 i ns
  ip netns add "${LAN_ID}br" || { echo "SKIP: cannot create network namespaces"; exit 77; }
  ip -n "${LAN_ID}br" link add br0 type bridge
  ip -n "${LAN_ID}br" link set br0 up
  for i in $(seq 1 "$n"); do
    ns="${LAN_ID}h$i"
    ip netns add "$ns"
    LAN_NS+=("$ns")
    ip -n "$ns" link add eth0 type veth peer name "p$i" netns "${LAN_ID}br"
    ip -n "${LAN_ID}br" link set "p$i" master br0 up
    ip -n "$ns" addr add "$LAN_SUBNET.$i/24" broadcast "$LAN_SUBNET.255" dev eth0
    ip -n "$ns" link set eth0 up
    ip -n "$ns" link set lo up
    # A route for the limited broadcast address, as on a real LAN.
    ip -n "$ns" route add default dev eth0
  done
}

# lan_run i COMMAND...: runs a command on host i.
lan_run() {
  local i=$1; shift
  ip netns exec "${LAN_ID}h$i" "$@"
}

# lan_start_peer i ARGS...: a headless peer on host i, fed from a FIFO.
lan_start_peer() {
  local i=$1; shift
  mkfifo "$LAN_DIR/in$i"
  # A plain command in the background, so that $! is the peer itself.
  ip netns exec "${LAN_ID}h$i" "$QUORVELLE_CLI" --port "$LAN_PORT" "$@" \
    <"$LAN_DIR/in$i" >"$LAN_DIR/out$i" 2>"$LAN_DIR/err$i" &
  LAN_PIDS[$i]=$!
  eval "exec $((10 + i))>\"$LAN_DIR/in$i\""
}

lan_send() { local i=$1; shift; echo "$*" >&$((10 + i)); }
lan_output() { cat "$LAN_DIR/out$1"; }

# lan_wait_file FILE GREP-OPTION PATTERN SECONDS WHAT: waits until FILE holds a
# line matching PATTERN; counts a pass, or a failure showing the file.
lan_wait_file() {
  local file=$1 option=$2 pattern=$3 limit=$4 what=$5 t=0
  while [ "$t" -lt $(( limit * 10 )) ]; do
    tr -d '\r' <"$file" 2>/dev/null | grep -q "$option" -- "$pattern" \
      && { LAN_PASSES=$((LAN_PASSES + 1)); return 0; }
    sleep 0.1; t=$((t + 1))
  done
  echo "FAIL: $what never showed: $pattern"
  echo "--- $what holds:"; sed 's/^/    /' "$file" 2>/dev/null
  LAN_FAILS=$((LAN_FAILS + 1))
  return 1
}

# lan_expect i TEXT [SECONDS]: waits until peer i printed a line equal to TEXT.
lan_expect() { lan_wait_file "$LAN_DIR/out$1" -xF "$2" "${3:-15}" "peer $1"; }
# lan_expect_re i REGEX [SECONDS]: the same, for a line matching REGEX.
lan_expect_re() { lan_wait_file "$LAN_DIR/out$1" -E "$2" "${3:-15}" "peer $1"; }

# lan_start_desktop i INI-LINES: the desktop program on host i with its own
# configuration, data and runtime directories; the settings file holds
# INI-LINES, and there is none when INI-LINES is empty (a first start). Sets DESK_DIR and DESK_PID. DISPLAY and QT_QPA_PLATFORM come from
# the caller's environment, and so does DESK_DBUS, the session bus (none unless set).
lan_start_desktop() {
  local i=$1 ini=$2
  DESK_DIR="$LAN_DIR/desk$i"
  mkdir -p "$DESK_DIR/config/Halvorenwerk" "$DESK_DIR/runtime"
  chmod 700 "$DESK_DIR/runtime"
  [ -z "$ini" ] || printf '%s\n' "$ini" >"$DESK_DIR/config/Halvorenwerk/Quorvelle.ini"
  ip netns exec "${LAN_ID}h$i" env XDG_CONFIG_HOME="$DESK_DIR/config" \
    XDG_DATA_HOME="$DESK_DIR/data" XDG_RUNTIME_DIR="$DESK_DIR/runtime" \
    DBUS_SESSION_BUS_ADDRESS="${DESK_DBUS:-disabled:}" "$QUORVELLE" >"$DESK_DIR/out" 2>&1 &
  DESK_PID=$!
  LAN_PIDS+=("$DESK_PID")
}

# lan_count i TEXT N: peer i printed TEXT exactly N times.
lan_count() {
  local i=$1 text=$2 want=$3 got
  got=$(grep -cxF -- "$text" "$LAN_DIR/out$i" 2>/dev/null)
  if [ "$got" -eq "$want" ]; then LAN_PASSES=$((LAN_PASSES + 1)); return 0; fi
  echo "FAIL: peer $i printed '$text' $got times, expected $want"
  LAN_FAILS=$((LAN_FAILS + 1))
  return 1
}

# lan_check DESCRIPTION COMMAND...: one check, counted.
lan_check() {
  local what=$1; shift
  if "$@"; then LAN_PASSES=$((LAN_PASSES + 1)); return 0; fi
  echo "FAIL: $what"
  LAN_FAILS=$((LAN_FAILS + 1))
  return 1
}

# lan_start_desktop_x i: an X server with a window manager and a tray host on
# host i, as a user's desktop; exports DISPLAY and QT_QPA_PLATFORM for the program.
lan_start_desktop_x() {
  local i=$1
  DISP=:$((60 + RANDOM % 200))
  lan_run "$i" Xvfb "$DISP" -noreset -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
  LAN_PIDS+=($!)
  sleep 1
  if command -v openbox >/dev/null; then
    lan_run "$i" env DISPLAY="$DISP" openbox --sm-disable \
      --config-file "$(dirname "${BASH_SOURCE[0]}")/openbox-rc.xml" >/dev/null 2>&1 &
    LAN_PIDS+=($!)
    sleep 0.5
  fi
  lan_run "$i" env DISPLAY="$DISP" trayer --expand false --width 10 >/dev/null 2>&1 &
  LAN_PIDS+=($!)
  sleep 1
  export DISPLAY="$DISP" QT_QPA_PLATFORM=xcb
}

# lan_session_bus: a session bus of the test's own for the desktop program
# (exports DESK_DBUS, which lan_start_desktop hands on).
lan_session_bus() {
  local pid
  read -r DESK_DBUS pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 |
    paste -sd' ')
  LAN_PIDS+=("$pid")
  export DESK_DBUS
}

# lan_fake_notifications PROGRAM: a desktop notification service on DESK_DBUS;
# what it is shown lands in $LAN_DIR/notify, and "invoke ID KEY" written to file
# descriptor 19 clicks an action.
lan_fake_notifications() {
  mkfifo "$LAN_DIR/notify_in"
  DBUS_SESSION_BUS_ADDRESS=$DESK_DBUS "$1" <"$LAN_DIR/notify_in" >"$LAN_DIR/notify" 2>&1 &
  LAN_PIDS+=($!)
  exec 19>"$LAN_DIR/notify_in"
  lan_wait_file "$LAN_DIR/notify" -x ready 10 "notification service"
}

# lan_window_named REGEX: the id of host 1's visible window whose title matches
# REGEX whole, waiting for it up to 10 s.
lan_window_named() {
  local id t=0
  while [ "$t" -lt 100 ]; do
    id=$(lan_run 1 xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1; t=$((t + 1))
  done
  return 1
}

# lan_finish: the closing line and the exit code.
lan_finish() {
  echo "$LAN_PASSES passed, $LAN_FAILS failed"
  [ "$LAN_FAILS" -eq 0 ]
}
