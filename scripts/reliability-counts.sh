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
# The kill test and the cut-off writes print "name<TAB>count" lines, under the
# name of their CTest run (a test runs again under each test switch of the
# file layer, as <test>_no_tmpfile and <test>_no_hard_links); the fuzz prints
# its inputs per reader.
awk -F'\t' '
  /^[0-9]+\/[0-9]+ Test: / { test = $0; sub(/^[0-9]+\/[0-9]+ Test: /, "", test) }
  /^(seed|kills|edits under way at a kill|files checked|temporary files found and removed|cut-off temporary files found and removed|device files found set aside for a deletion|device files found under a second name of a rename|step records found|writes cut off)\t/ { printf "  %s, %s: %s\n", test, $1, $2 }
  /^QINFO  : TestReaderFuzz::.*inputs fuzzed$/ { line = $0; sub(/^QINFO  : TestReaderFuzz::[A-Za-z]*\(\) /, "", line); printf "  TestReaderFuzz, %s\n", line }
  /^QINFO  : TestDeviceFileReads::.*inputs fuzzed/ { line = $0; sub(/^QINFO  : TestDeviceFileReads::[A-Za-z]*\(\) /, "", line); printf "  TestDeviceFileReads, %s\n", line }
' "$log"
reports=$(grep -cE '^(==[0-9]+==ERROR: (AddressSanitizer|LeakSanitizer)|.*: runtime error: )' "$log" || true)
echo "  sanitizer reports: ${reports:-0}"
