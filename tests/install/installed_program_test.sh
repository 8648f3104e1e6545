#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary root with DESTDIR, makes the installed tree read-only and
# runs the installed program with HOME and the XDG folders in a temporary home: --calc from the
# installed data, then the window's first start through the test seam (installed_window_tests).
# Whatever the run does, the installed tree must come out byte for byte as it went in, root or not.
# Usage: installed_program_test.sh BUILD_FOLDER WINDOW_TEST WING_FILE
set -euo pipefail
build=$1 window_test=$2 wing=$3

for tool in desktop-file-validate appstreamcli groff update-mime-database; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is missing (./test installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
root="$work/root"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# As after ./run, which builds the program alone: the install writes the man page itself.
page="$build/man/wingsheet.1.gz"
[ ! -f "$page" ] || mv "$page" "$work/built-page.gz"
installed=0
DESTDIR="$root" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 || installed=$?
[ ! -f "$work/built-page.gz" ] || mv "$work/built-page.gz" "$page"
[ "$installed" -eq 0 ] || fail "cmake --install without a built man page: $(tail -5 "$work/install.log")"

expected=(
    usr/bin/wingsheet
    usr/share/wingsheet/English.lng usr/share/wingsheet/English.gif
    usr/share/wingsheet/Deutsch.lng usr/share/wingsheet/AboutPlanform.jpg
    usr/share/applications/org.example.wingsheet.desktop
    usr/share/icons/hicolor/scalable/apps/org.example.wingsheet.svg
    usr/share/metainfo/org.example.wingsheet.metainfo.xml
    usr/share/mime/packages/wingsheet.xml
    usr/share/man/man1/wingsheet.1.gz
    usr/share/doc/wingsheet/README.md usr/share/doc/wingsheet/LICENSE
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x$size/apps/org.example.wingsheet.png")
done
for file in "${expected[@]}"; do
    [ -f "$root/$file" ] || fail "not installed: $file"
done
[ -x "$root/usr/bin/wingsheet" ] || fail "usr/bin/wingsheet is not executable"
# Nothing of the developer's: no tests, tools or benchmarks.
unexpected=$(find "$root/usr/bin" -type f ! -name wingsheet)
[ -z "$unexpected" ] || fail "installed besides the program: $unexpected"

# The desktop files as the desktop's own tools read them.
desktop-file-validate "$root/usr/share/applications/org.example.wingsheet.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.wingsheet.metainfo.xml" ||
    fail "appstreamcli validate"
warnings=$(zcat "$root/usr/share/man/man1/wingsheet.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
[ -z "$warnings" ] || fail "groff warns about the man page: $warnings"
# Whole outputs into variables first: with pipefail, a grep -q that stops reading early would
# make its writer fail on SIGPIPE.
manual=$(zcat "$root/usr/share/man/man1/wingsheet.1.gz")
grep -q -- '\\-\\-calc' <<<"$manual" || fail "the man page lacks the --help text"

# Another prefix: found from the executable's folder, and no wing-file type of its own.
DESTDIR="$work/elsewhere" cmake --install "$build" --prefix /opt/wingsheet >"$work/install.log"
[ ! -e "$work/elsewhere/opt/wingsheet/share/mime" ] || fail "the wing-file type outside /usr"
elsewhere=$(HOME="$work/elsewhere-home" "$work/elsewhere/opt/wingsheet/bin/wingsheet" --calc \
    --lang English "$wing")
grep -q '222.99 mm' <<<"$elsewhere" || fail "--calc from the prefix /opt/wingsheet"

# The system's file types with the wing's merged in, as the package's trigger merges them.
mime="$work/mime/mime"
mkdir -p "$mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$root/usr/share/mime/packages/wingsheet.xml" \
    "$mime/packages/"
update-mime-database "$mime"

# From here on the installation is read-only; root ignores that, so it is also compared after.
manifest() { (cd "$root" && find . -printf '%p %y %s %m %T@\n' | sort); }
chmod -R a-w "$root"
before=$(manifest)

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
mkdir -p "$HOME"
unset XDG_DATA_DIRS

output=$("$root/usr/bin/wingsheet" --calc --lang English "$wing" 2>"$work/calc.err") ||
    fail "--calc exited with $?: $(cat "$work/calc.err")"
grep -q '222.99 mm' <<<"$output" || fail "--calc printed no mean chord: $output"
! grep -q 'no language file' "$work/calc.err" || fail "$(cat "$work/calc.err")"
[ ! -e "$XDG_CONFIG_HOME/wingsheet" ] || fail "--lang is for one run: tz.ini was written"

# The window, through the seam; the wing-file type as a file manager sees it.
WINGSHEET_INSTALLED_ROOT="$root" XDG_DATA_DIRS="$work/mime" \
    QT_QPA_PLATFORM=offscreen "$window_test" || fail "the installed window tests"
[ -f "$XDG_CONFIG_HOME/wingsheet/tz.ini" ] || fail "tz.ini is not under XDG_CONFIG_HOME"

after=$(manifest)
[ "$before" = "$after" ] || fail "the run wrote into the installation: $(diff <(echo "$before") <(echo "$after"))"
echo "installed under $root: ${#expected[@]} files checked, nothing written into the installation"
