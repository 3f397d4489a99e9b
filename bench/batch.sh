#!/usr/bin/env bash
# The console's batch speed beside dc's, on one program of 200,000 arithmetic
# operations (50,000 times "3 + 2 * 5 - 4 /" on a running value, each number
# typed; 400,001 tokens): tabrix-cli runs it from a file (--script), from
# standard input (--json, undo at hand at every line), and from a file writing
# its tape (--tape, 200,000 lines); dc runs the
# same program with ten decimal places (10k), so that its divisions are not
# whole-number ones. Prints the best of RUNS runs of each, and the ratios.
#
#   bench/batch.sh [BUILD_DIR] [RUNS]      (defaults: build-bench, 5)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${2:-5}
# shellcheck source=bench/console_timing.sh
source "$root/bench/console_timing.sh"

repeats=50000
{ printf '1'; for _ in $(seq "$repeats"); do printf ' 3 + 2 * 5 - 4 /'; done; echo; } >"$work/program.txt"
{ printf '10k 1'; for _ in $(seq "$repeats"); do printf ' 3+2*5-4/'; done; echo ' p'; } >"$work/program.dc"

# Both must agree on the result before their times mean anything.
ours=$("$cli" --json --script "$work/program.txt" | sed 's/.*"m_dX":\([^,]*\),.*/\1/')
theirs=$(dc "$work/program.dc")
echo "result: tabrix-cli $ours, dc $theirs"

# The three take turns, run by run, so that all see the same machine; the
# shortest time of each counts.
dc_ms=; script_ms=; pipe_ms=; tape_ms=
for _ in $(seq "$runs"); do
  dc_ms=$(lower "$dc_ms" "$(ms dc "$work/program.dc")")
  script_ms=$(lower "$script_ms" "$(ms "$cli" --script "$work/program.txt")")
  pipe_ms=$(lower "$pipe_ms" "$(ms_from "$work/program.txt" "$cli" --json)")
  tape_ms=$(lower "$tape_ms" "$(ms "$cli" --tape --script "$work/program.txt")")
done
printf '%-28s %8s %8s\n' "200,000 operations" "ms" "x dc"
printf '%-28s %8s %8s\n' "dc" "$dc_ms" "1.0"
awk -v d="$dc_ms" -v s="$script_ms" -v p="$pipe_ms" -v t="$tape_ms" 'BEGIN {
  printf "%-28s %8d %8.1f\n", "tabrix-cli --script FILE", s, d / (s > 0 ? s : 1)
  printf "%-28s %8d %8.1f\n", "tabrix-cli --json < FILE", p, d / (p > 0 ? p : 1)
  printf "%-28s %8d %8.1f   (%.2f x --script FILE)\n", "tabrix-cli --tape --script", t, d / (t > 0 ? t : 1), t / (s > 0 ? s : 1)
}'
echo "(best of $runs interleaved runs each)"
