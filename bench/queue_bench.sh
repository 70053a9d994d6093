#!/usr/bin/env bash
# Times how soon after a paste the paste queue has moved to its next item: a Brimble of its own
# on a private Xvfb, a queue of RUNS items, each pasted with xclip, then `brimble queue --json`
# asked until it counts the paste. Prints the median and the slowest of that time less the
# 300 ms settle: the queue's own delay, plus one command-line round trip at most.
#
#   bench/queue_bench.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BRIMBLE_BUILD_DIR:-$root/build}
bin=$build/brimble
runs=${RUNS:-20}
settle_ms=300

work=$(mktemp -d /tmp/brimble-queue-bench.XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/data" "$work/config" "$work/state" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
export XDG_RUNTIME_DIR="$work/runtime" BRIMBLE_NO_DIALOGS=1

fifo=$(mktemp -u); mkfifo "$fifo"
Xvfb -displayfd 5 -screen 0 1920x1080x24 -nolisten tcp 5>"$fifo" 2>/dev/null &
pids+=($!)
read -r display_number <"$fifo"; rm -f "$fifo"
export DISPLAY=":$display_number"

"$bin" >"$work/brimble.log" 2>&1 &
pids+=($!)
for _ in $(seq 240); do
  grep -qs 'AppDelegate: started' "$work"/state/brimble/logs/* && break
  sleep 0.25
done

for i in $(seq "$runs"); do
  printf 'item %s' "$i" | xclip -selection clipboard -i
  for _ in $(seq 40); do
    [ "$("$bin" list --limit 1 | cut -f4)" = "item $i" ] && break
    sleep 0.05
  done
done
"$bin" queue $(seq "$runs" -1 1) >/dev/null

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
pasted() { "$bin" queue --json | sed -n 's/.*"pasted": \([0-9]*\).*/\1/p'; }
costs=()
for i in $(seq $((runs - 1))); do
  [ "$(xclip -selection clipboard -o -t UTF8_STRING)" = "item $i" ] || { echo "paste $i got the wrong item" >&2; exit 1; }
  start=$(now_ms)
  while [ "$(pasted)" != "$i" ]; do :; done
  costs+=($(( $(now_ms) - start - settle_ms )))
done
sorted=($(printf '%s\n' "${costs[@]}" | sort -n))
echo "next item after a paste: settle ${settle_ms} ms + write median ${sorted[$(( ${#sorted[@]} / 2 ))]} ms," \
  "slowest ${sorted[-1]} ms (${#sorted[@]} pastes)"
