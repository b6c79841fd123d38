#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program end to end, as a pupil uses it: on a virtual X server it types the operands of
# each case into the window, presses "Изчисли", selects and copies the report box, reads the
# clipboard and compares it with the whole report the case expects (the window copies CR LF).
# Skips with exit code 77 where a tool it needs is missing.
#   velmora_e2e.sh PROGRAM
set -euo pipefail
export LC_ALL=C.UTF-8

readonly skip=77

# Points inside the controls, in the client area of the window.
readonly first_box=(300 190)
readonly second_box=(300 221)
readonly compute_button=(556 309)
readonly report_box=(200 340)

# Types TEXT into the box at X Y, replacing what it holds; "<as started>" leaves the box alone.
type_into() {
    local window="$1" x="$2" y="$3" text="$4"
    [ "${text}" = "<as started>" ] && return 0
    xdotool mousemove --window "${window}" "${x}" "${y}" click 1
    xdotool key ctrl+a BackSpace
    if [ -n "${text}" ]; then
        xdotool type --delay 25 -- "${text}"
    fi
}

# Copies the report box into FILE through the clipboard; a marker put there first tells a copy
# that has not arrived yet from one that has.
copy_report() {
    local window="$1" file="$2" marker="(nothing copied)"
    printf '%s' "${marker}" | xclip -selection clipboard -i
    xdotool mousemove --window "${window}" "${report_box[@]}" click 1
    xdotool key ctrl+a ctrl+c
    for _ in $(seq 50); do
        xclip -selection clipboard -o >"${file}" 2>/dev/null || true
        [ "$(cat "${file}")" != "${marker}" ] && return 0
        sleep 0.1
    done
    return 1
}

# Shows each CR as "\r" and the end of the text as "<end>", so that a missing or extra line break
# or blank at a line end can be seen in a diff.
visible_line_ends() {
    sed 's/\r/\\r/g' "$1"
    echo "<end>"
}

# The cases of the end-to-end test, in the order they run in one window, from the table the web
# tests share: what to type into each operand box ("<as started>" types nothing) and the report.
read_cases() {
    /usr/bin/python3 -c '
import json, sys
for case in json.load(open(sys.argv[1], encoding="utf-8")):
    for field in ("name", "first", "second", "report"):
        sys.stdout.write(case[field] + "\0")
' "$1"
}

passed=0
failed=0

# NAME FIRST SECOND EXPECTED: one computation and the whole report it must give.
check() {
    local name="$1" first="$2" second="$3" expected="$4"
    type_into "${window}" "${first_box[@]}" "${first}"
    type_into "${window}" "${second_box[@]}" "${second}"
    xdotool mousemove --window "${window}" "${compute_button[@]}" click 1
    printf '%s' "${expected}" >"${work}/expected"
    if copy_report "${window}" "${work}/actual" && cmp -s "${work}/expected" "${work}/actual"; then
        passed=$((passed + 1))
        echo "ok: ${name}"
    else
        failed=$((failed + 1))
        echo "FAILED: ${name}"
        diff <(visible_line_ends "${work}/expected") <(visible_line_ends "${work}/actual") || true
    fi
}

run_cases() {
    local program="$1"
    work="$(mktemp -d)"
    QT_QPA_PLATFORM=xcb "${program}" &
    velmora_pid=$!
    trap 'kill "${velmora_pid}" 2>/dev/null || true; wait "${velmora_pid}" 2>/dev/null || true
          rm -rf "${work}"' EXIT
    window="$(timeout 20 xdotool search --sync --onlyvisible --pid "${velmora_pid}" | head -n 1)"
    [ -n "${window}" ] || { echo "FAILED: the window of ${program} did not appear"; exit 1; }
    sleep 0.5  # let the window take its first events

    # The cases, shared with the web tests, arrive as NUL-ended fields: name, first, second, report.
    local name first second report
    while IFS= read -r -d '' -u 3 name && IFS= read -r -d '' -u 3 first &&
        IFS= read -r -d '' -u 3 second && IFS= read -r -d '' -u 3 report; do
        check "${name}" "${first}" "${second}" "${report}"
    done 3< <(read_cases "$(dirname "${BASH_SOURCE[0]}")/cases.json")
    [ $((passed + failed)) -gt 0 ] || { echo "FAILED: no case was read"; failed=1; }

    kill -0 "${velmora_pid}" 2>/dev/null || { echo "FAILED: the program ended"; failed=$((failed + 1)); }
    echo "${passed} passed, ${failed} failed"
    [ "${failed}" -eq 0 ]
}

if [ "${1:-}" = "--inside-x" ]; then
    run_cases "$2"
    exit
fi

program="${1:?usage: velmora_e2e.sh PROGRAM}"
for tool in xvfb-run xauth Xvfb xdotool xclip /usr/bin/python3; do
    if ! command -v "${tool}" >/dev/null; then
        echo "SKIP: ${tool} is not installed; the end-to-end test needs xvfb-run, xauth, Xvfb," \
            "xdotool, xclip and python3 (packages xvfb, xauth, xdotool, xclip, python3)"
        exit "${skip}"
    fi
done
timeout 300 xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-x "${program}"
