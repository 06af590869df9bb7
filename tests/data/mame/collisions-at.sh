#!/bin/sh
# Runs the scene image that bin writes for a project of animating sprites in
# MAME, headless, reads 0x19FC and 0x19FD at the end of MAME's frames 2 to
# 61, and compares each frame 2 + T with the first line of collisions --at
# T: five rounds of 12 console frames in which sprites 1 and 4 touch a block
# by one pixel of a row that changes from frame to frame, sprite 3 a cell of
# sprite 2's code, and sprites 2 and 3 each other by one corner pixel.
# Usage: collisions-at.sh CLI MAME, in a scratch folder; without MAME it
# only writes the project, animated.eap and its side file.
set -eu
cli=$1 mame=${2-} here=$(cd "$(dirname "$0")" && pwd)
awk -v name=animated -v screen=07 -v lines=8-8-8-16 -v colours=1-2-4-5 -v positions=96,72,6A,40,63,47,80,72 \
    -v shapes=183C7EFFFF7E3C18,81423C5A7E244281,F0F0F0F00F0F0F0F,0102040810204080 -v cells=104=03,132=39 -v udc=- \
    -v times=1,2,3/2,1/1,1,2/3,1 -f "$here/scene-project.awk"
[ -n "$mame" ] || exit 0
"$cli" bin animated.eap
rm -f got
# an autoboot script often ends MAME with a crash once its file is written
HOME=$PWD RESULTS=$PWD/got AT=2 FRAMES=60 "$mame" arcadia -cart "$PWD/animated.bin" -video none -sound none -nothrottle \
    -seconds_to_run 10 -autoboot_script "$here/registers.lua" >mame-animated.log 2>&1 || :
[ -e got ] || { echo "MAME read no registers" >&2; cat mame-animated.log >&2; exit 1; }
t=0
while read -r fc fd; do
    said=$("$cli" collisions animated.eap --at $t | head -n 1)
    [ "$said" = "19FC=$fc 19FD=$fd" ] || { echo "console frame $t: MAME reads $fc $fd, collisions --at $t says $said" >&2; exit 1; }
    t=$((t + 1))
done <got
[ $t = 60 ] || { echo "MAME read $t frames, not 60" >&2; exit 1; }
