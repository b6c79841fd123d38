#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs atspi_check.py against the real program on a virtual X server of its own (own_x_server.sh),
# inside a session bus of its own on which the accessibility bus starts when the program asks for
# it. Skipped, never passed, where a tool it needs is missing.
# Usage: atspi_test.sh VELMORA VELMORA_REPORT CASES_JSON
set -euo pipefail
python=/usr/bin/python3 # Debian's python, the one python3-pyatspi installs into

skip() {
    echo "SKIP: $1 (scripts/test installs it)"
    exit 77
}
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "${tool}" >/dev/null || skip "${tool} is missing"
done
"${python}" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is missing"

source "$(dirname "${BASH_SOURCE[0]}")/own_x_server.sh"

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-run-session -- "${python}" "$(dirname "${BASH_SOURCE[0]}")/atspi_check.py" "$@"
