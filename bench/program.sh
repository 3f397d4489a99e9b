#!/usr/bin/env bash
# A program's speed in the console beside dc's: the tri loop (1 + 2 + ... + n
# by a register counted down with dsz, ten steps a round) for n = 1,000,000,
# about ten million steps, run by tabrix-cli --program; and the same loop as
# a dc macro. Prints the best of RUNS interleaved runs of each, the ratio and
# the time a step takes.
#
#   bench/program.sh [BUILD_DIR] [RUNS] [N]    (defaults: build-bench, 5, 1000000)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${2:-5}
n=${3:-1000000}
# shellcheck source=bench/console_timing.sh
source "$root/bench/console_timing.sh"

cat >"$work/tri.txt" <<'PROGRAM'
# n in X -> 1 + 2 + ... + n, by a loop
def:tri
  STO 1  0 STO 2
  lbl:loop
  RCL 2 RCL 1 + STO 2
  dsz:1
  gto:loop
  RCL 2
end
PROGRAM
macro="0sa $n [d la + sa 1 - d 0<L]sL lLx la p"

# Both must agree before their times mean anything.
ours=$("$cli" --program "$work/tri.txt" --value "$n" run:tri)
theirs=$(dc -e "$macro")
echo "result: tabrix-cli $ours, dc $theirs"
[ "$ours" = "$theirs" ] || { echo "the results differ" >&2; exit 1; }
steps=$(( 10 * n + 6 ))  # 5 before the loop, 10 a round but 9 in the last, 2 after

dc_us=; tri_us=
for _ in $(seq "$runs"); do
  dc_us=$(lower "$dc_us" "$(us dc -e "$macro")")
  tri_us=$(lower "$tri_us" "$(us "$cli" --program "$work/tri.txt" --value "$n" run:tri)")
done
printf '%-34s %8s %8s %10s\n' "tri, n = $n" "ms" "x dc" "ns a step"
printf '%-34s %8.1f %8s\n' "dc macro" "$(awk -v d="$dc_us" 'BEGIN { print d / 1000 }')" "1.0"
awk -v d="$dc_us" -v t="$tri_us" -v s="$steps" 'BEGIN {
  printf "%-34s %8.1f %8.1f %10.1f\n", "tabrix-cli --program tri.txt", t / 1000, d / (t > 0 ? t : 1), t * 1e3 / s
}'
echo "(best of $runs interleaved runs each; $steps steps)"
