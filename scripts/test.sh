#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
jobs=${JOBS:-$(nproc 2>/dev/null || echo 8)}
[ "$jobs" -gt 8 ] && jobs=8
ctest --test-dir build --output-on-failure -j"$jobs" "$@"
