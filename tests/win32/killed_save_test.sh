#!/bin/bash
# Kills a process at random moments while it saves the settings again and
# again with two widths: the file is then always the one or the other save's,
# whole, and the next save removes what the killed one left.
set -euo pipefail
probe=$1
game=$(mktemp -d)
trap 'rm -rf "$game" "$game".*' EXIT
folder="Z:${game//\//\\}"
save() { "$LURN_WINE" "$probe" "$folder" "$@" </dev/null >/dev/null 2>&1; }
printf '[set]\r\nsimple=1\r\n[game]\r\nLEVEL=3\r\n' >"$game/qebmod.ini"
save 800 && cp "$game/qebmod.ini" "$game.800"
save 1024 && cp "$game/qebmod.ini" "$game.1024"
seen=""
for _ in $(seq 12); do
    "$LURN_WINE" "$probe" "$folder" 800 1024 </dev/null >/dev/null 2>&1 &
    sleep "$((RANDOM % 2)).$((RANDOM % 10))"
    kill -KILL $!
    wait $! || true
    now=""
    for width in 800 1024; do
        if cmp -s "$game/qebmod.ini" "$game.$width"; then now=$width; fi
    done
    [ -n "$now" ] || { echo "a killed save damaged the file:"; cat -A "$game/qebmod.ini"; exit 1; }
    seen="$seen $now"
done
[[ "$seen" == *800* && "$seen" == *1024* ]] || { echo "no kill came while saving ($seen)"; exit 1; }
save 800
[ "$(ls -A "$game")" = qebmod.ini ] || { echo "left behind:" "$game"/*; exit 1; }
