#!/usr/bin/env bash
# Starts the program. Without a display it starts it on a virtual X display instead, saves a
# screenshot of the screen after start-up and prints its path. As nobody can answer the program
# there, it then presses Return once (which closes the first-start welcome picture or a notice),
# saves a second screenshot and ends the program again.
set -euo pipefail
program=${1:?usage: run.sh PATH-TO-PROGRAM}
program=$(readlink -f "$program")

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$program"
fi

shot_dir=${MERCHORA_SHOT_DIR:-$PWD/build}
mkdir -p "$shot_dir"
shot="$shot_dir/merchoralite-startup.png"
wait_seconds=${MERCHORA_SHOT_DELAY:-8}

display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "${app:-}" "${wm:-}" "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.1
done
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
echo "No display found: starting the program on the virtual display $display"
DISPLAY=$display "$program" &
app=$!
sleep "$wait_seconds"
if ! kill -0 "$app" 2>/dev/null; then
  wait "$app" && code=0 || code=$?
  echo "The program ended during start-up (exit code $code)" >&2
  exit 1
fi
DISPLAY=$display import -window root "$shot"
echo "Screenshot of the program after start-up: $shot"
if command -v xdotool >/dev/null; then
  DISPLAY=$display xdotool key Return || true
  sleep 3
  DISPLAY=$display import -window root "$shot_dir/merchoralite-after-return.png"
  echo "Screenshot after pressing Return: $shot_dir/merchoralite-after-return.png"
fi
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
