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

work=$(mktemp -d)
server=
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# The screen the gallery pictures on, 1280 x 1024, on a free display.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "Xvfb did not start; see below" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi

# Nothing of the caller's desktop may change what the pictures show.
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING \
  QT_FONT_DPI QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM_PLUGIN_PATH XDG_CURRENT_DESKTOP \
  XDG_DOCUMENTS_DIR
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8 TZ=UTC
export DISPLAY=:$(tr -d '\n' <"$work/display") VARNEL_JOB_PICTURES=$out
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
