#!/usr/bin/env bash
# Takes pictures of the LNZ editor under Xvfb on the sample breed: the message list after a check,
# section help, the ball number picker and the colour picker. The pictures go to build/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target ballforge-lnz-screenshots
mkdir -p build/screenshots
HOME="$(mktemp -d)" xvfb-run -a -s "-screen 0 1280x800x24" \
    ./build/default/tests/lnz/ui/ballforge-lnz-screenshots build/screenshots examples/Sample.dog
