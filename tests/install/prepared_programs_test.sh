#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every program that the scripts, the tests and the benchmarks call comes from a package on the
# lists of scripts/prepare, or from one that every Debian has: on a fresh machine nothing is
# found missing halfway through ./test or scripts/package ("CPackDeb: file utility is not
# available"). Run after ./test has installed the lists, so each program is looked up too.
set -euo pipefail
source=$1
# What a fresh machine has: a user's own tools (pyenv's python3, say) do not count.
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

# program, the package that brings it, and the list it must be on ("base": Essential or
# required, in every Debian however minimal).
calls=(
    "cmake cmake run" "ninja ninja-build run" "g++ g++ run" "gzip gzip base"
    "cpack cmake package" "file file package" "dpkg-shlibdeps dpkg-dev package"
    "dpkg-deb dpkg base" "dpkg-query dpkg base" "apt-get apt base"
    "clang++ clang test" "clang-format clang-format test" "run-clang-tidy clang-tidy test"
    "ccache ccache test" "python3 python3 test" "pdfinfo poppler-utils test"
    "pdftotext poppler-utils test" "pdftocairo poppler-utils test"
    "cupsd cups test" "lpadmin cups test" "lpstat cups test"
    "desktop-file-validate desktop-file-utils test" "appstreamcli appstream test"
    "groff groff-base test" "update-mime-database shared-mime-info test"
    "Xvfb xvfb test" "xdpyinfo x11-utils test" "bc bc test"
    "sha1sum coreutils base" "mktemp coreutils base" "find findutils base" "diff diffutils base"
    "sed sed base" "grep grep base"
)

# The package that owns a program's file, whichever of the merged /usr and / names it has.
owner() {
    local file=$1 name found
    for name in "$file" "$(readlink -f "$file")" "${file/#\/usr/}"; do
        found=$(dpkg-query -S "$name" 2>/dev/null | head -n 1 | cut -d: -f1 | cut -d, -f1)
        [ -n "$found" ] && break
    done
    echo "$found"
}

declare -A lists
for list in run test package; do
    lists[$list]=$("$source/scripts/prepare" list "$list")
done

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for call in "${calls[@]}"; do
    read -r program package list <<<"$call"
    if [ "$list" = base ]; then
        fields=$(dpkg-query -W -f='${Essential} ${Priority}' "$package" 2>/dev/null || true)
        [[ "$fields" == yes* || "$fields" == *required ]] ||
            fail "$package ($program) is not in every Debian: put it on a list of scripts/prepare"
    elif ! grep -qx -- "$package" <<<"${lists[$list]}"; then
        fail "$program comes from $package, which is not on the $list list of scripts/prepare"
    fi
    path=$(command -v "$program") || {
        fail "$program is not installed (scripts/prepare $list)"
        continue
    }
    found=$(owner "$path")
    depends=$(dpkg-query -W -f='${Depends} ${Pre-Depends}' "$package" 2>/dev/null || true)
    [ -n "$found" ] && { [ "$found" = "$package" ] || grep -qw -- "$found" <<<"$depends"; } ||
        fail "$program is $path from ${found:-no package}, not from $package"
done
[ "$failures" -eq 0 ] || exit 1
echo "${#calls[@]} programs, each from a package scripts/prepare installs or every Debian has"
