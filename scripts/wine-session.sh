# Sourced by the test and run scripts: a virtual display (when there is no real one) and a
# private Wine prefix inside the build tree. wine_session_end shuts both down again.

wine_session_begin() {   # $1: build tree
  export WINEPREFIX="$1/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  _xvfb_pid=""
  if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    local n=91
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    _xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  fi
  # A server left over from a run without this display would hide our windows.
  wineserver -k >/dev/null 2>&1 || true
  if [ ! -f "$WINEPREFIX/.gorvale-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # Metric-compatible stand-ins for the fonts our windows name.
    local f
    for f in "Arial:Liberation Sans" "MS Sans Serif:Liberation Sans" "Times New Roman:Liberation Serif" \
             "Courier New:Liberation Mono"; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${f%%:*}" /t REG_SZ /d "${f#*:}" /f >/dev/null 2>&1
    done
    wineserver -w
    touch "$WINEPREFIX/.gorvale-ready"
  fi
  # Every program of the prefix runs in Wine's own desktop, a window of 1024 x 768 on the display,
  # where Wine manages the windows as Windows does (activation, minimise, restore) instead of
  # waiting for an X window manager that the virtual display lacks. Programs still start as
  # themselves, so ctest sees their exit codes.
  if [ ! -f "$WINEPREFIX/.gorvale-desktop" ]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.gorvale-desktop"
  fi
}

wine_session_end() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${_xvfb_pid:-}" ]; then kill "$_xvfb_pid" 2>/dev/null || true; wait "$_xvfb_pid" 2>/dev/null || true; fi
}
