#!/usr/bin/env bash
# Plays the seeded random user for as long as asked, under the sanitizers:
#   scripts/soak.sh SEED COUNT
set -euo pipefail
cd "$(dirname "$0")/.."
seed="${1:-1}"
count="${2:-100000}"
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
configure_and_build asan
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
QT_QPA_PLATFORM=offscreen build-asan/tests/random_user "$seed" "$count"
