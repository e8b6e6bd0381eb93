#!/usr/bin/env bash
# Configures (once) and builds the project into build/. Incremental.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=${JOBS:-$(nproc 2>/dev/null || echo 8)}
[ "$jobs" -gt 8 ] && jobs=8
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build -j"$jobs"
