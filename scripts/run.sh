#!/usr/bin/env bash
# Builds Tavelão and starts it in a data folder (default ~/Tavelao, created
# when missing). Every table file lives in that folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVELAO_BUILD_DIR:-$top/build}
data=${1:-$HOME/Tavelao}
"$top/scripts/build.sh"
mkdir -p "$data"
cd "$data"
if [ -x "$build/src/app/tavelao" ]; then
  exec "$build/src/app/tavelao" "${@:2}"
fi
exec "$build/src/cli/tavelao-cli" --help
