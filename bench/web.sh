#!/usr/bin/env bash
# The web page's figures: its weight under gzip -9, the time until the face is
# painted and the time a key press takes until it is on screen (headless
# Chromium), and Lighthouse's accessibility and performance scores (mobile).
#
#   bench/web.sh [RUNS] [--quick]      (default: 10 runs; --quick: one Lighthouse audit)
#
# It builds nothing: it measures build-web/site as `tools/dev.sh web
# --build-only` made it (TABRIX_SITE names another folder). It uses Debian's
# Chromium (/usr/bin/chromium, or CHROMIUM), never a downloaded browser.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-10}
quick=${2:-}
site=${TABRIX_SITE:-$root/build-web/site}
[ -f "$site/index.html" ] && [ -f "$site/tabrix.wasm" ] || {
  echo "missing $site: tools/dev.sh web --build-only makes it" >&2
  exit 2
}
export PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 PUPPETEER_SKIP_DOWNLOAD=1
cd "$root/bench/web"
[ -d node_modules/lighthouse ] || npm ci --no-audit --no-fund --loglevel=error >&2
exec node bench.mjs "$(cd "$site" && pwd)" "$runs" $quick
