#!/usr/bin/env bash
# Installs what is missing, builds and starts Tervik.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}"
configure_and_build run
exec build-run/app/tervik "$@"
