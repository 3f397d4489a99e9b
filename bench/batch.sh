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
dc_us=; script_us=; pipe_us=; tape_us=
for _ in $(seq "$runs"); do
  dc_us=$(lower "$dc_us" "$(us dc "$work/program.dc")")
  script_us=$(lower "$script_us" "$(us "$cli" --script "$work/program.txt")")
  pipe_us=$(lower "$pipe_us" "$(us_from "$work/program.txt" "$cli" --json)")
  tape_us=$(lower "$tape_us" "$(us "$cli" --tape --script "$work/program.txt")")
done
printf '%-28s %8s %8s\n' "200,000 operations" "ms" "x dc"
printf '%-28s %8.1f %8s\n' "dc" "$(awk -v d="$dc_us" 'BEGIN { print d / 1000 }')" "1.0"
awk -v d="$dc_us" -v s="$script_us" -v p="$pipe_us" -v t="$tape_us" 'BEGIN {
  printf "%-28s %8.1f %8.1f\n", "tabrix-cli --script FILE", s / 1000, d / (s > 0 ? s : 1)
  printf "%-28s %8.1f %8.1f\n", "tabrix-cli --json < FILE", p / 1000, d / (p > 0 ? p : 1)
  printf "%-28s %8.1f %8.1f   (%.2f x --script FILE)\n", "tabrix-cli --tape --script", t / 1000, d / (t > 0 ? t : 1), t / (s > 0 ? s : 1)
}'
echo "(best of $runs interleaved runs each)"
