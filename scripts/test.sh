#!/usr/bin/env bash
# Builds Kalvo and runs every test: the normal build (with the desktop application when Qt
# is there) and the core tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALVO_GUI=ON -DKALVO_WERROR=ON
cmake --build build -j "$jobs"
# GUI tests run the real widgets without a display; 3D views get a virtual X server.
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKALVO_SANITIZE=ON \
  -DKALVO_GUI=OFF -DKALVO_BENCH=OFF -DKALVO_WERROR=ON
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

echo "All tests passed."
