#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with scripts/package from this build folder, checks its control
# fields and file list, unpacks it into a temporary root and runs --calc from there.
# Usage: debian_package_test.sh SOURCE_FOLDER BUILD_FOLDER VERSION WING_FILE
set -euo pipefail
source=$1 build=$2 version=$3 wing=$4

for tool in dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing, so no Debian package can be built or read (apt-get install dpkg-dev)"
        exit 77
    fi
done
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
WINGSHEET_BUILD="$build" "$source/scripts/package" "$work/out" >"$work/package.log" 2>&1 ||
    fail "scripts/package: $(tail -20 "$work/package.log")"
deb="$work/out/wingsheet_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb: $(ls "$work/out")"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = wingsheet ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = science ] || fail "Section: $(field Section)"
[ "$(field Maintainer)" = "Wingsheet team <wingsheet@example.org>" ] ||
    fail "Maintainer: $(field Maintainer)"
[[ "$(field Description)" == *'model aircraft'* ]] || fail "Description: $(field Description)"
# Every dependency by its package name, whatever version dpkg-shlibdeps found.
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//; s/t64$//')
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins \
    fonts-liberation fonts-dejavu-core libc6 libstdc++6; do
    grep -qx "$package" <<<"$depends" || fail "Depends lacks $package: $(field Depends)"
done

files=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for file in ./usr/bin/wingsheet ./usr/share/wingsheet/English.lng \
    ./usr/share/wingsheet/English.gif ./usr/share/applications/org.example.wingsheet.desktop \
    ./usr/share/icons/hicolor/48x48/apps/org.example.wingsheet.png \
    ./usr/share/icons/hicolor/scalable/apps/org.example.wingsheet.svg \
    ./usr/share/metainfo/org.example.wingsheet.metainfo.xml \
    ./usr/share/mime/packages/wingsheet.xml ./usr/share/man/man1/wingsheet.1.gz \
    ./usr/share/doc/wingsheet/copyright ./usr/share/doc/wingsheet/LICENSE; do
    grep -qx -- "$file" <<<"$files" || fail "the package lacks $file"
done
outside=$(grep -v -e '^\./usr/bin/' -e '^\./usr/share/' -e '^\./$' -e '^\./usr/$' <<<"$files" || true)
[ -z "$outside" ] || fail "the package installs outside /usr/bin and /usr/share: $outside"

dpkg-deb -x "$deb" "$work/root"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
mkdir -p "$HOME"
output=$("$work/root/usr/bin/wingsheet" --calc --lang English "$wing" 2>"$work/calc.err") ||
    fail "--calc from the unpacked package exited with $?: $(cat "$work/calc.err")"
grep -q '222.99 mm' <<<"$output" || fail "--calc printed no mean chord: $output"
echo "$(basename "$deb"): fields, $(wc -l <<<"$files") entries and --calc checked"
