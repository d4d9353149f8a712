#!/usr/bin/env bash
# Rewrites the expected files of every golden case from the current ballforge-cli.
# Run it after a reviewed change of the checker, reformatter or scanner, then read the diff.
# Usage: tests/lnz/golden/regenerate.sh [path/to/ballforge-cli]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="${1:-$here/../../../build/default/source/app/cli/ballforge-cli}"
[ -x "$cli" ] || { echo "ballforge-cli not found at $cli (build it or pass its path)" >&2; exit 2; }
cli="$(cd "$(dirname "$cli")" && pwd)/$(basename "$cli")"
for dir in "$here"/*/; do
    [ -f "$dir/input.lnz" ] || continue
    (
        cd "$dir"
        # check exits with 1 when the text has errors: an expected result here.
        status=0
        "$cli" check input.lnz >expected-messages.txt || status=$?
        [ "$status" -le 1 ] || exit "$status"
        "$cli" reformat input.lnz -o expected-reformat.lnz >/dev/null
        "$cli" tokens input.lnz >expected-tokens.txt
    )
    echo "regenerated $(basename "$dir")"
done
