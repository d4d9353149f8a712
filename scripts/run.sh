#!/usr/bin/env bash
# Builds Ballforge and lists the resources of the bundled sample breed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target ballforge-cli
./build/default/source/app/cli/ballforge-cli ls examples/Sample.dog
