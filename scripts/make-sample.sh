#!/usr/bin/env bash
# Rebuilds examples/Sample.dog with the project's own generator.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target ballforge-samplegen
./build/default/examples/generator/ballforge-samplegen tests/fixtures/pe/sample-base.dll examples/generator examples/Sample.dog
