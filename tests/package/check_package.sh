#!/usr/bin/env bash
# Builds the Debian package with cpack, unpacks it into a scratch root with
# dpkg -x, and checks it as installed: the package fields, the exact file
# list, the programs run from the root, the manual pages, the MIME type, and
# the desktop file and AppStream metainfo against their validators.
#
# Usage: check_package.sh CPACK CPACK_CONFIG VERSION DESKTOP_ID SCRATCH_DIR
set -euo pipefail
cpack=$1 config=$2 version=$3 id=$4 scratch=$5

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
for tool in "$cpack" dpkg-deb dpkg-shlibdeps file readelf desktop-file-validate appstreamcli update-mime-database groff; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/deps installs it)"
done
# The installed programs must run with nothing from the build: no display,
# no library path, no platform override.
bare=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LD_LIBRARY_PATH)

rm -rf "$scratch"
mkdir -p "$scratch/out" "$scratch/root" "$scratch/work"
root=$scratch/root

# --- Build ---------------------------------------------------------------
"$cpack" -G DEB --config "$config" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 || {
    cat "$scratch/cpack.log"
    fail "cpack could not build the package"
}
shopt -s nullglob
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one .deb, cpack made ${#debs[@]}"
deb=${debs[0]}
[ "$(basename "$deb")" = "tilewright_${version}_$(dpkg --print-architecture).deb" ] ||
    fail "unexpected package file name $(basename "$deb")"

# --- Control fields ------------------------------------------------------
echo "== $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Architecture Section Priority Maintainer Depends Recommends
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tilewright ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project is $version"
[ "$(field Section)" = graphics ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "the package has no Maintainer"
[ -n "$(dpkg-deb --field "$deb" Description | sed -n 2p)" ] || fail "the Description has no long text"
depends=", $(field Depends),"
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    [[ "$depends" == *", $package "* || "$depends" == *", $package,"* ]] || fail "Depends lacks $package"
done

# --- Files: exactly these, nothing of the build or the tests -------------
expected="./usr/bin/tilewright
./usr/bin/tilewright-cli
./usr/lib/tilewright/tilewright-cli-png.so
./usr/share/doc/tilewright/copyright
./usr/share/applications/$id.desktop
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/tilewright-cli.1.gz
./usr/share/man/man1/tilewright.1.gz
./usr/share/metainfo/$id.metainfo.xml
./usr/share/mime/packages/$id.xml"
actual=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | LC_ALL=C sort)
echo "== files"
echo "$actual"
[ "$actual" = "$(LC_ALL=C sort <<<"$expected")" ] ||
    fail "the file list differs:"$'\n'"$(diff <(LC_ALL=C sort <<<"$expected") <(echo "$actual"))"
dpkg -x "$deb" "$root"
for program in tilewright tilewright-cli; do
    [ -x "$root/usr/bin/$program" ] || fail "$program is not executable"
    ! readelf -d "$root/usr/bin/$program" | grep -Eq 'RPATH|RUNPATH' || fail "$program keeps a run path into the build"
    ! file "$root/usr/bin/$program" | grep -q 'not stripped' || fail "$program is not stripped"
    missing=$(ldd "$root/usr/bin/$program" | grep 'not found' || true)
    [ -z "$missing" ] || fail "$program needs libraries that are not installed: $missing"
done
file "$root/usr/share/icons/hicolor/256x256/apps/$id.png" | grep -q 'PNG image data, 256 x 256' ||
    fail "the PNG icon is not 256 x 256"

# --- The installed programs ----------------------------------------------
cli=$root/usr/bin/tilewright-cli
[ "$("${bare[@]}" "$cli" --version)" = "tilewright-cli $version" ] || fail "tilewright-cli --version"
[ "$("${bare[@]}" "$root/usr/bin/tilewright" --version)" = "Tilewright $version" ] || fail "tilewright --version"
cd "$scratch/work"
printf '%s\r\n' ';Screen-Blue-1' 'Ship:' ';Yellow-6' '      db          18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h' \
    'Alien:' ';Green-4' '      db          81h,42h,3Ch,5Ah,7Eh,24h,42h,81h' \
    'Sprite3:' ';White-7' '      db          00h,00h,00h,00h,00h,00h,00h,00h' \
    'Sprite4:' ';White-7' '      db          00h,00h,00h,00h,00h,00h,00h,00h' >ship.eap
summary=$("${bare[@]}" "$cli" check ship.eap) || fail "tilewright-cli check ship.eap failed"
echo "== tilewright-cli check ship.eap"
echo "$summary"
[ "$summary" = "ship.eap: screen Blue (1); Ship: Yellow (6), Alien: Green (4), Sprite3: White (7), Sprite4: White (7)" ] ||
    fail "unexpected summary"
# png loads its writer from ../lib/tilewright beside the program.
"${bare[@]}" "$cli" png ship.eap -o ship.png || fail "tilewright-cli png ship.eap failed"
file ship.png | grep -q 'PNG image data, 296 x 80' || fail "tilewright-cli png wrote $(file -b ship.png)"
head -n 7 ship.eap >short.eap
status=0
"${bare[@]}" "$cli" check short.eap 2>short.err || status=$?
[ "$status" = 1 ] || fail "check of a cut file exited $status, not 1"
grep -q '^short\.eap:8: ' short.err || fail "check of a cut file said: $(cat short.err)"

# --- Manual pages: clean roff, every command of --help documented ---------
for page in tilewright tilewright-cli; do
    warnings=$(zcat "$root/usr/share/man/man1/$page.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$page.1 has roff warnings: $warnings"
done
manual=$(zcat "$root/usr/share/man/man1/tilewright-cli.1.gz" | groff -man -Tascii -P-cbou 2>/dev/null)
commands=$("${bare[@]}" "$cli" --help | sed -n 's/^  \([a-z][a-z]*\) [A-Z].*/\1/p')
[ "$(wc -l <<<"$commands")" -ge 5 ] || fail "could not read the commands from tilewright-cli --help"
for command in $commands; do
    grep -Eq "^ {7}$command [A-Z]" <<<"$manual" || fail "tilewright-cli.1 does not document '$command'"
done
grep -q '^EXIT STATUS' <<<"$manual" || fail "tilewright-cli.1 has no EXIT STATUS"

# --- MIME type: the package's XML alone builds a database that knows .eap -
desktop=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
mime_type=$(sed -n 's/^MimeType=\([^;]*\);$/\1/p' "$desktop")
[ -n "$mime_type" ] || fail "the desktop file names no MIME type"
XDG_DATA_DIRS=$root/usr/share update-mime-database "$root/usr/share/mime" || fail "update-mime-database rejected the MIME package"
grep -qx "[0-9]*:$mime_type:\*\.eap" "$root/usr/share/mime/globs2" || fail "no *.eap glob for $mime_type"
grep -qx "$mime_type text/plain" "$root/usr/share/mime/subclasses" || fail "$mime_type is not a kind of text/plain"

# --- Desktop file and metainfo -------------------------------------------
grep -qx "Exec=tilewright %f" "$desktop" || fail "the desktop file does not run 'tilewright %f'"
grep -qx "Icon=$id" "$desktop" || fail "the desktop file's icon is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launches another desktop file"
grep -q "<mediatype>$mime_type</mediatype>" "$metainfo" || fail "metainfo does not provide $mime_type"
latest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$latest" = "$version" ] || fail "the newest release in the metainfo is $latest, the project is $version"

echo "== desktop-file-validate"
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
echo "${report:-(nothing to report)}"
! grep -Eq ': (error|warning): ' <<<"$report" || fail "desktop-file-validate warns"
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli validate"
echo "== appstreamcli validate-tree --no-net"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
echo "package checked"
