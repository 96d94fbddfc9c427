#!/usr/bin/env bash
# Prints the checksum of the scripted two-minute match as the test binary of
# a build folder (default build) computes it: one line "checksum <hex>".
set -euo pipefail
cd "$(dirname "$0")/.."
export ALSOFT_DRIVERS=null ASAN_OPTIONS=detect_leaks=0:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1
xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "${1:-build}/kestrelfall_tests" \
  --gtest_filter=WorldDeterminism.ScriptedTwoMinuteMatchPrintsItsChecksum | grep '^checksum '
