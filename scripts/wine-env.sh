# Sourced by the scripts that run Windows programs: one Wine prefix per build tree, the Japanese
# locale, and a virtual display when there is none. Call qb_wine_start, then qb_wine_stop (the
# scripts trap EXIT); they end only what they started.
QB_XVFB_PID=""
QB_WINE_STARTED=""
QB_DISPLAY_BEFORE=""

qb_wine_start() {
  local build_dir=$1
  export LANG=ja_JP.UTF-8 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEPREFIX="$(cd "$build_dir" && pwd)/wineprefix"
  if [ -z "${DISPLAY:-}" ]; then
    QB_DISPLAY_BEFORE="unset"
    local display=99
    while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
      display=$((display + 1))
    done
    Xvfb ":${display}" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    QB_XVFB_PID=$!
    export DISPLAY=":${display}"
    for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X${display}" ] && break; sleep 0.05; done
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating the prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  wineserver -p >/dev/null 2>&1 || true
  QB_WINE_STARTED=1
}

qb_wine_stop() {
  if [ -n "$QB_WINE_STARTED" ]; then
    wineserver -k >/dev/null 2>&1 || true
    QB_WINE_STARTED=""
  fi
  if [ -n "$QB_XVFB_PID" ]; then
    kill "$QB_XVFB_PID" 2>/dev/null || true
    wait "$QB_XVFB_PID" 2>/dev/null || true
    QB_XVFB_PID=""
  fi
  # The display this script started is gone: later steps must not use it.
  if [ "$QB_DISPLAY_BEFORE" = "unset" ]; then
    unset DISPLAY
    QB_DISPLAY_BEFORE=""
  fi
}
