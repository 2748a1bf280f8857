#!/bin/bash
# The shipped 32-bit exe's own suite where only qemu-i386 runs 32-bit
# programs, beside the other suites: on a display, a wineserver and a Wine
# prefix of its own, made with its 32-bit half through the emulator. It is
# watched by the 64-bit inspector and starts the 64-bit stand-in game, which
# answer at once where 32-bit ones take many seconds.
#   shipped-suite.sh [--register] BUILT
# --register: first registers qemu-i386 in the binfmt_misc instance of the
# user namespace this runs in. The prefix is made first, and the file
# BUILT-prefix made then; the suite starts once the file BUILT exists (the
# builds are done).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
cd "$ROOT"
. scripts/lib/qemu-i386.sh
if [ "$1" = --register ]; then
    qemu_i386_register
    shift
fi
built=$1
export LURN_WINEPREFIX="$ROOT/build/wineprefix-shipped"
. scripts/lib/wine-env.sh
trap 'wine_server_stop; xvfb_stop' EXIT
trap 'exit 1' TERM INT
xvfb_start
wine_prefix_init
touch "$built-prefix"
until [ -e "$built" ]; do
    sleep 1
done
wine_server_start
export LURN_TOOLS_DIR="$ROOT/build/$LURN_TEST_PRESET/tools"
wine_desktop_start "$LURN_TOOLS_DIR/lurn_inspect.exe"
export LURN_WINE DISPLAY WINEPREFIX WINEDEBUG
ctest --preset win32 -j1 -R '^(product_|e2e_test_shipped$)'
