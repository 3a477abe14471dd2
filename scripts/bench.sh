#!/usr/bin/env bash
# Installs what is missing, builds optimized and runs every benchmark,
# printing the ratios the performance targets are stated in.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev
configure_and_build bench
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
QT_QPA_PLATFORM=offscreen build-bench/bench/tervik_bench --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true "$@"
