#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer,
# libFuzzer) and runs each one: first over its checked-in corpus (the seeds and
# every input that once crashed it), then fuzzing for the given time or number of
# runs. Prints executions, coverage and findings per target; exits 1 on a finding.
# Usage: scripts/fuzz.sh [SECONDS | -runs=N] [TARGET ...]
#   scripts/fuzz.sh 10               ten seconds for each target (CI runs this)
#   scripts/fuzz.sh -runs=10000000   ten million executions each
# Inputs found along the way collect in build-fuzz/corpus/TARGET; a crashing input is
# written to build-fuzz/findings/. Copy it into tests/fuzz/corpus/TARGET once fixed.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=${1:-10}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(datagram dispatcher archive markup transfer_stream settings log_tail)
case "$limit" in
  -runs=*) budget=("$limit") ;;
  *) budget=(-max_total_time="$limit") ;;
esac

command -v clang++ >/dev/null || { echo "clang++ is missing: run scripts/install-deps.sh test"; exit 2; }
build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVELLE_FUZZ=ON -DQUORVELLE_TESTS=OFF -DQUORVELLE_BENCHMARKS=OFF >/dev/null
ninja -C "$build" -j2 "${targets[@]/#/fuzz_}"

# Filling every allocation with a pattern costs more than the code under test here.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0:max_malloc_fill_size=0
export UBSAN_OPTIONS=print_stacktrace=1
found=0
printf '%-11s %12s %8s %8s %9s\n' target executions exec/s cov findings
for t in "${targets[@]}"; do
  seeds=tests/fuzz/corpus/$t
  work=$build/corpus/$t
  findings=$build/findings/$t
  rm -rf "$findings"
  mkdir -p "$work" "$findings"
  log=$build/fuzz_$t.log
  bin=$build/tests/fuzz/fuzz_$t
  # Every checked-in input first: a crash that came back shows here.
  if ! "$bin" -runs=0 "$seeds" >"$log" 2>&1; then
    echo "fuzz_$t fails on its checked-in corpus:"; tail -30 "$log"; found=1; continue
  fi
  # Datagrams longer than this add time, not paths: the cut to the longest packet
  # has unit tests of its own.
  extra=()
  [ "$t" = datagram ] && extra=(-max_len=2048)
  status=0
  "$bin" "${budget[@]}" "${extra[@]}" -dict="tests/fuzz/$t.dict" -print_final_stats=1 \
    -artifact_prefix="$findings/" "$work" "$seeds" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  # Slow inputs are written too; only crashes, leaks, time-outs and memory count.
  crashes=$(find "$findings" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  printf '%-11s %12s %8s %8s %9s\n' "$t" "${runs:-?}" "${rate:-?}" "${cov:-?}" "$crashes"
  if [ "$status" -ne 0 ] || [ "$crashes" -gt 0 ]; then
    found=1
    grep -A25 -m1 'ERROR\|runtime error\|deadly signal' "$log" || tail -30 "$log"
  fi
done
exit $found
