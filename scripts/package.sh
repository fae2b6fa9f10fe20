#!/usr/bin/env bash
# Makes the Debian package build-package/tavelao_VERSION_amd64.deb from the
# same optimised build the tests run (scripts/build.sh); the package strips
# the programs of their debug information.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVELAO_BUILD_DIR:-$top/build}
out=${TAVELAO_PACKAGE_DIR:-$top/build-package}
"$top/scripts/build.sh"
mkdir -p "$out"
rm -f "$out"/tavelao_*.deb
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
rm -rf "$out/_CPack_Packages"
ls "$out"/tavelao_*_amd64.deb
