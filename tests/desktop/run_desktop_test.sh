#!/usr/bin/env bash
# Starts Tervik on an X server (Xvfb) in a Spanish locale, with a session bus
# and the AT-SPI bus, and checks from outside the process what a user, a
# screen reader and the window manager see.
#   run_desktop_test.sh PATH-TO-TERVIK
set -euo pipefail
tervik="$1"
here="$(cd "$(dirname "$0")" && pwd)"
unset QT_QPA_PLATFORM  # as on a desktop: Qt finds the X server through DISPLAY
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
export LC_ALL=es_ES.UTF-8
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
# Xvfb picks a free display itself and says which when it is ready, so two
# runs at once never take the same one.
scratch="$(mktemp -d)"
# Its second screen is a common projector's, 1280 × 800.
Xvfb -displayfd 3 -screen 0 1024x768x24 -screen 1 1280x800x24 -nolisten tcp \
    3>"$scratch/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 1
    "$1" &
    app=$!
    trap "kill $app 2>/dev/null" EXIT
    /usr/bin/python3 "$2/desktop_test.py" "$1"
' desktop "$tervik" "$here"
