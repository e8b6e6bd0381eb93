#!/usr/bin/env bash
# Takes a picture of each step of the planning-job test, in English and in
# Chinese, on a virtual screen:
#
#     tests/e2e/pictures.sh OUTDIR
#
# writes OUTDIR/en/*.png and OUTDIR/zh/*.png, each named after its stage and
# step (pictures left there by an earlier run are removed first). Builds
# tst_planningjob first (incrementally) in BUILD_DIR, build/ by default.
# Needs Xvfb and the fonts the interface falls back to (fonts-wqy-microhei).
# Exits non-zero when the test fails or a picture could not be taken.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
build_dir=${BUILD_DIR:-$source_dir/build}
out=$1
mkdir -p "$out"
out=$(cd "$out" && pwd)

cmake --build "$build_dir" --target tst_planningjob >/dev/null
job=$build_dir/tests-bin/tst_planningjob

source "$source_dir/tests/gallery/xvfb.sh"
steady_desktop
start_display job
export DISPLAY=:$display VARNEL_JOB_PICTURES=$out
rm -rf "${out:?}/en" "${out:?}/zh"

status=0
"$job" >"$work/job.log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  echo "tst_planningjob failed; its log:" >&2
  grep -v '^QDEBUG\|^qeb \|current x\|globlePos' "$work/job.log" >&2 || true
fi
printf 'pictures in %s (en: %d, zh: %d)\n' "$out" \
  "$(find "$out/en" -name '*.png' 2>/dev/null | wc -l)" \
  "$(find "$out/zh" -name '*.png' 2>/dev/null | wc -l)"
exit $status
