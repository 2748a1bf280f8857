#!/bin/bash
# Saves on a real file system under Wine, through a program that saves as the
# configuration window does: files of each kind, files edited by hand, a
# file held by another program, a folder that takes no new files, saves
# killed, saves on a full disk. The game folder's name no ANSI code page
# holds; for the full disk, a tmpfs of the test's own is mounted on it, in a
# mount namespace of its own. (Before that it lies on the disk of the work
# folder, whose file system keeps Wine's DOS attributes on every kernel.)
set -euo pipefail
# A step that fails outside a check of its own still says which.
trap 'echo "saves_test.sh: line $LINENO: \"$BASH_COMMAND\" failed"' ERR
probe=$1 holder=$2
if [ -z "${LURN_OWN_MOUNTS:-}" ]; then
    as_root=() && [ "$(id -u)" = 0 ] || as_root=(--map-root-user)
    LURN_OWN_MOUNTS=1 exec unshare "${as_root[@]}" --mount bash "$0" "$@"
fi
work=$(mktemp -d -p "$PWD") # on the build tree's disk
game="$work/game 게임 游戏目录"
# The clean-up keeps the status the script ends with; ctest also requires
# the closing line, which only a run through every case prints.
trap 'status=$?; set +e; chattr -i "$game" 2>/dev/null; "$LURN_WINESERVER" -k; "$LURN_WINESERVER" -w
    umount "$game" "$work/prefix"; rm -rf "$work"; exit $status' EXIT
mkdir "$game" "$work/changes" "$work/work" "$work/prefix"
# The wineserver opens the files, so one of the test's own runs here, on the
# project's prefix seen through an overlay that takes every change.
mount -t overlay overlay -o "lowerdir=$WINEPREFIX,upperdir=$work/changes,workdir=$work/work" \
    "$work/prefix"
export WINEPREFIX=$work/prefix && rm "$WINEPREFIX/wineserver" # the server outside
"$LURN_WINESERVER" -p # kept up between the saves, as the other suites keep theirs
ini=$game/qebmod.ini
save() { "$LURN_WINE" "$probe" "Z:${game//\//\\}" "$@" </dev/null >/dev/null 2>&1; }
fail() { echo "$@" && head -c 600 "$ini" | cat -A && exit 1; }
only() { [ "$(ls -A "$game" | tr '\n' ' ')" = "$1" ] || fail "in the folder:" "$game"/*; }
# The DOS attributes Wine keeps for a file (0 where it keeps none), after
# setting them when given.
dos_attributes() { python3 -c 'import os, sys; f, a, v = sys.argv[1], "user.DOSATTRIB", sys.argv[2:]
v and os.setxattr(f, a, v[0].encode()); print(os.getxattr(f, a).decode() if a in os.listxattr(f) else 0)' "$@"; }
hidden() { [ $(($(dos_attributes "$ini") & 2)) = 2 ]; }
# Before each save here, the read-only working copy that a killed save left.
leftover() { printf '[set]\r\nsimple=9\r\n' >"$ini.saving" && chmod a-w "$ini.saving"; }

# A save creates a missing file and reads back values typed with blanks.
leftover && save ' 1024 ' && grep -q $'^RESOLUTIONX=1024 *\r$' "$ini" && only "qebmod.ini " ||
    fail "no file: not made"
# It keeps a UTF-16 file's byte-order mark and lines, and a hidden file's
# attribute.
printf '\xff\xfe[\0g\0]\0\r\0\n\0k\0=\0\x2d\x4e\r\0\n\0' >"$ini" && leftover && save 1024 &&
    [ "$(head -c 2 "$ini" | xxd -p)" = fffe ] &&
    [ "$(iconv -f UTF-16 "$ini" | grep -c -e '^k=中' -e '^RESOLUTIONX=1024')" = 2 ] &&
    only "qebmod.ini " || fail "UTF-16: not kept"
dos_attributes "$ini" 0x2 >/dev/null && leftover && save 1 && hidden && only "qebmod.ini " ||
    fail "hidden: not kept"
# It leaves a read-only file as it was.
chmod a-w "$ini" && cp "$ini" "$work/before" && leftover
! save 800 && cmp -s "$work/before" "$ini" && only "qebmod.ini " || fail "read-only: changed"
chmod u+w "$ini"

# A file edited by hand: blanks around names and values, a comment between
# keys, names in another letter case. The save completes; every other key
# keeps its value.
printf '[SYSTEM]\r\nresolutionx = 640 \r\n; the size\r\n Depth = 32 \r\n' >"$ini"
printf '[Game]\r\nLevel=3\r\n' >>"$ini"
save 1024 && grep -q $'^resolutionx *= *1024 *\r$' "$ini" &&
    grep -q $'^ *Depth *= *32 *\r$' "$ini" && grep -q $'^Level=3\r$' "$ini" &&
    grep -q $'^; the size\r$' "$ini" && only "qebmod.ini " || fail "edited by hand: not saved"

# A program that holds the file as scanners do, sharing reading and writing
# but not deletion, is waited for: let go half a second after the save
# began, the save completes; held throughout, the save fails within a few
# seconds and leaves the file as it was.
hold() {
    rm -f "$work/held"
    "$LURN_WINE" "$holder" "Z:${ini//\//\\}" "Z:${work//\//\\}\\held" "$@" </dev/null \
        >/dev/null 2>&1 &
    holding=$!
    until [ -e "$work/held" ]; do sleep 0.05; done
}
hold "Z:${ini//\//\\}.saving" && save 1280 && wait $holding &&
    grep -q $'^resolutionx=1280\r$' "$ini" && only "qebmod.ini " ||
    fail "held for a moment: not saved"
cp "$ini" "$work/before" && hold && started=$SECONDS
! save 1366 && [ $((SECONDS - started)) -le 5 ] && cmp -s "$work/before" "$ini" &&
    only "qebmod.ini " || fail "held throughout: not failed at once or changed"
kill $holding && wait $holding 2>/dev/null || true

# A folder that takes no new files (immutable) while the file stays
# writable: the save writes the file itself. A value that the file's code
# page cannot hold does not read back: the hidden file gets its earlier
# bytes back. With the file read-only as well, the save fails and leaves
# the file as it was.
if chattr +i "$game" 2>/dev/null; then
    save 1600 && grep -q $'^resolutionx=1600\r$' "$ini" || fail "no new files: not saved"
    dos_attributes "$ini" 0x2 >/dev/null && cp "$ini" "$work/before"
    ! save 게 && cmp -s "$work/before" "$ini" && hidden || fail "no new files, hidden: not put back"
    chmod a-w "$ini" && cp "$ini" "$work/before"
    ! save 1700 && cmp -s "$work/before" "$ini" || fail "no new files, read-only: changed"
    chmod u+w "$ini" && chattr -i "$game"
else
    echo "chattr +i is refused here: the save in a folder without new files is not tested"
fi

# A process killed while it saves two values in turn leaves the one or the
# other save's file, whole; the next save removes what it left. One is
# killed before it can have begun, so the last save's file stays; one once
# its first save is seen complete, saving the same value twice; twelve at
# random moments.
save 800 && cp "$ini" "$work/800"
save 1024 && cp "$ini" "$work/1024"
seen=""
for when in at-once first-save $(seq 12); do
    second=1024 && [ $when != first-save ] || second=800
    "$LURN_WINE" "$probe" "Z:${game//\//\\}" 800 $second </dev/null >/dev/null 2>&1 &
    case $when in
    at-once) ;;
    first-save) until cmp -s "$ini" "$work/800"; do sleep 0.05; done ;;
    *) sleep "$((RANDOM % 2)).$((RANDOM % 10))" ;;
    esac
    kill -KILL $!
    wait $! 2>/dev/null || true
    seen+=" $(for v in 800 1024; do if cmp -s "$ini" "$work/$v"; then echo $v; fi; done)-"
done
# Each kill left one of the two files (never a damaged one), and both came.
[[ "$seen" != *" -"* && "$seen" == *800* && "$seen" == *1024* ]] || fail "after the kills:$seen"
save 800 && only "qebmod.ini " || fail "the next save failed"

# On a full disk: 120 keys of the game's own, the twelve settings, the last
# page full, and the rest of the space filled. No room for a copy, then room
# for a copy but not for longer values: the save fails and the file keeps its
# bytes. With room it completes and keeps every other line.
mount -t tmpfs -o size=64k tmpfs "$game"
# A wineserver started before the mount does not see it where each Wine
# program runs in a mount namespace of its own (Wine 10's root): the next
# program starts one that does.
{ "$LURN_WINESERVER" -k; "$LURN_WINESERVER" -w; } || true
"$LURN_WINESERVER" -p
{
    printf '[game]\r\n'
    for i in $(seq 120); do printf 'KEY%03d=value of the game %d\r\n' "$i" "$i"; done
    printf 'LAST=\r\n'
} >"$ini"
save 1
sed -i "s/^LAST=/LAST=$(printf '%*s' $((8192 - $(stat -c %s "$ini"))) '' | tr ' ' x)/" "$ini"
cp "$ini" "$work/before"
dd if=/dev/zero of="$game/fill" bs=4096 2>/dev/null || true
for room in 0 8192; do
    truncate -s "-$room" "$game/fill"
    ! save 1024000 || fail "a save with $room bytes free completed"
    cmp -s "$work/before" "$ini" && only "fill qebmod.ini " ||
        fail "a save with $room bytes free changed the file"
done
rm "$game/fill"
save 1024000 || fail "a save with room failed"
sed '/^\[set\]/,$ s/=1\r$/=1024000\r/' "$work/before" | cmp -s - "$ini" && only "qebmod.ini " ||
    fail "a save with room changed other lines"
echo "saves_test.sh: every case ran"
