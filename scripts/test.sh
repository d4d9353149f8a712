#!/usr/bin/env bash
# Builds Ballforge and runs every test:
#  1. the core alone, without Qt, under AddressSanitizer and UndefinedBehaviorSanitizer
#     (this also proves that the core libraries build without Qt);
#  2. everything, the desktop program and its interface tests included (offscreen Qt).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default
