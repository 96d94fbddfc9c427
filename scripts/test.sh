#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: a virtual X
# server with Mesa's software OpenGL, and OpenAL Soft's null audio driver.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
export ALSOFT_DRIVERS=null
export LIBGL_ALWAYS_SOFTWARE=1
# For a sanitizer build: any report ends the test; the textures the game keeps
# for its whole run are not leaks.
export ASAN_OPTIONS=detect_leaks=0:halt_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
root=$PWD
cd "${BUILD_DIR:-build}"
# -noreset: without it the server resets whenever its last client leaves, and a
# test process that connects during the reset is refused.
screen="-screen 0 1920x1080x24 -noreset"
if [ "${SANITIZE:-OFF}" != ON ]; then
  # Each test in a process of its own: no test leans on what another left.
  xvfb-run -a -s "$screen" ctest --output-on-failure -j2 --timeout 600
  exit
fi
# Under the sanitizers every large picture is mapped in fresh pages, so a test
# process that builds a game spends ~9 s loading it. Two long-lived processes,
# each running half the tests, load each picture once (the texture cache
# shares it between games) and take a third of the time.
xvfb-run -a -s "$screen" bash "$root/scripts/test-shards.sh"
