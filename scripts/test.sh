#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, checks the format
# and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

configure_and_build build -DTERVIK_WERROR=ON -DTERVIK_BUILD_TESTS=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
