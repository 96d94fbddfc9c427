#!/usr/bin/env bash
# Configures and builds the game, the asset tree, the tests and the benchmarks
# (SANITIZE=ON: with AddressSanitizer and UndefinedBehaviorSanitizer).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
# ccache, where a developer has it, makes rebuilds in several checkouts cheap.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} -DSANITIZE=${SANITIZE:-OFF} \
  "${launcher[@]}" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
