#!/usr/bin/env bash
# Installs what is missing, checks the format, builds with warnings as errors
# and runs every test, each in a point-decimal and in a comma-decimal locale;
# then runs them again, the random user with 20,000 events among them, under
# AddressSanitizer and UndefinedBehaviorSanitizer; last, builds the .deb,
# installs it and checks the installed program on an X server.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
ensure_spanish_locale
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# The sources, from a checkout or from a tarball alike.
find . \( -path './build*' -o -path './.*' \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror

for preset in default asan; do
    configure_and_build "$preset"
    ctest --preset "$preset" -j"$(nproc)"
done
bash scripts/check-package.sh build
