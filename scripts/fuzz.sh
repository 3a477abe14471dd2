#!/usr/bin/env bash
# Installs what is missing, builds the fuzz target with clang and fuzzes the
# number reading for SECONDS seconds (default 60), starting from fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" clang-14 libclang-rt-14-dev
configure_and_build fuzz
work="$(mktemp -d)"
cp fuzz/corpus/* "$work/"
build-fuzz/fuzz/number_text_fuzz "$work" -max_total_time="$seconds" -max_len=128 \
    -artifact_prefix=build-fuzz/ -print_final_stats=1
