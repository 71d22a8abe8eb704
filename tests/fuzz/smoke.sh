#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a short while from its
# seeds: a smoke run that keeps them building and catches shallow faults.
# Longer runs: build-fuzz/fuzz_pagewalk -max_total_time=600 -dict=tests/fuzz/pages.dict DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build-fuzz}
CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
failed=0
run() {
  local target=$1; shift
  local corpus
  corpus=$(mktemp -d)
  cp "$here/seeds/$target"/* "$corpus/"
  if "$build/fuzz_$target" -max_total_time=15 -timeout=5 "$@" "$corpus" >"$corpus.log" 2>&1; then
    echo "fuzz_$target: $(grep -o 'Done [0-9]* runs' "$corpus.log" | tail -1)"
  else
    echo "fuzz_$target failed:"; tail -40 "$corpus.log"; failed=$((failed + 1))
  fi
  rm -rf "$corpus" "$corpus.log"
}
run pagewalk -dict="$here/pages.dict"
run decrypt
run version -dict="$here/version.dict"
echo "fuzz smoke: $((3 - failed)) passed, $failed failed"
exit $failed
