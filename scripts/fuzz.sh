#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60), one
# after the other, one process at a time.
#
#   scripts/fuzz.sh [SECONDS]
#   KALVO_FUZZ_TARGETS="engine complex" scripts/fuzz.sh 1800
#
# Each target's working corpus grows in build-fuzz/corpus/<target> (seeded from
# fuzz/corpus and tests/fuzz_regressions); inputs that crash, hang (10 s) or need more
# than 2 GiB land in build-fuzz/artifacts/<target>/<time of the run>/. Copy each to
# tests/fuzz_regressions/<target>/ once it is fixed, so CTest replays it from then on.
# Exit status: 0 when no target found anything, 1 otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
# By default every target, in the order fuzz/CMakeLists.txt lists them.
targets=${KALVO_FUZZ_TARGETS:-$(sed -n '/^set(KALVO_FUZZ_TARGETS/,/^)/s/^ \+//p' fuzz/CMakeLists.txt)}
build=build-fuzz

# libFuzzer ships in Debian's clang runtime package, which clang itself does not pull in.
./scripts/install-deps.sh clang-14 libclang-rt-14-dev cmake ninja-build

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DKALVO_FUZZ=ON -DKALVO_GUI=OFF -DKALVO_TESTS=OFF \
  -DKALVO_BENCH=OFF -DKALVO_WERROR=ON "${launcher[@]}" >/dev/null
fuzzers=()
for target in $targets; do fuzzers+=("${target}_fuzzer"); done
cmake --build "$build" -j "${KALVO_FUZZ_BUILD_JOBS:-2}" --target "${fuzzers[@]}"

dictionary() {
  case "$1" in
    settings_file) echo fuzz/settings.dict ;;
    cli_options | cli_args) echo fuzz/cli.dict ;;
    *) echo fuzz/kalvo.dict ;;
  esac
}

found=0
summary=()
for target in $targets; do
  corpus="$build/corpus/$target"
  artifacts="$build/artifacts/$target/$(date +%Y%m%d-%H%M%S)/"
  log="$build/logs/$target.log"
  mkdir -p "$corpus" "$artifacts" "$build/logs"
  seeds=(fuzz/corpus/"$target")
  [ -d tests/fuzz_regressions/"$target" ] && seeds+=(tests/fuzz_regressions/"$target")
  echo "== $target: $seconds s (log $log)"
  status=0
  "$build/fuzz/${target}_fuzzer" "$corpus" "${seeds[@]}" \
    -dict="$(dictionary "$target")" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$artifacts" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  features=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  line="$target: ${runs:-?} runs, coverage ${cov:-?} edges, ${features:-?} features"
  if [ "$status" -ne 0 ] || [ -n "$(ls -A "$artifacts")" ]; then
    line="$line -- FOUND SOMETHING, see $artifacts and $log"
    found=1
  fi
  summary+=("$line")
  echo "$line"
done

echo
printf '%s\n' "${summary[@]}"
exit "$found"
