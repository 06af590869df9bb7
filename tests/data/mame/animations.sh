#!/bin/sh
# Compares MAME's frame 1 + T of the animating image that bin writes for a
# project (one of those below) with screen --at T, pixel for pixel, for T =
# FIRST to LAST. The first call for a project runs MAME on the image,
# headless, for 601 frames with a snapshot after each (every-frame.lua), and
# checks that its frame 0 shows no sprite, so that T counts from the first
# frame that shows them; later calls in the same folder use its snapshots.
# The frames go in parts, since screen starts once a frame.
# Usage: animations.sh CLI MAME PROJECT FIRST LAST, in a scratch folder.
set -eu
cli=$1 mame=$2 p=$3 first=$4 last=$5 lua=$(cd "$(dirname "$0")" && pwd)/every-frame.lua
size=$((192 * 262 * 3)) # bytes of a snapshot as raw RGB

# project NAME SCREEN COLOURS LINES TIMES1 TIMES2 TIMES3 TIMES4: NAME.eap and
# its side file; colours and lines "a-b-c-d", times one a frame ("1,255,3").
# The rows differ from frame to frame and sprite to sprite.
project() {
    awk -v name="$1" -v screen="$2" -v colours="$3" -v lines="$4" -v t1="$5" -v t2="$6" -v t3="$7" -v t4="$8" '
    function db(k, f,    r, s, v, x) {
        s = "      db          "
        for (r = 0; r < 8; ++r) {
            v = (37 * f + 29 * r + 101 * k + 7 * f * r + 1) % 256
            x = sprintf("%02Xh", v)
            s = s (x ~ /^[A-F]/ ? "0" : "") x (r < 7 ? "," : "")
        }
        return s "\r\n"
    }
    BEGIN {
        split("Black Blue Red Majenta Green Cyan Yellow White", cname, " ")
        split(colours, c, "-"); t[1] = t1; t[2] = t2; t[3] = t3; t[4] = t4
        eap = name ".eap"; asm = name ".eap.asm"
        printf ";Screen-%s-%d\r\n", cname[screen + 1], screen > eap
        printf ";Tilewright side file 1\r\n;TV-NTSC\r\n;Size-%s\r\n;Time", lines > asm
        for (k = 1; k <= 4; ++k) {
            n[k] = split(t[k], time, ",")
            printf "Sprite%d:\r\n;%s-%d\r\n%s", k, cname[c[k] + 1], c[k], db(k, 0) > eap
            printf "-%d", time[1] > asm
        }
        printf "\r\n" > asm
        for (k = 1; k <= 4; ++k) {
            split(t[k], time, ",")
            for (f = 1; f < n[k]; ++f)
                printf "S%dF%d:\r\n;Time-%d\r\n%s", k, f, time[f + 1], db(k, f) > asm
        }
    }'
}
list() { seq "$1" | awk -v of="$2" '{ printf "%s%d", (NR > 1 ? "," : ""), substr(of, (NR - 1) % length(of) + 1, 1) }'; }

case $p in
# all four animate: 3, 5, 2 and 64 frames, times 1 to 5, 60 and 255, 16 and 8 lines
mixed) project mixed 1 6-4-2-5 16-8-16-8 1,2,3 4,1,60,2,5 255,1 "$(list 64 123)" ;;
# every blank copies all four shapes: three of 64 frames of time 1, which
# wrap together, and one of a single frame, whose time 1 runs out every blank
every-blank) project every-blank 6 3-0-2-5 8-16-8-16 "$(list 64 1)" "$(list 64 1)" 1 "$(list 64 1)" ;;
*) echo "no project $p" >&2; exit 2 ;;
esac

if [ ! -d snap-$p ]; then
    "$cli" bin $p.eap
    # an autoboot script often ends MAME with a crash once its snapshots are written
    HOME=$PWD FRAMES=601 "$mame" arcadia -cart "$PWD/$p.bin" -video none -sound none -nothrottle \
        -seconds_to_run 60 -snapshot_directory "$PWD/snap-$p" -autoboot_script "$lua" >mame-$p.log 2>&1 || :
    [ -e snap-$p/f0600.png ] || { echo "$p: MAME left no snapshot of frame 600" >&2; cat mame-$p.log >&2; exit 1; }
    convert snap-$p/f0000.png -crop 56x16+53+112 +repage box.png && convert snap-$p/f0000.png -crop 56x16+0+112 +repage side.png
    compare -metric AE box.png side.png null: 2>/dev/null || { echo "$p: MAME's frame 0 shows a sprite" >&2; exit 1; }
    mogrify -format rgb -depth 8 snap-$p/*.png
fi
rm -rf want && mkdir want
seq "$first" "$last" | xargs -P 4 -I T "$cli" screen $p.eap -o want/T.png --at T --scale 1 --tv square --colours mame
mogrify -format rgb -depth 8 want/*.png
# one stream of screen's pictures against one of MAME's frames
cat $(seq -f want/%g.rgb "$first" "$last") >want.rgb
[ "$(wc -c <want.rgb)" = $(((last - first + 1) * size)) ] || { echo "$p: screen drew fewer pictures than asked" >&2; exit 1; }
differ=$(cat $(seq -f "snap-$p/f%04g.rgb" $((first + 1)) $((last + 1))) | cmp want.rgb - 2>&1) ||
    { t=$((first + ($(echo "$differ" | sed 's/.* byte \([0-9]*\).*/\1/') - 1) / size))
      echo "$p: MAME's frame $((t + 1)) is not screen --at $t ($differ)" >&2; exit 1; }
