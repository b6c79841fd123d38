# SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the accessibility tests: a virtual X server of their own, on a display the server
# picks itself (-displayfd), so runs beside other X servers never collide. It never resets: by
# default Xvfb resets when its last client leaves, and the accessibility bus, which comes and goes
# before the program connects, would then leave the program no server to connect to. DISPLAY is
# set for the rest of the script, and the server ends with it.
velmora_x_work="$(mktemp -d)"
mkfifo "${velmora_x_work}/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"${velmora_x_work}/display" 2>"${velmora_x_work}/xvfb.log" &
velmora_xvfb=$!
trap 'kill "${velmora_xvfb}"; rm -rf "${velmora_x_work}"' EXIT
read -r velmora_display <"${velmora_x_work}/display" || {
    cat "${velmora_x_work}/xvfb.log"
    exit 1
}
export DISPLAY=":${velmora_display}"
