#!/usr/bin/env bash
# Builds everything and runs every test (GUI tests on the offscreen platform).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVELAO_BUILD_DIR:-$top/build}
"$top/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 300
