#!/usr/bin/env bash
# Builds everything and runs every test (GUI tests on the offscreen platform).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVELAO_BUILD_DIR:-$top/build}
"$top/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 300 -LE package
# Then the Debian package, made from the same build and checked on its own.
ctest --test-dir "$build" --output-on-failure -L package

# The fuzzers: a short bounded run of each, in a clang build with sanitizers.
fuzz_build=${TAVELAO_FUZZ_BUILD_DIR:-$top/build-fuzz}
if grep -q "^tavelao_fuzzer(" "$top/tests/fuzz/CMakeLists.txt"; then
  CC=clang CXX=clang++ cmake -S "$top" -B "$fuzz_build" -DTAVELAO_FUZZ=ON -DTAVELAO_BUILD_GUI=OFF \
    -DTAVELAO_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$fuzz_build" -j"$(nproc)" --target all_fuzzers
  ctest --test-dir "$fuzz_build" --output-on-failure -L fuzz
fi
