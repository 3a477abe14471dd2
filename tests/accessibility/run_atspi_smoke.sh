#!/usr/bin/env bash
# Starts Tervik under Xvfb with a session bus and the AT-SPI bus, then runs the
# smoke test against it from outside the process.
#   run_atspi_smoke.sh PATH-TO-TERVIK
set -euo pipefail
tervik="$1"
here="$(cd "$(dirname "$0")" && pwd)"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
exec xvfb-run -a dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 1
    "$1" &
    app=$!
    trap "kill $app 2>/dev/null" EXIT
    /usr/bin/python3 "$2/atspi_smoke.py"
' smoke "$tervik" "$here"
