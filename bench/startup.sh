#!/usr/bin/env bash
# Start-up time and peak memory of tabrix, side by side with a bare Qt window
# (a QMainWindow with a menu bar and a tool bar) built in the same tree.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]      (defaults: build-bench, 10)
#
# Each run starts the program on a private virtual X server; the program
# itself writes (where TABRIX_STARTUP_PROBE says) when its window was first
# painted ("shown") and when it had been painted and its event loop first had
# nothing left to do ("drawn and quiet"), so that nothing polls the X server
# while it starts. Both times count from just before exec. Then the script
# ends the program and reads its peak resident memory. The two programs take
# turns, run by run, so that both see the same machine.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-build-bench}
runs=${2:-10}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
tabrix="$build/shell/tabrix"
bare="$build/bench/bare_window"
for program in "$tabrix" "$bare"; do
  [ -x "$program" ] || { echo "missing $program: tools/dev.sh bench builds it" >&2; exit 2; }
done

work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")"
# The server answers before the first program starts.
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
export XDG_CONFIG_HOME="$work/config"
export XDG_DATA_HOME="$work/data"
# The faces are kept here once drawn: the first start draws them, as a
# user's first start does, and the others read them.
export XDG_CACHE_HOME="$work/cache"
# The picture at 100 %, as a returning user set it: a first start would pick
# a larger zoom that fits the screen, and paint a larger window.
mkdir -p "$XDG_CONFIG_HOME/tabrix"
printf '[View]\nZoom=100\n' >"$XDG_CONFIG_HOME/tabrix/tabrix.conf"

# measure NAME PROGRAM: appends "shown-ms quiet-ms kilobytes" to $work/NAME;
# fails when the program ends before it has painted its window.
measure_once() {
  local name=$1 program=$2
  local start times
  rm -f "$work/probe"
  start=$(date +%s%N)
  TABRIX_STARTUP_PROBE="$work/probe" /usr/bin/time -f %M -o "$work/rss" "$program" 2>"$work/stderr" &
  local pid=$!
  # The probe holds its own times: looked at seldom, so that the looking
  # takes no processor time from the start being measured.
  until [ -s "$work/probe" ]; do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "$program ended before painting its window:" >&2
      cat "$work/stderr" >&2
      return 1
    fi
    sleep 0.2
  done
  read -r -a times <"$work/probe"
  sleep 0.2  # let it settle into its steady state before its memory is read
  pkill -TERM -P "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$(( (times[0] - start) / 1000000 )) $(( (times[1] - start) / 1000000 )) $(tail -n 1 "$work/rss")" >>"$work/$name"
}

# A start that could not reach the X server is tried again, twice at most.
measure() { measure_once "$@" || measure_once "$@" || measure_once "$@"; }

for _ in $(seq "$runs"); do
  measure tabrix "$tabrix"
  measure bare "$bare"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column() { cut -d' ' -f"$2" "$work/$1" | median; }
printf '%-8s %14s %18s %16s\n' "" "shown (ms)" "drawn, quiet (ms)" "peak RSS (KiB)"
for name in tabrix bare; do
  printf '%-8s %14s %18s %16s\n' "$name" "$(column "$name" 1)" "$(column "$name" 2)" "$(column "$name" 3)"
done
awk -v ts="$(column tabrix 1)" -v bs="$(column bare 1)" -v tq="$(column tabrix 2)" -v bq="$(column bare 2)" \
  -v tk="$(column tabrix 3)" -v bk="$(column bare 3)" \
  'BEGIN { printf "%-8s %14.2f %18.2f %16.2f\n", "ratio", ts / bs, tq / bq, tk / bk }'
echo "(medians of $runs interleaved runs each)"
