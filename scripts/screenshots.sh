#!/bin/sh
# Takes the README's screenshots in a virtual X server, at scale 1 and 2,
# into docs/. Run after ./test (or ./run) has built build/.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/common.sh"
install_missing $BUILD_PACKAGES $TEST_PACKAGES
build "$ROOT/build"
cmake --build "$ROOT/build" --target screenshots > /dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
for scale in 1 2; do
    suffix=""
    [ "$scale" = 2 ] && suffix="@2x"
    HOME="$home" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale \
        xvfb-run -a -s "-screen 0 1700x1300x24" "$ROOT/build/tests/screenshots" "$ROOT/docs" "$suffix"
done
