#!/usr/bin/env bash
# Builds the Debian package with cpack, unpacks it with dpkg -x into a scratch
# root and checks it as a user gets it: its exact file list, the programs run
# from there with nothing of the build or the session, its dependencies, its
# licence, no address that no one has checked, the manual pages, the MIME
# type, and the desktop files against their validators.
#
# Usage: check_package.sh CPACK CPACK_CONFIG VERSION DESKTOP_ID SCRATCH_DIR
set -euo pipefail
cpack=$1 config=$2 version=$3 id=$4 scratch=$5
root=$scratch/root share=$scratch/root/usr/share
fail() { echo "FAIL: $*" >&2; exit 1; }
bare=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LD_LIBRARY_PATH)
rm -rf "$scratch" && mkdir -p "$scratch/out" "$scratch/work"
cp "$(dirname "$0")/../../fuzz/corpus/ok-worked-example.eap" "$scratch/work/ship.eap" && cd "$scratch/work"

"$cpack" -G DEB --config "$config" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack could not build the package"; }
deb=$scratch/out/tilewright_${version}_$(dpkg --print-architecture).deb
depends=" $(dpkg-deb --field "$deb" Depends),"
for package in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    [[ $depends == *" $package "* || $depends == *" $package,"* ]] || fail "Depends lacks $package: $depends"; done
[ -z "$(dpkg-deb --field "$deb" Homepage)" ] || fail "the package names a Homepage"

files=(bin/tilewright bin/tilewright-cli lib/tilewright/plugins/tilewright-cli-picture.so share/applications/$id.desktop
       share/doc/tilewright/copyright share/icons/hicolor/{256x256/apps/$id.png,scalable/apps/$id.svg}
       share/man/man1/{tilewright,tilewright-cli}.1.gz share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml)
expected=$(printf './usr/%s\n' "${files[@]}" | LC_ALL=C sort)
actual=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "the file list differs:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"
dpkg -x "$deb" "$root"
! dpkg-deb --ctrl-tarfile "$deb" | tar -xO | grep -q ldconfig || fail "the package's scripts run ldconfig, with no library to register"

for program in tilewright tilewright-cli; do
    ! readelf -d "$root/usr/bin/$program" | grep -Eq 'RPATH|RUNPATH' || fail "$program keeps a run path into the build"
    [[ $("${bare[@]}" "$root/usr/bin/$program" --version) == *" $version" ]] || fail "$program --version"; done
"${bare[@]}" "$root/usr/bin/tilewright-cli" check ship.eap || fail "tilewright-cli check ship.eap"
# png loads its picture module from ../lib/tilewright/plugins beside the program.
"${bare[@]}" "$root/usr/bin/tilewright-cli" png ship.eap -o ship.png && file ship.png | grep -q 'PNG image data' ||
    fail "tilewright-cli png ship.eap"
for page in "$share"/man/man1/*.gz; do
    warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1) && [ -z "$warnings" ] || fail "$page: $warnings"; done

grep -qx 'License: MIT' "$share/doc/tilewright/copyright" || fail "the copyright file does not name MIT"
metainfo=$share/metainfo/$id.metainfo.xml
grep -q '<project_license>MIT</project_license>' "$metainfo" && grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "the metainfo does not name the licence MIT or has no release $version"
known=(http://www.freedesktop.org/standards/shared-mime-info http://www.w3.org/2000/svg
       https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/)
unknown=$(set +o pipefail; find "$root" -type f -exec zcat -f {} + |
          grep -aEo 'https?://[^ <>"]+|[[:alnum:]._-]+@[[:alnum:]-]+\.[[:alpha:].]+' |
          grep -vxF -f <(printf '%s\n' "${known[@]}") | sort -u)
[ -z "$unknown" ] || fail "addresses no one has checked are installed: $unknown"

type=$(sed -n 's/^MimeType=\([^;]*\);$/\1/p' "$share/applications/$id.desktop")
XDG_DATA_DIRS=$share update-mime-database "$share/mime" || fail "update-mime-database rejected the MIME package"
grep -qx "[0-9]*:$type:\*\.eap" "$share/mime/globs2" || fail "the desktop file's type '$type' has no *.eap glob"
report=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1) &&
    ! grep -Eq ': (error|warning|hint): ' <<<"$report" || fail "desktop-file-validate: $report"
# The metainfo on its own and with the desktop file and icon it names.
appstreamcli validate-tree --no-net --explain "$root" || fail "appstreamcli validate-tree"
