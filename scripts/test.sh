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
cd "${BUILD_DIR:-build}"
# -noreset: without it the server resets whenever its last client leaves, and a
# test process that connects during the reset is refused.
xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" ctest --output-on-failure -j2 --timeout 600
