#!/usr/bin/env bash
# Builds the eleven programs for the browser and the site around them into build/web, from scratch, so that the folder
# holds exactly the site.
# Usage: web/build.sh [TARGET...]   (needs emscripten and node-acorn: scripts/install-deps web installs them)
# Targets outside the site, such as the benchmark's baseline clear_window, are built when named.
set -euo pipefail
cd "$(dirname "$0")/.."

# emscripten's JavaScript tools load acorn, which Debian installs where node does not look by itself.
acorn_packages=$(dpkg -L node-acorn | grep '/acorn/package.json$')
node_modules=$(dirname "$(dirname "${acorn_packages%%$'\n'*}")")
export NODE_PATH="$node_modules${NODE_PATH:+:$NODE_PATH}"

rm -rf build/web
emcmake cmake -S web -B build/web-cmake -DINVERSION_WEB_OUTPUT="$PWD/build/web" >/dev/null
cmake --build build/web-cmake -j"$(nproc)"
if [ "$#" -gt 0 ]; then
    cmake --build build/web-cmake -j"$(nproc)" --target "$@"
fi
