#!/usr/bin/env bash
# Builds Ballforge and opens the bundled sample breed in the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target ballforge
exec ./build/default/source/app/ui/ballforge examples/Sample.dog
