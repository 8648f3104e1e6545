#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every program that the scripts, the tests and the benchmarks call (beyond what every Debian
# has) comes from a package on the lists of scripts/prepare, so on a fresh machine nothing is
# missing halfway through ./test or scripts/package ("CPackDeb: file utility is not available").
set -euo pipefail
source=$1
# What a fresh machine has: a user's own tools (pyenv's python3, say) do not count.
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

# program, the package that brings it, the list of scripts/prepare it must be on
calls=(
    "cmake cmake run" "ninja ninja-build run" "g++ g++ run"
    "cpack cmake package" "file file package" "dpkg-shlibdeps dpkg-dev package"
    "clang++ clang test" "clang-format clang-format test" "run-clang-tidy clang-tidy test"
    "ccache ccache test" "python3 python3 test" "pdfinfo poppler-utils test"
    "pdftotext poppler-utils test" "pdftocairo poppler-utils test"
    "cupsd cups test" "lpadmin cups test" "lpstat cups test"
    "desktop-file-validate desktop-file-utils test" "appstreamcli appstream test"
    "groff groff-base test" "update-mime-database shared-mime-info test"
    "Xvfb xvfb test" "xdpyinfo x11-utils test" "bc bc test"
)

# The package that owns a file, under whichever of its merged /usr and / names dpkg knows.
owner() {
    local name found=""
    for name in "$1" "$(readlink -f "$1")" "${1/#\/usr/}"; do
        found=$(dpkg-query -S "$name" 2>/dev/null | head -n 1 | cut -d: -f1 | cut -d, -f1)
        [ -z "$found" ] || break
    done
    echo "$found"
}

failures=0
for call in "${calls[@]}"; do
    read -r program package list <<<"$call"
    problem=""
    if ! grep -qx -- "$package" <<<"$("$source/scripts/prepare" list "$list")"; then
        problem="$package is not on the $list list of scripts/prepare"
    elif ! path=$(command -v "$program"); then
        problem="not installed (scripts/prepare $list)"
    else
        found=$(owner "$path")
        depends=$(dpkg-query -W -f='${Depends} ${Pre-Depends}' "$package")
        [ -n "$found" ] && { [ "$found" = "$package" ] || grep -qw -- "$found" <<<"$depends"; } ||
            problem="$path is from ${found:-no package}, not from $package"
    fi
    [ -z "$problem" ] || { echo "FAIL: $program: $problem"; failures=$((failures + 1)); }
done
[ "$failures" -eq 0 ] || exit 1
echo "${#calls[@]} programs, each from a package that scripts/prepare installs"
