#!/bin/bash
# Saves on a real file system under Wine, through a program that saves as the
# configuration window does: files of each kind, saves killed at random
# moments, saves on a full disk. The game folder, whose name no ANSI code
# page holds, is a tmpfs of the test's own in a mount namespace of its own.
set -euo pipefail
probe=$1
if [ -z "${LURN_OWN_MOUNTS:-}" ]; then
    as_root=() && [ "$(id -u)" = 0 ] || as_root=(--map-root-user)
    LURN_OWN_MOUNTS=1 exec unshare "${as_root[@]}" --mount bash "$0" "$@"
fi
work=$(mktemp -d)
game="$work/game 게임 游戏目录"
cleanup() {
    "$LURN_WINESERVER" -k 2>/dev/null && "$LURN_WINESERVER" -w 2>/dev/null
    umount "$game" "$work/prefix" "$work/layer" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir "$game" "$work/layer" "$work/prefix"
# The wineserver opens the files, so one of the test's own runs here, on the
# project's prefix seen through an overlay that takes every change.
mount -t tmpfs tmpfs "$work/layer"
mkdir "$work/layer/changes" "$work/layer/work"
mount -t overlay overlay -o \
    "lowerdir=$WINEPREFIX,upperdir=$work/layer/changes,workdir=$work/layer/work" "$work/prefix"
rm "$work/prefix/wineserver" # the address of the server outside
export WINEPREFIX=$work/prefix
mount -t tmpfs -o size=64k tmpfs "$game"
ini=$game/qebmod.ini
save() { "$LURN_WINE" "$probe" "Z:${game//\//\\}" "$@" </dev/null >/dev/null 2>&1; }
fail() { echo "$@" && head -c 600 "$ini" | cat -A && exit 1; }
only() { [ "$(ls -A "$game" | tr '\n' ' ')" = "$1" ] || fail "in the folder:" "$game"/*; }
# The DOS attributes Wine keeps for a file, after setting them when given.
dos_attributes() { python3 -c 'import os, sys; a = "user.DOSATTRIB"; v = sys.argv[2:]
v and os.setxattr(sys.argv[1], a, v[0].encode()); print(os.getxattr(sys.argv[1], a).decode())' "$@"; }

# A save creates a missing file, keeps a UTF-16 file's byte-order mark and a
# hidden file's attribute, and reads back values typed with blanks; it
# leaves a read-only file, or a folder in the file's place, as it was. Each
# time, the read-only working copy a killed save left goes.
for kind in none utf-16 hidden read-only folder; do
    rm -rf "$ini" "$work/before"
    printf '[set]\r\nsimple=9\r\n' >"$ini.saving" && chmod a-w "$ini.saving"
    case $kind in
    utf-16) printf '\xff\xfe[\0g\0]\0\r\0\n\0k\0=\0\x2d\x4e\r\0\n\0' >"$ini" ;;
    hidden) printf '[game]\r\nk=1\r\n' >"$ini" && dos_attributes "$ini" 0x2 >/dev/null ;;
    read-only) printf '[game]\r\nk=1\r\n' >"$ini" && chmod a-w "$ini" ;;
    folder) mkdir "$ini" ;;
    esac
    [ ! -e "$ini" ] || cp -a "$ini" "$work/before"
    if [ "$kind" = read-only ] || [ "$kind" = folder ]; then
        ! save 1024 || fail "$kind: the save completed"
        diff -r "$work/before" "$ini" >/dev/null || fail "$kind: changed"
    else
        save ' 1024 ' || fail "$kind: the save failed"
        tr -d '\0' <"$ini" | grep -q $'^RESOLUTIONX=1024 *\r$' || fail "$kind: no new value"
    fi
    case $kind in
    utf-16) [ "$(head -c 2 "$ini" | xxd -p)" = fffe ] && iconv -f UTF-16 "$ini" | grep -q '^k=中' ;;
    hidden) [ $(($(dos_attributes "$ini") & 2)) = 2 ] ;;
    esac || fail "$kind: not kept"
    only "qebmod.ini "
    chmod -R u+w "$ini"
done

# A process killed at random moments while it saves two values in turn
# leaves the one or the other save's file, whole; the next save removes what
# it left.
rm -r "$ini"
printf '[set]\r\nsimple=1\r\n[game]\r\nLEVEL=3\r\n' >"$ini"
save 800 && cp "$ini" "$work/800"
save 1024 && cp "$ini" "$work/1024"
seen=""
for _ in $(seq 12); do
    "$LURN_WINE" "$probe" "Z:${game//\//\\}" 800 1024 </dev/null >/dev/null 2>&1 &
    sleep "$((RANDOM % 2)).$((RANDOM % 10))"
    kill -KILL $!
    wait $! 2>/dev/null || true
    if cmp -s "$ini" "$work/800"; then seen+=" 800"; elif cmp -s "$ini" "$work/1024"; then
        seen+=" 1024"; else fail "a killed save damaged the file"; fi
done
[[ "$seen" == *800* && "$seen" == *1024* ]] || fail "no kill came while saving:$seen"
save 800
only "qebmod.ini "

# On a full disk: the twelve settings, 120 keys of the game's own, the last
# page full, and the rest of the space filled. No room for a copy, then room
# for a copy but not for longer values: the save fails and the file keeps its
# bytes. With room it completes and keeps every other line.
{
    printf '[set]\r\nsimple=1\r\nWALK_SPEED1=1\r\nWALK_SPEED2=1\r\nBATTLE_SPEED=1\r\n[video]\r\n'
    printf 'FULLSCREEN=1\r\n[system]\r\nSMOOTH=1\r\nGLHR=1\r\nRESOLUTIONX=800\r\nRESOLUTIONY=1\r\n'
    printf '[Music]\r\nVOLUME=1\r\nVOLUMEWAV=1\r\nSOUND3D=1\r\n[game]\r\n'
    for i in $(seq 120); do printf 'KEY%03d=value of the game %d\r\n' "$i" "$i"; done
} >"$ini"
printf 'LAST=%*s\r\n' $((8192 - $(stat -c %s "$ini") - 7)) "" | tr ' ' x >>"$ini"
rm -r "$work/before" && cp "$ini" "$work/before"
dd if=/dev/zero of="$game/fill" bs=4096 2>/dev/null || true
for room in 0 8192; do
    truncate -s "-$room" "$game/fill"
    ! save 1024000 || fail "a save with $room bytes free completed"
    cmp -s "$work/before" "$ini" || fail "a save with $room bytes free changed the file"
    only "fill qebmod.ini "
done
rm "$game/fill"
save 1024000 || fail "a save with room failed"
sed '1,/^\[game\]/ s/=.*\r$/=1024000\r/' "$work/before" | cmp -s - "$ini" ||
    fail "a save with room changed other lines"
only "qebmod.ini "
