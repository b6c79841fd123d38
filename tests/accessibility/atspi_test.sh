#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs atspi_check.py against the real program on a virtual X server of its own, inside a session
# bus of its own on which the accessibility bus starts when the program asks for it. Xvfb picks a
# free display itself (-displayfd), so runs beside other X servers never collide. It never resets:
# by default Xvfb resets when its last client leaves, and the accessibility bus, which comes and
# goes before the program connects, would then leave the program no server to connect to.
# Skipped, never passed, where a tool it needs is missing.
# Usage: atspi_test.sh VELMORA VELMORA_REPORT CASES_JSON
set -euo pipefail
python=/usr/bin/python3 # Debian's python, the one python3-pyatspi installs into

skip() {
    echo "SKIP: $1 (scripts/setup installs it)"
    exit 77
}
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "${tool}" >/dev/null || skip "${tool} is missing"
done
"${python}" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is missing"

work="$(mktemp -d)"
mkfifo "${work}/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"${work}/display" 2>"${work}/xvfb.log" &
xvfb=$!
trap 'kill "${xvfb}"; rm -rf "${work}"' EXIT
read -r display <"${work}/display" || { cat "${work}/xvfb.log"; exit 1; }

export DISPLAY=":${display}" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-run-session -- "${python}" "$(dirname "${BASH_SOURCE[0]}")/atspi_check.py" "$@"
