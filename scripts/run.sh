#!/usr/bin/env bash
# Builds Kalvo and starts it: the desktop application when it could be built, otherwise
# an interactive kalvo-cli session.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)"

if [ -x build/src/app/kalvo ]; then
  exec build/src/app/kalvo "$@"
fi
exec build/src/cli/kalvo-cli "$@"
