#!/usr/bin/env bash
# Builds the site of the eleven programs for the web and tests it in headless Chromium, served on 127.0.0.1.
# Closes with "N passed, M failed"; exits non-zero on any failure.
# Usage: tests/web/test.sh
set -euo pipefail
cd "$(dirname "$0")"

../../scripts/install-deps web
# The Node.js that package.json declares: say in one line what is missing rather than let npm fail.
need=$(node -p "require('./package.json').engines.node.replace('>=', '')" 2>/dev/null || echo 18)
have=$(node -p "process.versions.node.split('.')[0]" 2>/dev/null || echo 0)
if [ "$have" -lt "$need" ]; then
    found=$(node --version 2>/dev/null || echo none)
    echo "tests/web/test.sh: the browser tests need Node.js $need or newer, found $found"
    echo "0 passed, 1 failed"
    exit 1
fi
# playwright-core only drives the system's Chromium: it never downloads a browser.
export PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1
wanted=$(node -p "require('./package-lock.json').packages['node_modules/playwright-core'].version")
installed=$(node -p "require('./node_modules/playwright-core/package.json').version" 2>/dev/null || true)
if [ "$wanted" != "$installed" ]; then
    npm ci --no-audit --no-fund --loglevel=error
fi
../../web/build.sh

CHROMIUM=$(command -v chromium)
export CHROMIUM
log=$(mktemp)
# Chromium runs in a process group of its own; a test run cut short could leave it behind.
profile_root=$(mktemp -d)
export TMPDIR="$profile_root"
cleanup() {
    local pids
    pids=$(pgrep -f -- "--user-data-dir=$profile_root/" || true)
    [ -n "$pids" ] && kill $pids 2>/dev/null || true
    rm -rf "$log" "$profile_root"
}
trap cleanup EXIT

status=0
timeout --kill-after=10 300 node --test-reporter=./summary.mjs demos.test.mjs </dev/null | tee "$log" ||
    status=${PIPESTATUS[0]}
if ! tail -n 1 "$log" | grep -Eq '^[0-9]+ passed, [0-9]+ failed$'; then
    echo "0 passed, 1 failed"
    [ "$status" -ne 0 ] || status=1
fi
exit "$status"
