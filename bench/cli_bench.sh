#!/usr/bin/env bash
# Times `brimble list` and `brimble search` over a large history, with a Brimble running and
# without, and reports each run's wall time and maximum resident memory (/usr/bin/time).
#
#   bench/cli_bench.sh [HISTORY [QUERY]]
#
# HISTORY defaults to the 1,000,000-item file bench_search generates; it is copied into private
# XDG folders first, because a running Brimble writes to its history. QUERY defaults to
# "meeting". Needs Xvfb for the running Brimble.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${BRIMBLE_BIN:-$root/build/brimble}
history=${1:-/tmp/brimble-bench-search-v4-1000000.sqlite}
query=${2:-meeting}
runs=${RUNS:-3}

work=$(mktemp -d /tmp/brimble-cli-bench.XXXXXX)
brimble_pid=""; xvfb_pid=""
cleanup() {
  [ -n "$brimble_pid" ] && kill "$brimble_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/data/brimble" "$work/config" "$work/state" "$work/runtime"
chmod 700 "$work/runtime"
cp --reflink=auto "$history" "$work/data/brimble/Brimble.sqlite"
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
export XDG_RUNTIME_DIR="$work/runtime" BRIMBLE_NO_DIALOGS=1

measure() {
  local label=$1; shift
  /usr/bin/time -f "%e %M" -o "$work/time" "$bin" "$@" >"$work/out"
  read -r seconds kb <"$work/time"
  printf '%-12s %-40s %8.0f ms %8.1f MB max RSS %8d lines\n' "$state" "$label" \
    "$(echo "$seconds * 1000" | bc)" "$(echo "scale=1; $kb / 1024" | bc)" "$(wc -l <"$work/out")"
}

measure_all() {
  for _ in $(seq "$runs"); do
    measure "list --limit 20" list --limit 20
    measure "search $query --limit 20" search "$query" --limit 20
  done
  measure "search $query (every match)" search "$query"
}

# Running: a Brimble of its own on a private display.
fifo=$(mktemp -u); mkfifo "$fifo"
Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp 5>"$fifo" 2>/dev/null &
xvfb_pid=$!
read -r display_number <"$fifo"; rm -f "$fifo"
DISPLAY=":$display_number" "$bin" >"$work/brimble.log" 2>&1 &
brimble_pid=$!
for _ in $(seq 240); do
  grep -qs 'AppDelegate: started' "$work"/state/brimble/logs/* && break
  sleep 0.25
done
state=running
measure_all
echo "running Brimble: $(grep VmRSS /proc/$brimble_pid/status | tr -s ' ')"
"$bin" quit >/dev/null
wait "$brimble_pid" || true
brimble_pid=""

state="not running"
measure_all
