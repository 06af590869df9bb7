#!/usr/bin/env bash
# Writes the cartridge image fuzzer's seeds: the test images, images `CLI bin`
# writes of projects with frames (the longest image, 4 sprites of 64 frames;
# one sprite of two frames with the shortest and longest times; a project
# with a scene), and images broken in each part. A file named ok-* must be
# read and one named bad-* refused: each is checked with `CLI import`, and the
# script fails on one that is not what its name says; any other is a seed
# only (scene.bin: what a scene makes of the image).
# Usage: fuzz/make_images.sh CLI [DIR]   (CLI: a built tilewright-cli;
# DIR: default fuzz/images; existing files are rewritten). Needs python3.
set -euo pipefail
cli=$1
src=$(cd "$(dirname "$0")/.." && pwd)
out=${2:-"$src/fuzz/images"}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cp "$src"/tests/data/worked-example.bin "$out"/ok-worked-example.bin
cp "$src"/tests/data/project-named.bin "$out"/bad-project-file.bin
cp "$src"/tests/data/side/frames.bin "$out"/ok-frames.bin
"$cli" bin "$src"/tests/data/side/scene.eap -o "$out"/scene.bin

# bin_of NAME SIDE...: the image of the worked example with that side file.
bin_of() {
    local name=$1
    shift
    cp "$src/fuzz/corpus/ok-worked-example.eap" "$tmp/p.eap"
    printf '%s\r\n' "$@" >"$tmp/p.eap.asm"
    "$cli" bin "$tmp/p.eap" -o "$out/$name" >/dev/null
}
bin_of ok-one-sprite-two-frames.bin ';Tilewright side file 1' ';TV-PAL' ';Size-8-16-16-8' ';Time-6-6-1-6' \
    'S3F1:' ';Time-255' '      db          1h,2h,3h,4h,5h,6h,7h,8h'
# The longest: the side file seed's frames, without its scene.
mapfile -t longest < <(sed -e '1s/2/1/' -e '/^;Scene-/,$d' "$src/fuzz/side-files/ok-longest.eap.asm" | tr -d '\r')
bin_of ok-longest.bin "${longest[@]}"

# The broken ones, made from those by python: bytes changed, cut, added, and
# animating images laid out anew from the program of one.
python3 - "$out" <<'PY'
import sys
out = sys.argv[1]
def read(name):
    return bytearray(open(f'{out}/{name}', 'rb').read())
def write(name, data):
    open(f'{out}/{name}', 'wb').write(bytes(data))
def changed(name, offset, value):
    data = read(name)
    data[offset] = value
    return data

still, frames, longest = read('ok-worked-example.bin'), read('ok-frames.bin'), read('ok-longest.bin')
assert len(still) == 133 and len(longest) == 2644

# An animating image laid out from the program: start entries, then each
# sprite's frames (time, 8 rows) and the end marker back to its first.
PROGRAM, ENTRIES = 0x128, 0x148
def animating(sprites, program=frames[:PROGRAM]):
    first, entries, lists = ENTRIES, b'', b''
    for records in sprites:
        entries += bytes([1, first >> 8, first & 0xFF, 0, 0, 0, 0, 0])
        lists += b''.join(bytes([time]) + bytes(rows) for time, rows in records) + bytes([0, first >> 8, first & 0xFF])
        first += 9 * len(records) + 3
    return program + entries + lists
frame = (6, range(8))

write('ok-laid-out.bin', animating([[frame, (1, range(8, 16))], [frame], [(255, [0xFF] * 8)], [frame]]))
write('bad-empty.bin', b'')
write('bad-still-cut.bin', still[:-1])
write('bad-still-one-more.bin', still + b'\0')
write('bad-screen-colour-8.bin', changed('ok-worked-example.bin', 0x5F, 8))
write('bad-position-moved.bin', changed('ok-worked-example.bin', 0x2D, 0x41))
write('bad-program-byte.bin', changed('ok-worked-example.bin', 0x00, 0x76))
write('bad-animating-cut.bin', frames[:-1])
write('bad-animating-program-only.bin', frames[:PROGRAM])
write('bad-animating-one-more.bin', frames + b'\0')
write('bad-longer-than-longest.bin', longest + b'\0')
# The animating program's screen colour operand: the LODI before its store to 0x19F9.
screen = frames.index(b'\xcc\x19\xf9') - 1
assert frames[screen - 1] == 0x04
write('bad-animating-screen-colour-8.bin', changed('ok-frames.bin', screen, 8))
write('bad-start-entry.bin', changed('ok-frames.bin', ENTRIES - 32 + 2, frames[ENTRIES - 32 + 2] + 9))
write('bad-end-marker.bin', changed('ok-frames.bin', len(frames) - 1, frames[-1] + 1))
write('bad-every-sprite-one-frame.bin', animating([[frame]] * 4))
write('bad-no-frames.bin', animating([[], [frame, frame], [frame], [frame]]))
write('bad-65-frames.bin', animating([[frame] * 65, [frame], [frame], [frame]]))
write('bad-time-0.bin', animating([[frame, (0, range(8))], [frame], [frame], [frame]]))
PY

# Each seed is what its name says.
for seed in "$out"/ok-* "$out"/bad-*; do
    status=0
    "$cli" import "$seed" -o "$tmp/back.eap" >/dev/null 2>"$tmp/why" || status=$?
    case $(basename "$seed"):$status in
    ok-*:0 | bad-*:1) ;;
    *) echo "$seed: import exits $status: $(cat "$tmp/why")" >&2; exit 1 ;;
    esac
done
