#!/usr/bin/env bash
# Compares kalvo-cli with `bc -l` on the same 10,000 ordinary expression lines read from
# standard input. Usage: bench/cli_vs_bc.sh [path/to/kalvo-cli]
set -euo pipefail
cli=${1:-build/src/cli/kalvo-cli}
lines=$(mktemp)
trap 'rm -f "$lines"' EXIT
awk 'BEGIN {
  srand(7);
  for (i = 0; i < 10000; i++) {
    a = int(rand() * 1000) / 10; b = int(rand() * 1000) / 100 + 1; c = int(rand() * 90) + 1;
    printf "(%s+%s)*%d-%s/%s+sqrt(%s)\n", a, b, c, a, b, c;
  }
}' > "$lines"
measure() {
  local start end
  start=$(date +%s.%N)
  "$@" < "$lines" > /dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}
kalvo=$(measure "$cli")
bcl=$(measure bc -l)
printf 'kalvo-cli: %.3f s (%.1f us/line)\n' "$kalvo" "$(echo "$kalvo * 100" | bc -l)"
printf 'bc -l:     %.3f s (%.1f us/line)\n' "$bcl" "$(echo "$bcl * 100" | bc -l)"
printf 'ratio:     %.1fx\n' "$(echo "$bcl / $kalvo" | bc -l)"
