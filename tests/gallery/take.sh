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

work=$(mktemp -d)
servers=()
cleanup() {
  for pid in "${servers[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

# Starts a virtual screen of 1280 x 1024 on a free display and sets display
# to its number; the server's process id goes into servers.
start_display() {
  local ready=$work/display-$1
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$ready" >"$work/xvfb-$1.log" 2>&1 &
  servers+=("$!")
  for _ in $(seq 100); do
    if [ -s "$ready" ]; then
      display=$(tr -d '\n' <"$ready")
      return 0
    fi
    sleep 0.1
  done
  echo "Xvfb did not start; see below" >&2
  cat "$work/xvfb-$1.log" >&2
  return 1
}

# Nothing of the caller's desktop may change what the pictures show.
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING \
  QT_FONT_DPI QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM_PLUGIN_PATH XDG_CURRENT_DESKTOP \
  XDG_DOCUMENTS_DIR
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8 TZ=UTC

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
