#!/usr/bin/env bash
# desktop-check.sh [PROGRAM] [PICTURE-FOLDER]
#
# Checks on a virtual desktop with a real window manager what the offscreen tests cannot see:
# that every window the sales screen opens comes on top of the full-screen sales screen. It
# starts Xvfb and openbox on a free display, starts the program with fresh home and settings
# folders (first-start dialogs skipped, sample databases made by the program), opens the sales
# screen and, for each window, presses its key, waits until that window is the active one and
# the topmost, saves a picture of the screen and closes the window again. It fails naming the
# first window that did not come on top. Every wait has a time limit, and the program, the window
# manager and the display are ended in every case.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program=$(readlink -f "${1:-build/merchoralite}")
shots=${2:-build/desktop-check}
# Seconds to wait for a window; the start of the program may take longer (sample databases).
wait_window=${MERCHORA_DESKTOP_WAIT:-5}
wait_start=${MERCHORA_DESKTOP_START_WAIT:-30}

fail() {
  echo "desktop-check: FAILED: $*" >&2
  exit 1
}

[ -x "$program" ] || { echo "desktop-check: no program at $program; build it first" >&2; exit 2; }
missing=0
for tool in Xvfb openbox xdotool import xprop; do
  command -v "$tool" >/dev/null || missing=1
done
if [ $missing -ne 0 ]; then
  bash "$here/install-deps.sh" || { echo "desktop-check: could not install the tools" >&2; exit 2; }
fi
mkdir -p "$shots"
shots=$(readlink -f "$shots")

# shellcheck source=SCRIPTDIR/lib/xsession.sh
. "$here/lib/xsession.sh"

work=$(mktemp -d)
app=''
finish() {
  if [ -n "$app" ]; then
    kill "$app" 2>/dev/null
    wait "$app" 2>/dev/null
  fi
  xsession_stop
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 130' INT TERM

xsession_start "$work" || fail "no virtual desktop"

# Fresh folders and settings: no welcome dialogs; the large receipt, so that PREVIEW opens the
# print preview window. A PDF is "opened" by a stand-in that only notes it.
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$work/bin" "$XDG_CONFIG_HOME/Quvo Consulting"
mkdir -m 700 "$XDG_RUNTIME_DIR"
printf '[General]\nFIRST_TIME_START=0\nSMALL_RECEIPT=0\n' >"$XDG_CONFIG_HOME/Quvo Consulting/MerchoraLite.conf"
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH
unset QT_QPA_PLATFORM XDG_CURRENT_DESKTOP
export LANG=C.UTF-8

active_name() { xdotool getactivewindow getwindowname 2>/dev/null; }
active_id() { xdotool getactivewindow 2>/dev/null; }
# the topmost window the window manager lists (the list is ordered bottom to top)
top_id() {
  local list
  list=$(xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null) || return 1
  printf '%d\n' "${list##* }" 2>/dev/null
}
is_active() { [ "$(active_name)" = "$1" ]; }
# true when a window other than the sales screen, titled $1, is active and on top
on_top() {
  local id
  id=$(active_id) || return 1
  [ "$id" != "$till" ] && [ "$(active_name)" = "$1" ] && [ "$(top_id)" = "$id" ]
}
shot() { import -window root "$shots/$1.png" || fail "could not save the picture $1.png"; }

"$program" >"$work/program.log" 2>&1 &
app=$!

# The main window; without an administrator in the sample store an advisory may come first.
for _ in $(seq $((wait_start * 5))); do
  kill -0 "$app" 2>/dev/null || fail "the program ended during start-up: $(tail -n5 "$work/program.log")"
  name=$(active_name)
  [ "$name" = "Merchora (Lite)" ] && break
  [ "$name" = "Login/Logout" ] && xdotool key Return
  sleep 0.2
done
is_active "Merchora (Lite)" || fail "the main window did not come up (active: '$(active_name)')"
main=$(active_id)

# The sales screen, from the User menu: Lanuch POS is its last entry before Exit.
xdotool key alt+u
sleep 0.5
xdotool key Up Up Return
poll "$wait_window" sh -c "[ \"\$(xdotool getactivewindow)\" != '$main' ]" ||
  fail "the sales screen did not open (active: '$(active_name)')"
till=$(active_id)
till_name=$(active_name)
sleep 1
shot till

# back_to_till WINDOW: the sales screen is active again after WINDOW was closed
back_to_till() {
  poll "$wait_window" sh -c "[ \"\$(xdotool getactivewindow)\" = '$till' ]" ||
    fail "after closing $1 the sales screen is not active (active: '$(active_name)')"
}

# check KEY TITLE PICTURE WHAT: KEY opens the window TITLE, which must come on top. A window that
# does not is noted (with a picture of the screen) and closed; the next ones are still checked.
failures=()
check() {
  local key=$1 title=$2 picture=$3 what=$4
  if [ "$key" = click ]; then
    # CLOSE has no key: the button is clicked where it lies on the full screen
    xdotool mousemove "${MERCHORA_CLOSE_X:-40}" "${MERCHORA_CLOSE_Y:-720}" click 1
  else
    xdotool key "$key"
  fi
  if ! poll "$wait_window" on_top "$title"; then
    local top
    top=$(top_id)
    failures+=("$what ($key) did not come on top of the sales screen: expected '$title' on top,\
 active is '$(active_name)', topmost is '$(xdotool getwindowname "$top" 2>/dev/null)'")
    shot "$picture-not-on-top"
    echo "desktop-check: $what ($key) did NOT come on top: $picture-not-on-top.png" >&2
  else
    sleep 0.5
    shot "$picture"
    echo "desktop-check: $what ($key) came on top: $picture.png"
  fi
  xdotool key Escape
  back_to_till "$what"
}

check F1 "Shortcut Keys Help" till-help "help"
check F4 "Print Preview" till-preview "receipt preview"
check F3 "Print to PDF" till-print-to-pdf "print to PDF notice"
check F6 "Return Mode" till-return-mode "return mode notice"
xdotool key F6 # back to normal mode; switching off shows nothing
check F7 "Select Stock Item" till-search "stock search"
check F8 "Sales" till-sales "sales history"
check F9 "Manage Customers" till-customers "customers"

# CLOSE with a payment pending asks first; an item of the sample store makes the payment pending.
xdotool type --delay 50 1
xdotool key Return
sleep 1
check "click" "Close POS?" till-close-question "the question on CLOSE"

# VOID asks before a line leaves the sale; HOLD puts the sale aside and RECALL lists it.
check shift+F6 "Void Line" till-void "the question on VOID"
xdotool key shift+F2
sleep 1
check shift+F3 "Recall Sale" till-recall "the held sales (RECALL)"

# CLOSE with "Yes, keep it for later" keeps an unpaid sale; the till opened again asks about it.
xdotool type --delay 50 1
xdotool key Return
sleep 1
xdotool mousemove "${MERCHORA_CLOSE_X:-40}" "${MERCHORA_CLOSE_Y:-720}" click 1
poll "$wait_window" on_top "Close POS?" || fail "the question on CLOSE did not come (active: '$(active_name)')"
xdotool key Return
till_gone() { ! xwininfo -id "$till" 2>/dev/null | grep -q IsViewable; }
poll "$wait_window" till_gone ||
  fail "the sales screen did not close with its sale kept (active: '$(active_name)')"
# When the full-screen till closes, the window manager may leave the focus on no window at all.
poll "$wait_window" is_active "Merchora (Lite)" || xdotool windowactivate "$main" 2>/dev/null
poll "$wait_window" is_active "Merchora (Lite)" ||
  fail "the main window did not come back after the sales screen closed (active: '$(active_name)')"
xdotool key alt+u
sleep 0.5
xdotool key Up Up Return
if poll "$wait_window" on_top "Unpaid Sale"; then
  sleep 0.5
  shot till-unpaid-question
  echo "desktop-check: the question about the unpaid sale came on top: till-unpaid-question.png"
else
  failures+=("the question about the unpaid sale did not come on top of the sales screen (active\
 is '$(active_name)')")
  shot till-unpaid-question-not-on-top
fi
xdotool key Escape

if [ ${#failures[@]} -gt 0 ]; then
  for failure in "${failures[@]}"; do
    echo "desktop-check: FAILED: $failure" >&2
  done
  exit 1
fi
echo "desktop-check: every window of the sales screen ($till_name) came on top; pictures in $shots"
