#!/bin/bash
# Saves on a full disk: a tmpfs of the test's own, in a mount namespace of
# its own, holds the game folder with the rest of its space filled. A save
# that needs more room fails and leaves the file byte for byte; with room it
# completes and keeps every other line. Neither leaves another file.
set -euo pipefail
probe=$1
if [ -z "${LURN_OWN_MOUNTS:-}" ]; then
    as_root=(); [ "$(id -u)" = 0 ] || as_root=(--map-root-user)
    LURN_OWN_MOUNTS=1 exec unshare "${as_root[@]}" --mount bash "$0" "$@"
fi
work=$(mktemp -d)
cleanup() {
    "$LURN_WINESERVER" -k 2>/dev/null || true
    "$LURN_WINESERVER" -w 2>/dev/null || true
    umount "$work/game" "$work/prefix" "$work/layer" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/game" "$work/layer" "$work/prefix"
# The wineserver opens the files, so one of the test's own runs here, on the
# project's prefix seen through an overlay that takes all changes.
mount -t tmpfs tmpfs "$work/layer"
mkdir "$work/layer/changes" "$work/layer/work"
mount -t overlay overlay -o "lowerdir=$WINEPREFIX,upperdir=$work/layer/changes,workdir=$work/layer/work" "$work/prefix"
rm "$work/prefix/wineserver" # the address of the server outside
export WINEPREFIX=$work/prefix
mount -t tmpfs -o size=64k tmpfs "$work/game"
# The twelve settings, 120 keys of the game's own, and the last page full.
ini=$work/game/qebmod.ini
{
    printf '[set]\r\nsimple=1\r\nWALK_SPEED1=1\r\nWALK_SPEED2=1\r\nBATTLE_SPEED=1\r\n[video]\r\n'
    printf 'FULLSCREEN=1\r\n[system]\r\nSMOOTH=1\r\nGLHR=1\r\nRESOLUTIONX=800\r\nRESOLUTIONY=1\r\n'
    printf '[Music]\r\nVOLUME=1\r\nVOLUMEWAV=1\r\nSOUND3D=1\r\n[game]\r\n'
    for i in $(seq 120); do printf 'KEY%03d=value of the game %d\r\n' "$i" "$i"; done
} >"$ini"
printf 'LAST=%*s\r\n' $((8192 - $(stat -c %s "$ini") - 7)) "" | tr ' ' x >>"$ini"
cp "$ini" "$work/before"
dd if=/dev/zero of="$work/game/fill" bs=4096 2>/dev/null || true
save() { "$LURN_WINE" "$probe" "Z:${work//\//\\}\\game" 1024000 </dev/null >/dev/null 2>&1; }
only() { [ "$(ls -A "$work/game" | tr '\n' ' ')" = "$1" ] || { echo "left:" "$work"/game/*; exit 1; }; }
# No room for a copy; then room for a copy, not for the longer width.
for room in 0 8192; do
    truncate -s "-$room" "$work/game/fill"
    if save; then echo "a save with $room bytes free completed"; exit 1; fi
    cmp "$work/before" "$ini"
    only "fill qebmod.ini "
done
rm "$work/game/fill"
save
sed 's/^RESOLUTIONX=800\r$/RESOLUTIONX=1024000\r/' "$work/before" | cmp - "$ini"
only "qebmod.ini "
