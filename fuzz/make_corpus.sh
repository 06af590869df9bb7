#!/usr/bin/env bash
# Writes the fuzzer's seed corpus: project files as Save writes them, as people
# hand-edit them, and as they arrive broken. A file named ok-* must load and
# one named bad-* must be refused; tests/data/reader.txt holds every file to
# what it must give, and the test fails on a seed without a row.
# Usage: fuzz/make_corpus.sh [DIR]   (default fuzz/corpus; existing files are rewritten)
set -euo pipefail
out=${1:-"$(dirname "$0")/corpus"}
mkdir -p "$out"

P='      db          ' # the 18-character prefix of a db line
CRLF='\r\n'
ZERO="${P}00h,00h,00h,00h,00h,00h,00h,00h"

worked=(";Screen-Blue-1"
        "Ship:" ";Yellow-6" "${P}18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h"
        "Alien:" ";Green-4" "${P}81h,42h,3Ch,5Ah,7Eh,24h,42h,81h"
        "Sprite3:" ";White-7" "$ZERO"
        "Sprite4:" ";White-7" "$ZERO")

# lines END LINE... : each line (backslash escapes allowed) followed by END.
lines() {
    local end=$1
    shift
    local line
    for line in "$@"; do printf '%b%b' "$line" "$end"; done
}

# worked_with N TEXT: the worked example with line N replaced.
worked_with() {
    local copy=("${worked[@]}")
    copy[$1 - 1]=$2
    lines "$CRLF" "${copy[@]}"
}

# utf16le TEXT: each byte of TEXT followed by a NUL, as a UTF-16 editor saves ASCII.
utf16le() {
    local text=$1 i
    for ((i = 0; i < ${#text}; ++i)); do printf '%s\0' "${text:i:1}"; done
}

w() { cat >"$out/$1"; }

# Files that load.
lines "$CRLF" "${worked[@]}" | w ok-worked-example.eap
lines "$CRLF" ";Screen-Black-0" \
    "Sprite1:" ";White-7" "$ZERO" "Sprite2:" ";White-7" "$ZERO" \
    "Sprite3:" ";White-7" "$ZERO" "Sprite4:" ";White-7" "$ZERO" | w ok-new-project.eap
lines '\n' "${worked[@]}" | w ok-lf-only.eap
lines '\r' "${worked[@]}" | w ok-cr-only.eap
{ lines '\n' "${worked[@]:0:4}"; lines '\r' "${worked[@]:4:4}"; lines "$CRLF" "${worked[@]:8}"; } | w ok-mixed-line-ends.eap
lines "$CRLF" "${worked[@]}" | head -c -2 | w ok-no-final-line-end.eap
{ printf '\xef\xbb\xbf'; lines "$CRLF" "${worked[@]}"; } | w ok-utf8-bom.eap
{ lines "$CRLF" "${worked[@]}"; printf ';more\r\nExtra:\r\n;Red-2\r\n%s\r\n' "$ZERO"; } | w ok-extra-lines.eap
{ lines "$CRLF" "${worked[@]}"; printf 'trailing text without a line end'; } | w ok-trailing-text.eap
worked_with 4 "${P}0ffh,0a5h,ffh,3ch,7eh,0c0h,0bh,a1h" | w ok-lower-case-items.eap
worked_with 4 "${P}0A0h,0B1h,0C2h,0D3h,0E4h,0F5h,0AAh,0FFh" | w ok-all-letter-bytes.eap
worked_with 4 "${P}h,5h,0ABCh,xyzh,0Ah,ABh,Gh,  12h" | w ok-odd-items.eap
worked_with 4 "xxxxxxxxxxxxxxxxxx18x,3C?,7E ,0FF.,0FFh,7Eh,3Ch,18h" | w ok-other-prefix-and-suffixes.eap
worked_with 4 "${P}18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h,99h,0AAh,,junk" | w ok-extra-items.eap
worked_with 2 "SpaceShipOne:" | w ok-long-name.eap
worked_with 2 "$(printf 'N%.0s' {1..2000}):" | w ok-very-long-label.eap
worked_with 2 'Caf\xe9:' | w ok-latin1-name.eap
worked_with 2 '\xff\xfe\xe0\xe1\xe2\xe3\xe4\xe5\xe6\xe7:' | w ok-latin1-long-name.eap
worked_with 2 'N\x00m\x01:' | w ok-control-characters-in-name.eap
worked_with 2 "Ship" | w ok-label-without-colon.eap
worked_with 2 ":" | w ok-empty-name.eap
worked_with 2 "Ship,Alien;db:" | w ok-name-with-separators.eap
worked_with 1 ";Screen-Nothing-8" | w ok-screen-8.eap
worked_with 1 ";Screen-Nothing-9" | w ok-screen-9.eap
worked_with 1 ";Screen-Blue-x" | w ok-screen-letter.eap
worked_with 1 "" | w ok-empty-screen-line.eap
{ printf '7\r\n'; lines "$CRLF" "${worked[@]:1}"; } | w ok-bare-screen-digit.eap
worked_with 3 ";Nothing-8" | w ok-colour-8.eap
worked_with 6 "9" | w ok-colour-9-bare.eap
worked_with 9 ";Green-4;Red-2" | w ok-colour-last-digit-counts.eap

# Files that must be refused.
: | w bad-empty.eap
printf ';Screen-Blue-1\r\n' | w bad-one-line.eap
lines "$CRLF" "${worked[@]:0:2}" | w bad-two-lines.eap
lines "$CRLF" "${worked[@]:0:7}" | w bad-seven-lines.eap
lines "$CRLF" "${worked[@]:0:12}" | w bad-twelve-lines.eap
lines "$CRLF" "${worked[@]}" | head -c 270 | w bad-cut-in-last-db-line.eap
printf '\r\n%.0s' {1..13} | w bad-only-line-ends.eap
{ printf ';Screen-Blue-1\r\n\r\n'; lines "$CRLF" "${worked[@]:1}"; } | w bad-blank-line-after-screen.eap
lines '\r\r\n' "${worked[@]}" | w bad-doubled-cr.eap
worked_with 5 "" | w bad-empty-label.eap
worked_with 3 ";Yellow-x" | w bad-colour-letter.eap
worked_with 6 "" | w bad-empty-colour-line.eap
worked_with 9 ";White-7 " | w bad-colour-trailing-space.eap
worked_with 4 "${P}18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch" | w bad-seven-items.eap
worked_with 7 "${P},42h,3Ch,5Ah,7Eh,24h,42h,81h" | w bad-nothing-after-prefix.eap
worked_with 10 "${P}00h,00h,,00h,00h,00h,00h,00h" | w bad-empty-item.eap
worked_with 13 "${P}00h,00h,00h,00h,00h,00h,00h," | w bad-empty-last-item.eap
worked_with 4 "  db 18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h" | w bad-short-prefix.eap
worked_with 4 "${P}18h 3Ch 7Eh 0FFh 0FFh 7Eh 3Ch 18h" | w bad-items-without-commas.eap
utf16le "$(lines "$CRLF" "${worked[@]}")" | w bad-utf16le.eap
printf '\x7fELF\x02\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x03\x00\x3e\x00\x01\x00\x00\x00\r\n\xff\xfe\x00\x01\n\x80\x81\r' \
    | w bad-binary-garbage.eap
printf '\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR\x00\x00\x00\x08\x00\x00\x00\x08\x08\x02\x00\x00\x00' | w bad-png-header.eap
