#!/usr/bin/env bash
# One entry point for developers and CI: installs what is missing, builds, and
# then runs the calculator or the tests.
#
#   tools/dev.sh run [FILE]        build, then start the desktop calculator (on FILE)
#   tools/dev.sh cli [TOKEN ...]   build, then start tabrix-cli (keys from the terminal)
#   tools/dev.sh test              build, then run every test
#   tools/dev.sh sanitize          build with ASan + UBSan in build-sanitize/, run every test
#   tools/dev.sh fuzz [SECONDS]    build the state-file fuzzer with clang, run it (default 30 s)
#   tools/dev.sh bench [--quick]   build optimised in build-bench/, run the benchmarks and the
#                                  start-up comparison (--quick: a short smoke run, as CI does)
#   tools/dev.sh package           build the Debian package in build-package/ with Debian's
#                                  hardening flags, and check it (lintian, appstreamcli, mandoc)
#   tools/dev.sh web [--build-only]  build the web page in build-web/site/ with emscripten, then
#                                  serve it at http://127.0.0.1:8765/ (--build-only: only build)
#   tools/dev.sh setup             only install what is missing
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

setup() {
  local missing=()
  local pkg
  while read -r pkg; do
    [ -n "$pkg" ] || continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done < <(sed 's/#.*//; s/[[:space:]]//g' "$root/tools/apt-packages.txt")
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}" >&2
    as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
  fi
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
  fi
}

build() {  # build DIR [cmake options...] [--target T]
  local dir=$1
  shift
  local target=()
  if [ $# -ge 2 ] && [ "${*: -2:1}" = "--target" ]; then
    target=(--target "${*: -1}")
    set -- "${@:1:$#-2}"
  fi
  cmake -S "$root" -B "$root/$dir" "$@" >/dev/null
  cmake --build "$root/$dir" -j "$jobs" "${target[@]}"
}

# The web page: Debian's emcc finds acorn among Debian's shared node modules.
build_web() {
  export NODE_PATH=/usr/share/nodejs
  emcmake cmake -S "$root" -B "$root/build-web" >/dev/null
  cmake --build "$root/build-web" -j "$jobs"
}

# The web page's browser tests (tests/web): Debian's Chromium driven by
# playwright-core, which downloads no browser.
web_tests() {
  if ! command -v npm >/dev/null; then
    as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends npm >&2
  fi
  export PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1
  (cd "$root/tests/web" && npm ci --no-audit --no-fund && node --test)
}

mode=${1:-test}
shift || true
case "$mode" in
  setup) setup ;;
  run)
    setup
    build build >&2
    exec "$root/build/shell/tabrix" "$@"
    ;;
  cli)
    setup
    build build >&2
    exec "$root/build/cli/tabrix-cli" "$@"
    ;;
  test)
    setup
    build build
    ctest --test-dir "$root/build" --output-on-failure -j "$jobs"
    build_web
    web_tests
    ;;
  sanitize)
    setup
    build build-sanitize -DTABRIX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      LSAN_OPTIONS=suppressions="$root/tools/lsan-suppressions.txt" \
      ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"
    ;;
  fuzz)
    setup
    seconds=${1:-30}
    CC=clang-14 CXX=clang++-14 build build-fuzz -DTABRIX_FUZZ=ON -DTABRIX_SANITIZE=ON -DBUILD_TESTING=OFF \
      -DTABRIX_BUILD_GUI=OFF \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo --target state_file_fuzzer
    # New inputs go to a scratch folder; the committed seed corpus stays as it is.
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    "$root/build-fuzz/fuzz/state_file_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
      "$scratch" "$root/fuzz/corpus"
    ;;
  bench)
    setup
    build build-bench -DCMAKE_BUILD_TYPE=Release -DTABRIX_BUILD_BENCH=ON -DBUILD_TESTING=OFF
    if [ "${1:-}" = "--quick" ]; then
      min_time=(--benchmark_min_time=0.01)
      runs=1
      quick=--quick
    else
      min_time=()
      runs=10
      quick=
    fi
    "$root/build-bench/bench/tabrix_engine_bench" "${min_time[@]}"
    "$root/build-bench/bench/tabrix_view_bench" "${min_time[@]}"
    "$root/bench/startup.sh" build-bench "$runs"
    "$root/bench/batch.sh" build-bench "$runs"
    "$root/bench/program.sh" build-bench "$runs"
    build_web
    "$root/bench/web.sh" "$runs" $quick
    ;;
  web)
    setup
    build_web
    [ "${1:-}" = "--build-only" ] && exit 0
    echo "Tabrix on the web: http://127.0.0.1:8765/ (Ctrl+C stops the server)"
    exec python3 -m http.server 8765 --bind 127.0.0.1 --directory "$root/build-web/site"
    ;;
  package)
    setup
    # The flags Debian builds its packages with: optimisation, _FORTIFY_SOURCE,
    # the stack protector, full RELRO, bind-now and PIE.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
      LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
      build build-package -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr
    rm -f "$root"/build-package/tabrix_*.deb
    (cd "$root/build-package" && cpack -G DEB >/dev/null)
    deb=$(ls "$root"/build-package/tabrix_*.deb)
    echo "Package: $deb ($(du -k "$deb" | cut -f1) KiB)"
    lintian --fail-on error,warning "$deb"
    appstreamcli validate --no-net "$root/build-package/resources/org.tabrix.Tabrix.metainfo.xml"
    mandoc -T lint -W warning "$root"/build-package/docs/man/*.1
    ;;
  *)
    echo "usage: tools/dev.sh run|cli|test|sanitize|fuzz|bench|package|web|setup" >&2
    exit 2
    ;;
esac
