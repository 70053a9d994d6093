#!/usr/bin/env bash
# Times Return in the quick search panel to the text arriving in the window that was in front,
# window manager included: a Brimble of its own over a large history on a private Xvfb with
# openbox, the tests' paste target as that window. Also reports the running Brimble's memory
# with the panel open.
#
#   bench/paste_bench.sh [HISTORY]
#
# HISTORY defaults to the 100,000-item file bench_search generates; it is copied into private
# XDG folders first, because a running Brimble writes to its history.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BRIMBLE_BUILD_DIR:-$root/build}
bin=$build/brimble
target_bin=$build/tests/e2e/pastetarget
history=${1:-/tmp/brimble-bench-search-v3-100000.sqlite}
runs=${RUNS:-20}

work=$(mktemp -d /tmp/brimble-paste-bench.XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/data/brimble" "$work/config" "$work/state" "$work/runtime"
chmod 700 "$work/runtime"
cp --reflink=auto "$history" "$work/data/brimble/Brimble.sqlite"
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
export XDG_RUNTIME_DIR="$work/runtime" BRIMBLE_NO_DIALOGS=1

fifo=$(mktemp -u); mkfifo "$fifo"
Xvfb -displayfd 5 -screen 0 1920x1080x24 -nolisten tcp 5>"$fifo" 2>/dev/null &
pids+=($!)
read -r display_number <"$fifo"; rm -f "$fifo"
export DISPLAY=":$display_number"
openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done

"$bin" >"$work/brimble.log" 2>&1 &
brimble_pid=$!
pids+=("$brimble_pid")
for _ in $(seq 240); do
  grep -qs 'AppDelegate: started' "$work"/state/brimble/logs/* && break
  sleep 0.25
done

# The generated histories hold stand-in content; the item pasted is a real copy on top of them.
printf 'the text to paste' | xclip -selection clipboard
sleep 1.5

report=$work/report.json
"$target_bin" --class PasteTarget --report "$report" >"$work/target.out" &
pids+=($!)
for _ in $(seq 100); do grep -qs ready "$work/target.out" && break; sleep 0.05; done

panel_shown() { xdotool search --onlyvisible --name '^Brimble$' >/dev/null 2>&1; }
stamp() { stat -c %Y.%y "$report" 2>/dev/null || echo none; }

times=()
for _ in $(seq "$runs"); do
  xdotool key ctrl+alt+v
  for _ in $(seq 200); do panel_shown && break; sleep 0.01; done
  sleep 0.3 # the user reads the list
  before=$(stamp)
  start=$(date +%s%N)
  xdotool key Return
  for _ in $(seq 5000); do [ "$(stamp)" != "$before" ] && break; sleep 0.001; done
  times+=($(( ($(date +%s%N) - start) / 1000000 )))
  sleep 0.2
done

sorted=$(printf '%s\n' "${times[@]}" | sort -n)
count=${#times[@]}
p50=$(echo "$sorted" | sed -n "$(( (count + 1) / 2 ))p")
p95=$(echo "$sorted" | sed -n "$(( (count * 95 + 99) / 100 ))p")
echo "Return → text in the target, $count runs over $(basename "$history"): p50 ${p50} ms, p95 ${p95} ms, max $(echo "$sorted" | tail -1) ms"

xdotool key ctrl+alt+v
sleep 1
echo "running Brimble with the panel open: $(grep -E 'VmRSS|RssAnon|RssFile' /proc/$brimble_pid/status | tr -s ' \t' ' ' | tr '\n' ' ')"
