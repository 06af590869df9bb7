#!/bin/sh
# Compares MAME's frame 2 + T of the scene image that bin writes for a
# project (one of those below) with screen --at T, pixel for pixel, for T =
# FIRST to LAST: the scene image's copies reach into MAME's frame 1, so the
# sprites first show in frame 2. The first call for a project runs MAME on
# the image, headless, for 122 frames with a snapshot after each
# (every-frame.lua), T up to 119; later calls in the same folder use its
# snapshots. The frames go in parts, since screen starts once a frame.
# Usage: scenes.sh CLI MAME PROJECT FIRST LAST, in a scratch folder.
set -eu
cli=$1 mame=$2 p=$3 first=$4 last=$5 here=$(cd "$(dirname "$0")" && pwd)
size=$((192 * 262 * 3)) # bytes of a snapshot as raw RGB

# cells FORMULA: the 208 cells as hex, cell i's byte the awk FORMULA of i
# (and r, a number from 0 to 255 that differs from cell to cell)
cells() { awk "BEGIN { for (i = 0; i < 208; ++i) { r = (i * 73 + 41) % 256; printf \"%02X\", $1 } }"; }
# every code in every colour (but 40 and C0, which switch block graphics)
codes() { cells "(i % 64 + 64 * ((int(i / 64) + i) % 4)) % 256 == 64 ? 0 : (i % 64 + 64 * ((int(i / 64) + i) % 4)) % 256 == 192 ? 128 : i % 64 + 64 * ((int(i / 64) + i) % 4)"; }
udc=3C4281818181423CFF81BDA5A5BD81FF1818FF1818181818AA55AA55AA55AA55
full=FFFFFFFFFFFFFFFF
odd=183C7EFFFF7E3C18,81423C5A7E244281,F0F0F0F00F0F0F0F,0102040810204080
scene() { # NAME SCREEN LINES POSITIONS SHAPES CELLS TIMES
    awk -v name="$1" -v screen="$2" -v lines="$3" -v colours=1-3-5-6 -v positions="$4" -v shapes="$5" -v cells="$6" \
        -v udc="$udc" -v times="$7" -f "$here/scene-project.awk"
}

case $p in
# every code and colour, sprites animating over cells of their own codes; colour set 0 and 16-line cells, then 1 and 8
codes-16) scene $p 07 16-8-16-8 90,40,80,58,A0,70,60,90 "$odd" "$(codes)" "1,2,3/4,1/2,2/3" ;;
codes-8) scene $p 8F 8-16-8-16 90,40,80,58,A0,70,60,90 "$odd" "$(codes)" "1,2,3/4,1/2,2/3" ;;
# rows switched to block graphics by C0 and back by 40, among any codes
blocks-16) scene $p 03 16-16-8-8 90,40,80,58,A0,70,60,90 "$odd" "$(cells 'r % 9 == 0 ? 192 : r % 9 == 1 ? 64 : r')" - ;;
blocks-8) scene $p 8C 16-16-8-8 90,40,80,58,A0,70,60,90 "$odd" "$(cells 'r % 7 == 0 ? 192 : r % 7 == 1 ? 64 : r')" - ;;
# sprites at and past the limits: horizontal 11, 12, 194, 195, then vertical 2, 3 (8 lines), 255 (both heights)
limits-across) scene $p 07 8-16-8-16 90,0B,90,0C,60,C2,60,C3 "$full,$full,$full,$full" "$(cells 3)" - ;;
limits-down) scene $p 0F 8-8-16-8 02,40,03,60,FF,80,FF,A0 "$full,$full,$full,$full" "$(cells 'r % 4 == 0 ? 3 : 131')" - ;;
# four sprites over each other and the cells, 8 and 16 lines
overlap) scene $p 06 16-8-8-16 90,50,8C,53,88,56,84,59 "$odd" "$(cells r)" "1,2/2,1/3,3/1,1,1" ;;
# every cell shows a sprite's shape, the sprites animating over a round of 60 console frames
animated-16) scene $p 07 16-8-16-8 90,40,40,60,EF,30,20,90 "$odd" "$(cells '56 + i % 8 + 64 * (i % 3)')" "1,2,3/4,1/2,2/3" ;;
animated-8) scene $p 80 8-16-8-16 90,40,40,60,EF,30,20,90 "$odd" "$(cells '56 + i % 8 + 64 * (i % 3)')" "1,2,3/4,1/2,2/3" ;;
*) echo "no project $p" >&2; exit 2 ;;
esac

if [ ! -d snap-$p ]; then
    "$cli" bin $p.eap
    # an autoboot script often ends MAME with a crash once its snapshots are written
    HOME=$PWD FRAMES=122 "$mame" arcadia -cart "$PWD/$p.bin" -video none -sound none -nothrottle \
        -seconds_to_run 60 -snapshot_directory "$PWD/snap-$p" -autoboot_script "$here/every-frame.lua" >mame-$p.log 2>&1 || :
    [ -e snap-$p/f0121.png ] || { echo "$p: MAME left no snapshot of frame 121" >&2; cat mame-$p.log >&2; exit 1; }
    mogrify -format rgb -depth 8 snap-$p/*.png
fi
rm -rf want && mkdir want
seq "$first" "$last" | xargs -P 4 -I T "$cli" screen $p.eap -o want/T.png --at T --scale 1 --tv square --colours mame
mogrify -format rgb -depth 8 want/*.png
cat $(seq -f want/%g.rgb "$first" "$last") >want.rgb
[ "$(wc -c <want.rgb)" = $(((last - first + 1) * size)) ] || { echo "$p: screen drew fewer pictures than asked" >&2; exit 1; }
differ=$(cat $(seq -f "snap-$p/f%04g.rgb" $((first + 2)) $((last + 2))) | cmp want.rgb - 2>&1) ||
    { t=$((first + ($(echo "$differ" | sed 's/.* byte \([0-9]*\).*/\1/') - 1) / size))
      echo "$p: MAME's frame $((t + 2)) is not screen --at $t ($differ)" >&2; exit 1; }
