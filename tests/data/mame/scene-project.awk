# Writes NAME.eap and its side file NAME.eap.asm: a project with a scene,
# from these variables (bytes in hex):
#   name       the files' name
#   screen     the byte for 0x19F9: colour code, colour set (bit 3), 8-line cells (bit 7)
#   lines      sprites 1 to 4 in lines, "16-8-16-8"
#   colours    sprites 1 to 4's colour codes, "1-2-3-4"
#   positions  the 8 bytes for 0x18F0 to 0x18F7, "90,40,90,50,..."
#   shapes     frame 0 of sprites 1 to 4: four runs of 16 hex digits, comma-separated
#   cells      "-" (all blank, 80), "I=XX,..." (cell I over blanks), or 416 hex digits
#   udc        "-" (all 00) or 64 hex digits: characters 3C to 3F, 8 rows each
#   times      "-" (one frame a sprite, time 6) or each sprite's times, "1,2,3/4,1/6/6":
#              frames after the first get rows that differ from frame to frame
# Usage: awk -v name=... -f scene-project.awk
function item(v,    x) {
    x = sprintf("%02Xh", v)
    return (x ~ /^[A-F]/ ? "0" : "") x
}
function db(bytes, from,    s, i) {
    s = "      db          "
    for (i = 0; i < 8; ++i)
        s = s item(bytes[from + i]) (i < 7 ? "," : "")
    return s "\r\n"
}
function hex(text,    v, i) {
    v = 0
    for (i = 1; i <= length(text); ++i)
        v = 16 * v + index("0123456789ABCDEF", toupper(substr(text, i, 1))) - 1
    return v
}
function hexbytes(text, into, from,    i) {
    for (i = 0; 2 * i < length(text); ++i)
        into[from + i] = hex(substr(text, 2 * i + 1, 2))
}
BEGIN {
    split("Black Blue Red Majenta Green Cyan Yellow White", cname, " ")
    s = hex(screen)
    split(lines, size, "-"); split(colours, colour, "-")
    split(positions, pos, ","); for (i = 1; i <= 8; ++i) spos[i - 1] = hex(pos[i])
    split(shapes, shape, ",")
    for (i = 0; i < 208; ++i) cell[i] = 128
    if (cells ~ /=/) {
        n = split(cells, set, ",")
        for (i = 1; i <= n; ++i) { split(set[i], kv, "="); cell[kv[1] + 0] = hex(kv[2]) }
    } else if (cells != "-")
        hexbytes(cells, cell, 0)
    for (i = 0; i < 32; ++i) ch[i] = 0
    if (udc != "-") hexbytes(udc, ch, 0)
    for (k = 1; k <= 4; ++k) { count[k] = 1; t[k, 1] = 6 }
    if (times != "-") {
        split(times, each, "/")
        for (k = 1; k <= 4; ++k) {
            count[k] = split(each[k], one, ",")
            for (f = 1; f <= count[k]; ++f) t[k, f] = one[f]
        }
    }
    eap = name ".eap"; asm = name ".eap.asm"
    printf ";Screen-%s-%d\r\n", cname[s % 8 + 1], s % 8 > eap
    for (k = 1; k <= 4; ++k) {
        hexbytes(shape[k], rows, 0)
        printf "Sprite%d:\r\n;%s-%d\r\n%s", k, cname[colour[k] + 1], colour[k], db(rows, 0) > eap
    }
    printf ";Tilewright side file 2\r\n;TV-NTSC\r\n;Size-%s\r\n;Time-%d-%d-%d-%d\r\n", lines, t[1, 1], t[2, 1], t[3, 1], t[4, 1] > asm
    for (k = 1; k <= 4; ++k)
        for (f = 1; f < count[k]; ++f) {
            for (r = 0; r < 8; ++r) rows[r] = (37 * f + 29 * r + 101 * k + 7 * f * r + 1) % 256
            printf "S%dF%d:\r\n;Time-%d\r\n%s", k, f, t[k, f + 1], db(rows, 0) > asm
        }
    printf ";Scene-%d-%d\r\nSPOS:\r\n%s", (s >= 128 ? 8 : 16), int(s / 8) % 2, db(spos, 0) > asm
    printf "UDC:\r\n" > asm
    for (i = 0; i < 32; i += 8) printf "%s", db(ch, i) > asm
    printf "SCRN:\r\n" > asm
    for (i = 0; i < 208; i += 8) printf "%s", db(cell, i) > asm
}
