#!/bin/sh
# Runs the scene image that bin writes for rows FIRST to LAST of
# collisions.txt (counting its placements from 1) in MAME, headless, and
# compares 0x19FC and 0x19FD at the end of MAME's frame 4 (console frame 2:
# the sprites first show in frame 2) with the row's bytes; and the first
# line of collisions, of the project and of its image, with them too.
# Usage: collisions.sh CLI MAME FIRST LAST, in a scratch folder.
set -eu
cli=$1 mame=$2 first=$3 last=$4 here=$(cd "$(dirname "$0")" && pwd)
grep -v '^#' "$here/collisions.txt" | sed -n "${first},${last}p" | while read -r name screen lines positions shapes cells fc fd; do
    awk -v name="$name" -v screen="$screen" -v lines="$lines" -v colours=1-2-4-5 -v positions="$positions" \
        -v shapes="$shapes" -v cells="$cells" -v udc=- -v times=- -f "$here/scene-project.awk"
    "$cli" bin "$name.eap"
    for file in "$name.eap" "$name.bin"; do
        said=$("$cli" collisions "$file" | head -n 1)
        [ "$said" = "19FC=$fc 19FD=$fd" ] || { echo "$file: collisions says $said, the table $fc $fd" >&2; exit 1; }
    done
    rm -f got
    # an autoboot script often ends MAME with a crash once its file is written
    HOME=$PWD RESULTS=$PWD/got "$mame" arcadia -cart "$PWD/$name.bin" -video none -sound none -nothrottle \
        -seconds_to_run 10 -autoboot_script "$here/registers.lua" >"mame-$name.log" 2>&1 || :
    [ -e got ] || { echo "$name: MAME read no registers" >&2; cat "mame-$name.log" >&2; exit 1; }
    [ "$(cat got)" = "$fc $fd" ] || { echo "$name: MAME reads $(cat got), the table $fc $fd" >&2; exit 1; }
done
