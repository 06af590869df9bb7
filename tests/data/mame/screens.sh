#!/bin/sh
# Runs the image that bin writes for eight projects in MAME, headless, and
# compares its screen after an emulated second with what screen draws, pixel
# for pixel. Project s has screen colour s, sprite k colour s + k + 1 (mod 8),
# so every colour stands in every place, and each sprite 8 or 16 lines tall
# by the bits of s. Usage: screens.sh CLI MAME, in a folder holding ship.eap.
set -eu
cli=$1 mame=$2
for s in 0 1 2 3 4 5 6 7; do
    c() { echo $(((s + 1 + $1) % 8)); }
    l() { [ $(((s >> $1) & 1)) = 1 ] && echo 8 || echo 16; }
    sed "1s/.\r\$/$s\r/; 3s/.\r\$/$(c 0)\r/; 6s/.\r\$/$(c 1)\r/; 9s/.\r\$/$(c 2)\r/; 12s/.\r\$/$(c 3)\r/;
         10s/00h,00h,00h\r/0A5h,3Ch,0FFh\r/; 13s/00h,00h\r/81h,7Eh\r/" ship.eap >p$s.eap
    printf ';Tilewright side file 1\r\n;TV-NTSC\r\n;Size-%s-%s-%s-%s\r\n' "$(l 0)" "$(l 1)" "$(l 2)" "$(l 1)" >p$s.eap.asm
    "$cli" bin p$s.eap
    "$cli" screen p$s.eap -o want$s.png --scale 1 --tv square --colours mame
    HOME=$PWD "$mame" arcadia -cart "$PWD/p$s.bin" -video none -sound none -nothrottle -seconds_to_run 1 \
        -snapshot_directory "$PWD/snap$s" >mame$s.log 2>&1 || { cat mame$s.log >&2; exit 1; }
    compare -metric AE "snap$s/arcadia/0000.png" want$s.png null: 2>diff$s || { echo "project $s: $(cat diff$s) pixels differ" >&2; exit 1; }
done
