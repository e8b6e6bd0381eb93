# Virtual screens for the scripts that picture the program (take.sh, and
# tests/e2e/pictures.sh), sourced by them: a scratch folder in work, and the
# screens started are stopped and the folder removed when the script exits.

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
steady_desktop() {
  unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING \
    QT_FONT_DPI QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM_PLUGIN_PATH XDG_CURRENT_DESKTOP \
    XDG_DOCUMENTS_DIR
  export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8 TZ=UTC
}
