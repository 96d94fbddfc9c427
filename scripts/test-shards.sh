#!/usr/bin/env bash
# Runs the test binary in the working directory as SHARDS long-lived processes
# side by side, each taking its share of the tests, under one X server (the
# caller starts it). Prints each process's output once all are done; fails if
# any failed or ran past 30 minutes.
set -uo pipefail
shards=${SHARDS:-2}
pids=()
for ((shard = 0; shard < shards; ++shard)); do
  GTEST_TOTAL_SHARDS=$shards GTEST_SHARD_INDEX=$shard timeout 1800 \
    ./kestrelfall_tests --gtest_brief=1 > "tests-shard-$shard.log" 2>&1 &
  pids+=($!)
done
failed=0
for ((shard = 0; shard < shards; ++shard)); do
  wait "${pids[$shard]}" || failed=1
  cat "tests-shard-$shard.log"
done
exit $failed
