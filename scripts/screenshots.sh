#!/usr/bin/env bash
# Takes pictures of the desktop program under Xvfb: the sample breed and a pet, with a few resources
# selected. The pictures go to build/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target ballforge-screenshots
files=()
[ -f examples/Sample.dog ] && files+=("examples/Sample.dog")
pet=$(ls ../shared/realdata/pets/*.pet 2>/dev/null | head -n 1 || true)
[ -n "$pet" ] && files+=("$pet")
[ -f ../shared/realdata/modules/Poodle.dog ] && files+=("../shared/realdata/modules/Poodle.dog")
if [ ${#files[@]} -eq 0 ]; then
    echo "No sample files found" >&2
    exit 1
fi
mkdir -p build/screenshots
HOME="$(mktemp -d)" xvfb-run -a -s "-screen 0 1280x800x24" \
    ./build/default/tests/app/ui/ballforge-screenshots build/screenshots "${files[@]}"
