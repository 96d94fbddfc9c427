#!/usr/bin/env bash
# Builds the libFuzzer harnesses of the file and packet readers (clang,
# AddressSanitizer, UndefinedBehaviorSanitizer) and runs each for [seconds]
# (default 30), seeded from the generated run folder (the replay reader from
# tests/data/replay/, the packet reader from tests/data/net/). A crash, a
# sanitizer report or a broken invariant fails the run and leaves the input in
# <fuzz build>/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
FUZZ_DIR=${FUZZ_DIR:-build-fuzz}
bash scripts/setup.sh
[ -f run/persos.txt ] || bash scripts/build.sh  # the seeds come from the run folder
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$FUZZ_DIR" -G Ninja -DFUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "${launcher[@]}" >/dev/null
cmake --build "$FUZZ_DIR" -j"$(nproc)"

declare -A seeds=(
  [FuzzGameSettings]="run/Assets/settings/gamesettings.txt"
  [FuzzBinds]="run/Assets/settings/Binds.txt"
  [FuzzCustomList]="run/Assets/Map/Custom/Custom.txt"
  [FuzzKeyNames]="run/Assets/settings/keynames.txt run/Assets/settings/controllerbuttonnames.txt"
  [FuzzRoster]="run/persos.txt"
  [FuzzCharacter]="$(echo run/Assets/Characters/*/*.txt)"
  [FuzzLevel]="run/Assets/Map/Officiel/Jungle/Jungle.txt run/Assets/Map/Officiel/caa/caa.txt"
  [FuzzReplay]="$(echo tests/data/replay/*.kfr)"
  [FuzzPacket]="$(echo tests/data/net/*.pkt)"
  [FuzzSection]="$(echo run/Assets/Map/Officiel/*/Map*.txt) run/Assets/Map/Menu/MainMenuMap.txt"
)
export ASAN_OPTIONS=halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
mkdir -p "$FUZZ_DIR/crashes"
# One fuzzer's run; says its figures, or its failure with the input kept.
fuzz_one() {
  local fuzzer=$1 corpus="$FUZZ_DIR/corpus/$1" log="$FUZZ_DIR/$1.log"
  mkdir -p "$corpus"
  for seed in ${seeds[$fuzzer]}; do
    cp "$seed" "$corpus/seed-$(echo "${seed#run/}" | tr / _)"
  done
  if ! nice "$FUZZ_DIR/$fuzzer" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
      -artifact_prefix="$FUZZ_DIR/crashes/$fuzzer-" "$corpus" >"$log" 2>&1; then
    tail -40 "$log"
    echo "$fuzzer: FAILED (input kept in $FUZZ_DIR/crashes/)"
    return 1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$')
  rate=$(grep -o 'exec/s: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$')
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$')
  echo "$fuzzer: ${runs:-?} runs in ${seconds} s (${rate:-?} exec/s), coverage ${cov:-?} edges, no crash"
}
# As many fuzzers at once as there are cores.
failed=0
running=0
for fuzzer in $(printf '%s\n' "${!seeds[@]}" | sort); do
  if [ "$running" -ge "$(nproc)" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  fuzz_one "$fuzzer" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit $failed
