#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs orca_check.py on a virtual X server of its own (own_x_server.sh), inside a session bus of
# its own, on which the accessibility bus starts when Orca asks for it. Skipped, never passed, where a
# tool it needs is missing, and the page's run where the page has not been built.
# Usage: orca_test.sh window VELMORA VELMORA_REPORT
#        orca_test.sh page VELMORA_HTML VELMORA_REPORT CHROMIUM_JS
set -euo pipefail
python=/usr/bin/python3 # Debian's python, the one orca and python3-pyatspi install into

skip() {
    echo "SKIP: $1"
    exit 77
}
for tool in Xvfb dbus-run-session xdotool pgrep /usr/libexec/at-spi-bus-launcher /usr/bin/orca \
    /usr/lib/speech-dispatcher-modules/sd_dummy; do
    command -v "${tool}" >/dev/null || skip "${tool} is missing (scripts/test installs it)"
done
"${python}" -c 'import pyatspi' 2>/dev/null ||
    skip "python3-pyatspi is missing (scripts/test installs it)"
if [ "$1" = page ]; then
    [ -x /usr/bin/chromium ] || skip "/usr/bin/chromium is missing (scripts/test installs it)"
    [ -f "$2" ] || skip "no page at $2 (scripts/web builds it)"
fi

source "$(dirname "${BASH_SOURCE[0]}")/own_x_server.sh"

export LC_ALL=C.UTF-8
dbus-run-session -- "${python}" "$(dirname "${BASH_SOURCE[0]}")/orca_check.py" "$@"
