#!/usr/bin/env bash
# Builds the whole project and its tests under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs every test there. Any
# sanitizer report ends its test with a failure, and so the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=${JOBS:-$(nproc 2>/dev/null || echo 8)}
[ "$jobs" -gt 8 ] && jobs=8
started=$(date +%s)

if [ ! -f build-asan/build.ninja ]; then
  launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  # -O1 keeps the instrumented tests quick enough; -g gives the reports lines.
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_FLAGS_DEBUG="-O1 -g" -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
    -DVARNEL_SANITIZE=ON "${launcher[@]}"
fi

supp="$PWD/tests/sanitizers"
# Tools run while building (icons, manuals) are instrumented too; a leak in a
# build-time tool is not the program's, so only the tests check for leaks.
ASAN_OPTIONS=detect_leaks=0 cmake --build build-asan -j"$jobs"

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
status=0
ctest --test-dir build-asan --output-on-failure -j"$jobs" "$@" || status=$?
echo "sanitized build and suite: $(( $(date +%s) - started )) s"
exit $status
