# Sourced by the scripts: the project's own Wine prefix, the Wine loader that
# works on this host, and helpers to start and stop Xvfb and the wineserver.
# Expects ROOT to be set to the source tree.

export WINEPREFIX="${LURN_WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No .NET or browser engine to install, and no menu entries or file
# associations written into the user's desktop folders outside the project.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"

# Debian's Wine runs 32-bit programs through a 32-bit loader. Some kernels are
# built or booted without 32-bit support; there only 64-bit programs run, so
# the tests use the 64-bit build of the same sources.
# Where 32-bit programs run only through a user-mode emulator registered
# with binfmt_misc, they run about a hundred times slower: the suites then
# stay on the 64-bit build too.
. "$ROOT/scripts/lib/qemu-i386.sh"
# LURN_EMULATE_32BIT=1 runs as there on a kernel that runs them itself.
if [ "${LURN_EMULATE_32BIT:-0}" != 1 ] && /usr/lib/wine/wine --version >/dev/null 2>&1 &&
    ! lurn_32bit_emulated; then
    LURN_WINE=/usr/lib/wine/wine
    LURN_TEST_PRESET=win32
else
    LURN_WINE=/usr/lib/wine/wine64
    LURN_TEST_PRESET=win64
fi
if [ -x /usr/lib/wine/wineserver64 ]; then
    LURN_WINESERVER=/usr/lib/wine/wineserver64
else
    LURN_WINESERVER=/usr/lib/wine/wineserver
fi
export LURN_WINE LURN_WINESERVER LURN_TEST_PRESET

# Creates the prefix once: a Wine virtual desktop (so windows get title bars
# and focus without a window manager) of 1024 x 768. Where 32-bit programs
# do not run, the prefix is made without its 32-bit half; a run
# that needs that half (the shipped exe's suite, through the emulator) makes
# the prefix again with it, once.
wine_prefix_init() {
    local halves=64
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
        halves=both
    fi
    if [ -f "$WINEPREFIX/.lurn-ready-3-both" ] || [ -f "$WINEPREFIX/.lurn-ready-3-$halves" ]; then
        return 0
    fi
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$LURN_WINE" wineboot -i >/dev/null 2>&1 </dev/null
    "$LURN_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f \
        >/dev/null 2>&1 </dev/null
    "$LURN_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
        >/dev/null 2>&1 </dev/null
    "$LURN_WINESERVER" -w
    # Wine's own fonts (Marlett draws the title bar's buttons, Tahoma is the
    # dialog font), installed where every Windows program finds its fonts.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    touch "$WINEPREFIX/.lurn-ready-3-$halves"
}

# Starts a persistent wineserver and Wine's helper processes (services,
# the desktop) with their standard handles on /dev/null: they inherit those
# of the first Wine program, and a test runner reading that program's output
# would otherwise wait for them to end.
wine_server_start() {
    "$LURN_WINESERVER" -p >/dev/null 2>&1 </dev/null
    "$LURN_WINE" wineboot >/dev/null 2>&1 </dev/null || true
    wine_dpi 96
}

# The display DPI that programs started from now on see. 96 is the prefix's
# own, which every test expects; a run killed while it measured another DPI
# may have left its value behind, so starting the server puts it back. The
# first program that Wine starts at another DPI rewrites Wine's font settings
# and draws its text with fallback fonts: a throwaway one takes that turn.
wine_dpi() {
    if [ "$1" = 96 ]; then
        "$LURN_WINE" reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f \
            >/dev/null 2>&1 </dev/null || true
    else
        "$LURN_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
            >/dev/null 2>&1 </dev/null
    fi
    "$LURN_WINE" cmd /c exit >/dev/null 2>&1 </dev/null
}

# Brings up the Wine desktop with standard handles on /dev/null, for the
# same reason, by running the inspector once (any program that uses windows).
wine_desktop_start() {
    "$LURN_WINE" "$1" --title lurn_config >/dev/null 2>&1 </dev/null || true
}

wine_server_stop() {
    "$LURN_WINESERVER" -k >/dev/null 2>&1 || true
    "$LURN_WINESERVER" -w >/dev/null 2>&1 || true
}

# Starts Xvfb on a free display number, of 1024 x 768 or the size given,
# and exports DISPLAY. Xvfb picks the number itself (-displayfd), so runs
# started at the same moment never share a display. xvfb_stop stops every
# one started.
XVFB_PIDS=""
xvfb_start() {
    local fifo
    fifo=$(mktemp -u "${TMPDIR:-/tmp}/lurn-xvfb.XXXXXX")
    mkfifo "$fifo"
    # Keys held down by the tests do not repeat for 10 s.
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -ardelay 10000 \
        3>"$fifo" >/dev/null 2>&1 </dev/null &
    XVFB_PIDS="$XVFB_PIDS $!"
    local n=""
    read -r -t 20 n <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$n" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$n"
    local i=0
    while ! xdpyinfo >/dev/null 2>&1; do
        i=$((i + 1))
        if [ "$i" -gt 100 ]; then
            echo "Xvfb did not start" >&2
            return 1
        fi
        sleep 0.1
    done
}

xvfb_stop() {
    local pid
    for pid in $XVFB_PIDS; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    XVFB_PIDS=""
}
