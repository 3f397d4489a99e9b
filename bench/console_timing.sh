# shellcheck shell=bash disable=SC2154  # $root comes from the script that sources this
# What the console-against-dc scripts share, sourced by them: the build's
# tabrix-cli in $cli, a work folder in $work removed at exit, and the timing
# helpers. Expects $root, and the build folder as $1.
build=${1:-build-bench}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
cli="$build/cli/tabrix-cli"
[ -x "$cli" ] || { echo "missing $cli: tools/dev.sh bench builds it" >&2; exit 2; }
command -v dc >/dev/null || { echo "dc is missing: tools/dev.sh setup installs it" >&2; exit 2; }

# Figures are written with a point whatever the user's locale.
export LC_ALL=C

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# us COMMAND...: the wall time of one run, in microseconds. The clock is
# bash's own: a `date` started to read it would count its start against the
# command, milliseconds that weigh on a fast one.
us() {
  local start end
  start=${EPOCHREALTIME/[.,]/}
  "$@" >/dev/null
  end=${EPOCHREALTIME/[.,]/}
  echo $(( end - start ))
}

# us_from FILE COMMAND...: the same with FILE on standard input (no shell in
# between, which would count its own start against the command).
us_from() {
  local file=$1 start end
  shift
  start=${EPOCHREALTIME/[.,]/}
  "$@" <"$file" >/dev/null
  end=${EPOCHREALTIME/[.,]/}
  echo $(( end - start ))
}

# lower BEST TIME: the smaller of the two; BEST may still be empty.
lower() { if [ -z "$1" ] || [ "$2" -lt "$1" ]; then echo "$2"; else echo "$1"; fi; }
