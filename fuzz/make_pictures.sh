#!/usr/bin/env bash
# Writes the picture import fuzzer's seeds: the test pictures (among them a
# header of 4000 x 4000 pixels before data that is no picture, a GIF whose
# screen is far larger than its one frame, PNGs whose image data or text
# inflate past what they need, a GIF whose codes stand for more pixels than
# its frame, a BMP with more RLE data than its pixels can need), a sheet png draws (with the project in its text), a sheet of
# frames and a sheet with the side file's text too, the plain
# picture in every other format import reads and in its other encodings (RLE
# BMP, text netpbm, interlaced GIF), in formats it refuses (ICO, JPEG, XPM,
# XBM: they must stay refused), the largest sheet import takes, and a PNG
# whose text chunk claims 2 GiB.
# Usage: fuzz/make_pictures.sh CLI [DIR]   (CLI: a built tilewright-cli;
# DIR: default fuzz/pictures; existing files are rewritten). Needs ImageMagick.
set -euo pipefail
cli=$1
src=$(cd "$(dirname "$0")/.." && pwd)
out=${2:-"$src/fuzz/pictures"}
mkdir -p "$out"

cp "$src"/tests/data/pictures/*.png "$src"/tests/data/pictures/*.gif "$src"/tests/data/pictures/*.bmp "$src"/tests/data/worked-example-sheet*.png "$out"/
"$cli" png "$src/fuzz/corpus/ok-worked-example.eap" -o "$out/sheet-with-text.png" --scale 2
"$cli" png "$src/tests/data/side/frames.eap" -o "$out/frames-sheet-with-texts.png" --frames --scale 2
"$cli" png "$src/tests/data/side/frames.eap" -o "$out/sheet-with-side-text.png"
plain=$src/tests/data/pictures/plain-side-by-side.png
for format in bmp gif jpg ppm pgm pbm xpm xbm ico; do
    convert "$plain" "$out/plain.$format"
done
convert "$plain" -type Palette -compress RLE bmp3:"$out/plain-rle.bmp"
convert "$plain" -interlace GIF "$out/plain-interlaced.gif"
for format in ppm pgm pbm; do
    convert "$plain" -compress none "$out/plain-text.$format"
done
# The costliest valid import within -max_len: the largest sheet import takes
# (4070 x 1100 pixels, scale 110), with the project's text chunk put back in.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$cli" png "$src/fuzz/corpus/ok-worked-example.eap" -o "$tmp/small.png" --scale 1
convert "$tmp/small.png" -filter point -resize 4070x1100 -strip -type Palette png8:"$tmp/large.png"
python3 - "$tmp/small.png" "$tmp/large.png" "$out/largest-sheet-with-text.png" <<'PY'
import struct, sys
def chunks(data):
    at = 8
    while at < len(data):
        length = struct.unpack('>I', data[at:at + 4])[0]
        yield data[at + 4:at + 8], data[at:at + 12 + length]
        at += 12 + length
small, large = (open(name, 'rb').read() for name in sys.argv[1:3])
text = b''.join(chunk for kind, chunk in chunks(small) if kind in (b'tEXt', b'zTXt', b'iTXt'))
with open(sys.argv[3], 'wb') as out:
    out.write(large[:8])
    for kind, chunk in chunks(large):
        out.write(chunk + (text if kind == b'IHDR' else b''))
PY
# A text chunk that claims 2 GiB, after the sheet's signature and header.
{ head -c 33 "$plain"; printf '\177\377\377\377tEXtTitle\0a'; } >"$out/lying-text-chunk.png"
