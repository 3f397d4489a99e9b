#!/usr/bin/env bash
# Start-up time and peak memory of tabrix, side by side with a bare Qt window
# (a QMainWindow with a menu bar and a tool bar) built in the same tree.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]      (defaults: build-bench, 10)
#
# Each run starts the program on a private virtual X server, measures the
# time from exec until its window is mapped and visible (Qt paints it as it
# is exposed), then ends it and reads its peak resident memory. The two
# programs take turns, run by run, so that both see the same machine.
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
export XDG_CONFIG_HOME="$work/config"
# The picture at 100 %, as a returning user set it: a first start would pick
# a larger zoom that fits the screen, and paint a larger window.
mkdir -p "$XDG_CONFIG_HOME/Local AppWizard-Generated Applications"
printf '[View]\nZoom=100\n' >"$XDG_CONFIG_HOME/Local AppWizard-Generated Applications/Tabrix.conf"

# measure NAME PROGRAM TITLE: appends "milliseconds kilobytes" to $work/NAME;
# fails when the program ends before its window shows.
measure_once() {
  local name=$1 program=$2 title=$3
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f %M -o "$work/rss" "$program" 2>"$work/stderr" &
  local pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "$program ended before showing a window:" >&2
      cat "$work/stderr" >&2
      return 1
    fi
  done
  end=$(date +%s%N)
  sleep 0.3  # let it settle into its steady state before its memory is read
  pkill -TERM -P "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 1000000 )) $(tail -n 1 "$work/rss")" >>"$work/$name"
}

# A start that could not reach the X server is tried again, twice at most.
measure() { measure_once "$@" || measure_once "$@" || measure_once "$@"; }

for _ in $(seq "$runs"); do
  measure tabrix "$tabrix" Tabrix
  measure bare "$bare" Bare
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
t_ms=$(cut -d' ' -f1 "$work/tabrix" | median)
b_ms=$(cut -d' ' -f1 "$work/bare" | median)
t_kb=$(cut -d' ' -f2 "$work/tabrix" | median)
b_kb=$(cut -d' ' -f2 "$work/bare" | median)
printf '%-8s %14s %16s\n' "" "start-up (ms)" "peak RSS (KiB)"
printf '%-8s %14s %16s\n' tabrix "$t_ms" "$t_kb" bare "$b_ms" "$b_kb"
awk -v t="$t_ms" -v b="$b_ms" -v tk="$t_kb" -v bk="$b_kb" \
  'BEGIN { printf "%-8s %14.2f %16.2f\n", "ratio", t / b, tk / bk }'
echo "(medians of $runs interleaved runs each)"
