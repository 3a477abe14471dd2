#!/usr/bin/env bash
# Builds the .deb from an existing build folder, installs it with apt, checks
# the program its desktop entry starts on an X server as a user sees it, and
# removes the package again.
#   scripts/check-package.sh [BUILD-FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
source scripts/deps.sh
ensure_packages dpkg-dev "${TEST_PACKAGES[@]}"
ensure_spanish_locale
(cd "$build" && cpack -G DEB >/dev/null)
package="$(ls -t "$build"/tervik_*.deb | head -n 1)"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$package" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tervik >/dev/null' EXIT

exec_line="$(sed -n 's/^Exec=//p' /usr/share/applications/org.marnel.Tervik.desktop)"
installed="$(command -v "$exec_line")"
echo "package: checking $installed from $package"
bash tests/desktop/run_desktop_test.sh "$installed"
