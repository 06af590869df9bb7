#!/usr/bin/env bash
# Writes the side file fuzzer's seeds: the test side files, the longest side
# file Tilewright writes (4 sprites of 64 frames and a scene, each setting,
# byte and time in its longest spelling), the same files with other line
# ends, and files broken in each section. A file named ok-* must be read and
# one named bad-* refused: each is checked with `CLI check` beside a project
# file, and the script fails on one that is not what its name says.
# Usage: fuzz/make_side_files.sh CLI [DIR]   (CLI: a built tilewright-cli;
# DIR: default fuzz/side-files; existing files are rewritten)
set -euo pipefail
cli=$1
src=$(cd "$(dirname "$0")/.." && pwd)
out=${2:-"$src/fuzz/side-files"}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

w() { cat >"$out/$1"; }
crlf() { printf '%s\r\n' "$@"; }

# db ITEM...: a db line of those items, as the writer spells one.
db() {
    local IFS=,
    printf '      db          %s\r\n' "$*"
}
# byte N: N as the writer spells an item: two upper-case hex digits, a 0
# before a letter.
byte() {
    local hex
    hex=$(printf '%02X' $(($1 & 255)))
    [[ $hex == [A-F]* ]] && hex=0$hex
    printf '%sh' "$hex"
}
# block LABEL LINES SEED: a scene block of LINES db lines of letter-led bytes.
block() {
    local line r items
    crlf "$1:"
    for ((line = 0; line < $2; ++line)); do
        items=()
        for ((r = 0; r < 8; ++r)); do items+=("$(byte $((0xA0 + ($3 + 8 * line + r) % 0x60)))"); done
        db "${items[@]}"
    done
}

cp "$src"/tests/data/side/frames.eap.asm "$out"/ok-frames.eap.asm
cp "$src"/tests/data/side/pal.eap.asm "$out"/ok-settings-only.eap.asm
cp "$src"/tests/data/side/scene.eap.asm "$out"/ok-scene.eap.asm
cp "$src"/tests/data/side/broken.eap.asm "$out"/bad-size-12.eap.asm
frames=$src/tests/data/side/frames.eap.asm
scene=$src/tests/data/side/scene.eap.asm

# The longest: written here in the writer's spelling, then saved by the
# writer itself, which must give the same bytes.
{
    crlf ';Tilewright side file 2' ';TV-NTSC' ';Size-16-16-16-16' ';Time-100-255-199-123'
    for k in 1 2 3 4; do
        for f in $(seq 63); do
            crlf "S${k}F$f:" ";Time-$((100 + (k * 64 + f) % 156))"
            items=()
            for r in 0 1 2 3 4 5 6 7; do items+=("$(byte $((0xA0 + (k * 37 + f * 11 + r) % 0x60)))"); done
            db "${items[@]}"
        done
    done
    crlf ';Scene-16-1'
    block SPOS 1 0
    block UDC 4 3
    block SCRN 26 5
} >"$tmp/longest.eap.asm"
cp "$src/fuzz/corpus/ok-worked-example.eap" "$tmp/longest.eap"
"$cli" resave "$tmp/longest.eap" "$tmp/saved.eap" >/dev/null
cmp "$tmp/longest.eap.asm" "$tmp/saved.eap.asm"
w ok-longest.eap.asm <"$tmp/saved.eap.asm"

# Read all the same.
tr -d '\r' <"$frames" | w ok-lf-only.eap.asm
tr -d '\n' <"$frames" | w ok-cr-only.eap.asm
head -c -2 "$scene" | w ok-no-final-line-end.eap.asm
head -n 4 "$frames" | w ok-times-without-frames.eap.asm
sed 's/^;Time-6-1-255-3/;Time-06-001-255-3/' "$frames" | w ok-leading-zeros.eap.asm
sed 's/^\(      db          \)00h,18h,/\1000h,0aah,/' "$frames" | w ok-odd-items.eap.asm
sed '7s/          00h,18h,/          ABCDh,Ah,/' "$frames" | w ok-letter-led-odd-lengths.eap.asm
{ head -n 6 "$frames"; crlf 'xxxxxxxxxxxxxxxxxx1x,2?,3 ,4.,5h,6h,7h,8h,9h,junk'; tail -n +8 "$frames"; } | w ok-other-prefix-and-suffixes.eap.asm
{ head -n 4 "$frames"; crlf 'S2F1:' ';Time-7'; db 1h 2h 3h 4h 5h 6h 7h 8h; } | w ok-later-sprite-first.eap.asm

# Refused, section by section.
: | w bad-empty.eap.asm
sed '1s/.*/;Tilewright side file 3\r/' "$frames" | w bad-header.eap.asm
sed '1s/.*/;Tilewright side file 1\r/' "$scene" | w bad-scene-in-file-1.eap.asm
head -n 1 "$frames" | w bad-header-only.eap.asm
sed '2s/.*/;TV-SECAM\r/' "$frames" | w bad-tv.eap.asm
sed '3s/.*/;Size-16-8-16\r/' "$frames" | w bad-three-sizes.eap.asm
sed '4s/.*/;Time-6-0-255-3\r/' "$frames" | w bad-time-0.eap.asm
sed '4s/.*/;Time-6-1-256-3\r/' "$frames" | w bad-time-256.eap.asm
sed '4s/.*/;Time-6-1-2550-3\r/' "$frames" | w bad-time-four-digits.eap.asm
sed '6s/.*/;Time-\r/' "$frames" | w bad-frame-time-empty.eap.asm
sed '5s/.*/S1F2:\r/' "$frames" | w bad-frame-out-of-order.eap.asm
sed '5s/.*/S5F1:\r/' "$frames" | w bad-sprite-5.eap.asm
head -n 5 "$frames" | w bad-ends-after-label.eap.asm
head -n 6 "$frames" | w bad-ends-after-time.eap.asm
sed '7s/,00h\r$/\r/' "$frames" | w bad-seven-items.eap.asm
{ cat "$frames"; crlf 'trailing'; } | w bad-line-after-frames.eap.asm
{ cat "$scene"; crlf ''; } | w bad-blank-line-after-scene.eap.asm
sed 's/^;Scene-16-1/;Scene-12-1/' "$scene" | w bad-scene-12-lines.eap.asm
sed 's/^;Scene-16-1/;Scene-16-2/' "$scene" | w bad-scene-colour-set-2.eap.asm
head -n -1 "$scene" | w bad-scene-ends-early.eap.asm
grep -v '^UDC:' "$scene" | w bad-scene-without-udc-label.eap.asm
awk '/^SCRN:/ { print; getline; sub(/80h,/, "0FFFh,") } { print }' "$scene" | w bad-scene-item-0FFFh.eap.asm
sed 's/^;Scene-/;Tilewright side file 2\r\n;Scene-/' "$scene" | w bad-header-again.eap.asm
# Sprite 1 with a 65th frame: the longest file's S1F63, then one more.
{
    sed -n '1,/^S2F1:/p' "$out/ok-longest.eap.asm" | head -n -1
    crlf 'S1F64:' ';Time-6'
    db 1h 2h 3h 4h 5h 6h 7h 8h
} | w bad-65-frames.eap.asm
printf '\xff\xfe;\0T\0i\0' | w bad-utf16.eap.asm
# The longest with a line more: the one file whose last line lies past the
# most a side file can have, which the reader must still see.
{ cat "$out/ok-longest.eap.asm"; crlf ';'; } | w bad-longest-and-a-line.eap.asm

# Each seed is what its name says: read, or refused at a line of its own.
cp "$src/fuzz/corpus/ok-worked-example.eap" "$tmp/check.eap"
for seed in "$out"/ok-* "$out"/bad-*; do
    cp "$seed" "$tmp/check.eap.asm"
    status=0
    "$cli" check "$tmp/check.eap" >/dev/null 2>"$tmp/why" || status=$?
    case $(basename "$seed"):$status in
    ok-*:0) ;;
    bad-*:1) grep -q "^$tmp/check\.eap\.asm:[0-9]*: " "$tmp/why" || { echo "$seed: refused, but not at a line of it: $(cat "$tmp/why")" >&2; exit 1; } ;;
    *) echo "$seed: check exits $status: $(cat "$tmp/why")" >&2; exit 1 ;;
    esac
done
