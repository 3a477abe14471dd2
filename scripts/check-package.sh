#!/usr/bin/env bash
# Builds the .deb from an existing build folder, installs it with apt, starts
# the Exec line of its desktop entry under Xvfb, and removes it again.
#   scripts/check-package.sh [BUILD-FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
source scripts/deps.sh
ensure_packages dpkg-dev xvfb xauth
(cd "$build" && cpack -G DEB >/dev/null)
package="$(ls -t "$build"/tervik_*.deb | head -n 1)"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$package" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tervik >/dev/null' EXIT

exec_line="$(sed -n 's/^Exec=//p' /usr/share/applications/org.marnel.Tervik.desktop)"
status=0
QT_QPA_PLATFORM=xcb timeout 3 xvfb-run -a $exec_line || status=$?
if [ "$status" -ne 124 ]; then  # 124: still running when the time was up
    echo "package: $exec_line did not stay up (exit $status)"
    exit 1
fi
echo "package: 1 passed, 0 failed ($package installs and starts)"
