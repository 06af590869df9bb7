# The bytes a sheet of tilewright-cli shapes shows, read back off its pixels
# (a binary PPM, as ImageMagick's convert makes one): SCALE pixels a block,
# shape i's pixel (c, r) the block at (1 + 9 (i % 16) + c, 1 + 9 (i // 16) + r),
# white a set bit and black a clear one. The shapes end at the first row of
# gap grey, which a row past the end of the binary is. Fails when a block is
# not solid, or a block between the shapes is not gap grey.
import sys

data = open(sys.argv[1], 'rb').read()
scale = int(sys.argv[2])
fields = data.split(maxsplit=4)
assert fields[0] == b'P6' and fields[3] == b'255', 'not an 8-bit binary PPM'
width, height, pixels = int(fields[1]), int(fields[2]), fields[4]
assert width % scale == 0 and height % scale == 0 and width // scale == 145, 'not a sheet of 16 shapes a row'
WHITE, BLACK, GREY = (255, 255, 255), (0, 0, 0), (0x60, 0x60, 0x60)


def block(bx, by):
    at = [3 * ((by * scale + y) * width + bx * scale + x) for y in range(scale) for x in range(scale)]
    seen = {tuple(pixels[a:a + 3]) for a in at}
    assert len(seen) == 1, 'block (%d, %d) is not solid' % (bx, by)
    return seen.pop()


shown = bytearray()
ended = False
for by in range(height // scale):
    for bx in range(width // scale):
        colour = block(bx, by)
        if bx % 9 == 0 or by % 9 == 0:
            assert colour == GREY, 'gap block (%d, %d) is %s' % (bx, by, colour)
for i in range(16 * (height // scale // 9)):
    for r in range(8):
        blocks = [block(1 + 9 * (i % 16) + c, 1 + 9 * (i // 16) + r) for c in range(8)]
        if blocks == [GREY] * 8:
            ended = True
            continue
        assert not ended and all(b in (WHITE, BLACK) for b in blocks), 'shape %d row %d is %s' % (i, r, blocks)
        shown.append(sum(128 >> c for c in range(8) if blocks[c] == WHITE))
sys.stdout.buffer.write(bytes(shown))
