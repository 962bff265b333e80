# shellcheck shell=bash
# Shared by the scripts that drive the program on a virtual desktop; source it from bash.
#   poll SECONDS COMMAND...   runs COMMAND every 0.2 s until it succeeds, for at most SECONDS
#   xsession_start FOLDER     starts Xvfb (1366x768) on a free display and openbox on it, exports
#                             DISPLAY; logs go to FOLDER. Fails (status 1) when either does not come
#   xsession_stop             ends the window manager and the display again

poll() {
  local seconds=$1
  shift
  local tries=$((seconds * 5))
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.2
  done
  "$@"
}

xsession_wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

xsession_start() {
  local folder=$1
  # Xvfb picks a free display number itself and writes it to the file descriptor given.
  Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$folder/display" >"$folder/xvfb.log" 2>&1 &
  xsession_xvfb=$!
  if ! poll 10 test -s "$folder/display"; then
    echo "the virtual display did not start (Xvfb)" >&2
    return 1
  fi
  DISPLAY=:$(head -n1 "$folder/display")
  export DISPLAY
  openbox >"$folder/openbox.log" 2>&1 &
  xsession_wm=$!
  if ! poll 10 xsession_wm_running; then
    echo "the window manager did not start (openbox)" >&2
    return 1
  fi
}

xsession_stop() {
  local pid
  for pid in "${xsession_wm:-}" "${xsession_xvfb:-}"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
  done
  for pid in "${xsession_wm:-}" "${xsession_xvfb:-}"; do
    [ -n "$pid" ] && wait "$pid" 2>/dev/null
  done
  xsession_wm='' xsession_xvfb=''
  return 0
}
