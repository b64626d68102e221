#!/usr/bin/env bash
# Every option that "kalvo --help" lists is described in the manual page kalvo.1.
# Usage: kalvo_options_test.sh KALVO MAN_PAGE
set -euo pipefail
help=$(QT_QPA_PLATFORM=offscreen "$1" --help)
missing=0
for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
    roff=${option//-/\\-}
    if ! grep -qF -- "$roff" "$2"; then
        echo "kalvo.1 does not describe $option"
        missing=1
    fi
done
exit $missing
