# Sourced by scripts/test (bash): Wine 10 from Debian 13's own packages, in a
# root made once with mmdebstrap and kept in the user's cache, outside the
# project, for every later run and every clone while its package list stays
# the same. Its programs run through scripts/lib/wine10/, which enter the
# root in a mount namespace of their own: nothing is mounted or registered
# outside the run. Expects ROOT (the source tree), LURN_TEST_PRESET and the
# functions of wine-env.sh.

. "$ROOT/scripts/lib/locales.sh"

WINE10_SUITE=trixie
# Wine's 32-bit half only where the kernel runs 32-bit programs: elsewhere
# the tests run the 64-bit build.
WINE10_PACKAGES="wine wine64 fonts-wqy-microhei locales"
WINE10_ARCHITECTURES=amd64
if [ "$LURN_TEST_PRESET" = win32 ]; then
    WINE10_PACKAGES="$WINE10_PACKAGES wine32:i386"
    WINE10_ARCHITECTURES=amd64,i386
fi
LURN_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/lurn_config"
# Named after what it holds, so that a changed list makes a new root.
LURN_WINE10_ROOT="$LURN_CACHE/wine10-$(printf '%s\n' "$WINE10_SUITE" "$WINE10_PACKAGES" \
    "$WINE10_ARCHITECTURES" "$LURN_LOCALES" | sha256sum | cut -c1-12)"

# The Debian mirror of the machine's own apt sources.
wine10_mirror() {
    local uri
    uri=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
        2>/dev/null | sed -nE 's,^(URIs:|deb( \[[^]]*\])?) +([^ ]+/debian)/?( .*)?$,\3,p' | head -1)
    echo "${uri:-http://deb.debian.org/debian}"
}

# Makes the root unless the cache has it: about a minute and a half and
# 2 GB. Roots of other package lists (another kernel's, an older list) that
# no run has used for 30 days go.
wine10_root_make() {
    local partial="$LURN_WINE10_ROOT.partial-$$" locale_lines
    if [ ! -e "$LURN_WINE10_ROOT/.lurn-ready" ]; then
        mkdir -p "$LURN_CACHE"
        rm -rf "$partial"
        locale_lines=$(printf '%s UTF-8\\n' $LURN_LOCALES)
        echo "test: making Wine 10's root in $LURN_WINE10_ROOT (once)"
        # mmdebstrap mounts /proc and /dev in the root while it installs: in
        # a mount namespace of its own, so that no mount outlives it.
        unshare --mount --propagation private mmdebstrap --quiet --variant=minbase \
            --architectures="$WINE10_ARCHITECTURES" --include="${WINE10_PACKAGES// /,}" \
            --customize-hook="printf '$locale_lines' >\"\$1/etc/locale.gen\"" \
            --customize-hook='chroot "$1" locale-gen >/dev/null' \
            "$WINE10_SUITE" "$partial" "deb $(wine10_mirror) $WINE10_SUITE main" || {
            rm -rf "$partial"
            return 1
        }
        touch "$partial/.lurn-ready"
        # Another run may have made it meanwhile.
        mv -T "$partial" "$LURN_WINE10_ROOT" 2>/dev/null || rm -rf "$partial"
    fi
    touch "$LURN_WINE10_ROOT/.lurn-ready"
    find "$LURN_CACHE" -mindepth 2 -maxdepth 2 -path "$LURN_CACHE/wine10-*/.lurn-ready" -mtime +30 \
        -printf '%h\0' | xargs -0r rm -rf
}

# From here on the functions of wine-env.sh and the tests use Wine 10, with
# a prefix of its own.
wine10_use() {
    LURN_WINE="$ROOT/scripts/lib/wine10/${LURN_WINE##*/}"
    LURN_WINESERVER="$ROOT/scripts/lib/wine10/wineserver"
    WINEPREFIX="$ROOT/build/wineprefix-wine10"
    # Every path the tests use means the same inside the root: the project
    # (builds, prefixes, test folders) and /tmp.
    LURN_WINE10_BINDS="$ROOT"
    export LURN_WINE LURN_WINESERVER WINEPREFIX LURN_WINE10_ROOT LURN_WINE10_BINDS
}
