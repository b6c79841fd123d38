#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
# SPDX-License-Identifier: GPL-3.0-or-later

# Looks at Velmora the way a desktop and a package manager see it: installs the build into a
# temporary prefix (or builds and unpacks the Debian package) and runs one table of named checks
# on the result. Prints one line per check and "N passed, N failed" at the end.
# Usage: delivery_checks.sh install|validate|package|lintian BUILD_DIR CMAKE CPACK
set -uo pipefail
export LC_ALL=C.UTF-8

mode="$1" build="$2" cmake="$3" cpack="$4"
work="$(mktemp -d)"
trap 'rm -rf "${work}"' EXIT
passed=0
failed=0

# check NAME COMMAND...: one row of the table; the output of a failing command is shown indented.
check() {
    local name="$1"
    shift
    if "$@" >"${work}/check.log" 2>&1; then
        passed=$((passed + 1))
        echo "ok   ${name}"
    else
        failed=$((failed + 1))
        echo "FAIL ${name}"
        sed 's/^/     /' "${work}/check.log"
    fi
}

need() {
    command -v "$1" >/dev/null && return 0
    echo "SKIP: $1 is not installed (scripts/test installs it)"
    exit 77
}

# The value of KEY in the [Desktop Entry] group of FILE.
desktop_value() { sed -n "s/^$2=//p" "$1" | head -n 1; }

# "WIDTHxHEIGHT" from the header of a PNG file; fails when the file is no PNG.
png_size() {
    [ "$(od -An -tx1 -N8 "$1" | tr -d ' \n')" = "89504e470d0a1a0a" ] || return 1
    od -An -tu4 --endian=big -j16 -N8 "$1" | awk '{ print $1 "x" $2 }'
}

icon_has_size() {
    local file="$1/share/icons/hicolor/$2x$2/apps/$3.png" size
    size="$(png_size "${file}")" || { echo "${file}: missing or not a PNG"; return 1; }
    [ "${size}" = "$2x$2" ] || { echo "${file}: ${size} instead of $2x$2"; return 1; }
}

equals() {
    [ "$1" = "$2" ] && return 0
    echo "got '$1', want '$2'"
    return 1
}

contains() {
    grep -qF -- "$2" <<<"$1" && return 0
    echo "'$2' is not in: $1"
    return 1
}

is_cyrillic() {
    grep -qP '\p{Cyrillic}' <<<"$1" && return 0
    echo "no Cyrillic letter in '$1'"
    return 1
}

only_file() {
    local matches=("$1"/*"$2")
    [ ${#matches[@]} -eq 1 ] && [ -f "${matches[0]}" ] && echo "${matches[0]}"
}

install_into() {
    "${cmake}" --install "${build}" --prefix "$1" >"${work}/install.log" 2>&1 && return 0
    cat "${work}/install.log"
    echo "FAIL cmake --install into a temporary prefix"
    exit 1
}

# The checks that hold for any installed tree rooted at PREFIX: the files a desktop looks for,
# and that the entry, the metainfo and the icon name one another correctly.
check_tree() {
    local prefix="$1" entry="$1/share/applications/velmora.desktop" metainfo id
    check "program is installed and executable" test -x "${prefix}/bin/velmora"
    check "desktop entry is installed" test -f "${entry}"
    metainfo="$(only_file "${prefix}/share/metainfo" .metainfo.xml)"
    check "exactly one metainfo file is installed" test -n "${metainfo}"
    local size
    for size in 32 48 64 128 256; do
        check "icon ${size}x${size} is a PNG of that size" icon_has_size "${prefix}" "${size}" velmora
    done
    check "Exec starts the installed program" \
        test -x "${prefix}/bin/$(desktop_value "${entry}" Exec | cut -d' ' -f1)"
    check "Icon names the installed 32x32 icon" \
        icon_has_size "${prefix}" 32 "$(desktop_value "${entry}" Icon)"
    check "Categories are Education and Math" \
        equals "$(desktop_value "${entry}" Categories)" "Education;Math;"
    check "Name[bg] is Bulgarian" is_cyrillic "$(desktop_value "${entry}" 'Name\[bg\]')"
    check "Comment[bg] is Bulgarian" is_cyrillic "$(desktop_value "${entry}" 'Comment\[bg\]')"
    id="$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "${metainfo}")"
    check "metainfo file is named after its id" \
        equals "$(basename "${metainfo}")" "${id}.metainfo.xml"
    check "metainfo launches the installed desktop entry" \
        equals "$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' \
            "${metainfo}")" "$(basename "${entry}")"
}

check_validators() {
    need desktop-file-validate
    need appstreamcli
    local prefix="${work}/prefix"
    install_into "${prefix}"
    check "desktop-file-validate accepts the entry" \
        desktop-file-validate "${prefix}/share/applications/velmora.desktop"
    check "appstreamcli accepts the metainfo" \
        appstreamcli validate --no-net "$(only_file "${prefix}/share/metainfo" .metainfo.xml)"
    check "appstreamcli accepts the installed tree" \
        appstreamcli validate-tree --no-net "${prefix}"
}

# Exit status 124 means the program was still running, showing its window, when time ran out.
still_running_after() {
    local status=0
    QT_QPA_PLATFORM=offscreen timeout "$1" "$2" || status=$?
    equals "${status}" 124
}

# The caption of the window that PROGRAM shows on a virtual X server within ten seconds.
window_caption() {
    # shellcheck disable=SC2016 # expanded by the inner shell
    QT_QPA_PLATFORM=xcb xvfb-run -a bash -c '"$1" & pid=$!
        window="$(timeout 10 xdotool search --sync --onlyvisible --pid "${pid}" | head -n 1)"
        [ -n "${window}" ] && xdotool getwindowname "${window}"
        kill "${pid}"' _ "$1" 2>/dev/null
}

shows_its_window() {
    equals "$(window_caption "$1")" "Извеждане на сума от естествени числа словом - чрез текст"
}

no_missing_library() {
    local libraries
    libraries="$(ldd "$1")" || return 1
    ! grep 'not found' <<<"${libraries}"
}

# The Debian package of this build, made in the work folder; prints its path.
make_package() {
    need dpkg-deb
    need dpkg-shlibdeps
    "${cpack}" -G DEB --config "${build}/CPackConfig.cmake" -B "${work}/package" \
        >"${work}/cpack.log" 2>&1 || { cat "${work}/cpack.log"; echo "FAIL cpack -G DEB"; exit 1; }
    only_file "${work}/package" .deb
}

check_package() {
    local deb root="${work}/root"
    deb="$(make_package)"
    check "cpack made exactly one .deb" test -n "${deb}"
    [ -n "${deb}" ] || return
    dpkg-deb -x "${deb}" "${root}"
    check_tree "${root}/usr"
    local depends description
    depends="$(dpkg-deb -f "${deb}" Depends)"
    check "Depends names the Qt widgets library the program links" contains "${depends}" libqt6widgets6
    check "Depends names the C library" contains "${depends}" libc6
    description="$(dpkg-deb -f "${deb}" Description)"
    check "description is in English, quotes intact" contains "${description}" 'presses “Изчисли”.'
    check "description is in Bulgarian" contains "${description}" "учебна програма"
    check "no library of the program is missing" no_missing_library "${root}/usr/bin/velmora"
    check "unpacked program keeps its window open" still_running_after 3 "${root}/usr/bin/velmora"
    if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
        check "unpacked program shows its window on an X server" shows_its_window \
            "${root}/usr/bin/velmora"
    fi
}

check_lintian() {
    need lintian
    local deb
    deb="$(make_package)"
    check "lintian reports no error and no warning on the package" \
        lintian --fail-on error,warning "${deb}"
}

case "${mode}" in
    install)
        install_into "${work}/prefix"
        check_tree "${work}/prefix"
        ;;
    validate) check_validators ;;
    package) check_package ;;
    lintian) check_lintian ;;
    *)
        echo "unknown check: ${mode}"
        exit 2
        ;;
esac

echo "${passed} passed, ${failed} failed"
[ "${failed}" -eq 0 ] && [ "${passed}" -gt 0 ]
