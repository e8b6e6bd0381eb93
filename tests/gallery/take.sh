#!/usr/bin/env bash
# Takes the gallery's pictures of every window and dialog, in English and in
# Chinese, each language on a display of its own:
#
#     tests/gallery/take.sh OUTDIR
#
# writes OUTDIR/en/*.png and OUTDIR/zh/*.png (pictures left there by an
# earlier run are removed first). Builds window_gallery and the program
# folder it copies first (incrementally) in BUILD_DIR, build/ by default.
# Needs Xvfb, and the fonts the interface falls back to
# (fonts-wqy-microhei). Exits non-zero when a picture could not be taken.
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

cmake --build "$build_dir" --target window_gallery >/dev/null
gallery=$build_dir/tests-bin/window_gallery

source "$here/xvfb.sh"
steady_desktop

start=$(date +%s%N)
jobs=()
for lang in en zh; do
  rm -rf "${out:?}/$lang"
  start_display "$lang"
  DISPLAY=:$display "$gallery" "$lang" "$out/$lang" >"$work/gallery-$lang.log" 2>&1 &
  jobs+=("$!")
done

status=0
i=0
for lang in en zh; do
  if ! wait "${jobs[$i]}"; then
    status=1
    echo "window_gallery $lang failed; its log:" >&2
    grep -v '^qeb \|^current x\|^globlePos' "$work/gallery-$lang.log" >&2 || true
  fi
  grep '^window_gallery: ' "$work/gallery-$lang.log" | sed "s/^/[$lang] /" || true
  i=$((i + 1))
done
elapsed=$((($(date +%s%N) - start) / 1000000))
printf 'pictures in %s (en: %d, zh: %d), taken in %d.%03d s\n' "$out" \
  "$(find "$out/en" -name '*.png' 2>/dev/null | wc -l)" \
  "$(find "$out/zh" -name '*.png' 2>/dev/null | wc -l)" $((elapsed / 1000)) $((elapsed % 1000))
exit $status
