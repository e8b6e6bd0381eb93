#!/usr/bin/env bash
# reliability-counts.sh BUILD_DIR: prints what the last ctest run in BUILD_DIR
# proved about the file layer (kills, files checked, writes cut off, inputs
# fuzzed) and how many sanitizer reports its tests wrote. ctest keeps a passing
# test's output only in its log, so CI reads the figures from there.
set -u
log="${1:-build}/Testing/Temporary/LastTest.log"
if [ ! -f "$log" ]; then
  echo "reliability counts: no test log in ${1:-build}" >&2
  exit 1
fi
echo "reliability counts ($log):"
# The kill test and the cut-off writes print "name<TAB>count" lines; the
# fuzz prints its inputs per reader.
# A test run under a switch of the file layer is named with its CTest name.
awk -F'\t' '
  /^"[^"]*" start time: / { run = $0; sub(/^"/, "", run); sub(/".*/, "", run) }
  /^\*\*\*\*\*\*\*\*\* Start testing of / { test = $0; sub(/.* of /, "", test); sub(/ .*/, "", test); if (run ~ /_no_/) test = test " (" run ")" }
  /^(seed|kills|edits under way at a kill|files checked|temporary files found and removed|device files found set aside for a deletion|device files found under a second name of a rename|step records found|writes cut off)\t/ { printf "  %s, %s: %s\n", test, $1, $2 }
  /^QINFO  : TestReaderFuzz::.*inputs fuzzed$/ { line = $0; sub(/^QINFO  : TestReaderFuzz::[A-Za-z]*\(\) /, "", line); printf "  TestReaderFuzz, %s\n", line }
  /^QINFO  : TestDeviceFileReads::.*inputs fuzzed/ { line = $0; sub(/^QINFO  : TestDeviceFileReads::[A-Za-z]*\(\) /, "", line); printf "  TestDeviceFileReads, %s\n", line }
' "$log"
reports=$(grep -cE '^(==[0-9]+==ERROR: (AddressSanitizer|LeakSanitizer)|.*: runtime error: )' "$log" || true)
echo "  sanitizer reports: ${reports:-0}"
