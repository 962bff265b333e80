#!/usr/bin/env bash
# guide-screenshots.sh [--suffix SUFFIX] [--build FOLDER] [PICTURE...]
#
# Renews every picture that docs/user-guide.md shows, in docs/screenshots and in the light theme.
# Most come from the screenshot functions of the tests, run offscreen with MERCHORA_SCREENSHOT_DIR
# set. The main window, the product screen, the sales screen, the printed till ticket and a
# refused database come from the program itself: it is started on a virtual desktop with a new
# home folder, the sample databases and a few shop settings, and driven with xdotool. The program
# and the tests needed are built first.
#
#   --suffix SUFFIX  added to every file name before ".png": --suffix -de writes till-light-de.png
#   --build FOLDER   the build folder (default: build; configured when it is not yet)
#   PICTURE...       renew only these pictures (names without suffix and ".png")
#
# LANG, LANGUAGE and the LC_ variables reach the program and the tests as the caller set them, so
# that a translated program gives translated pictures, for example:
#   LANGUAGE=de LANG=de_DE.UTF-8 scripts/guide-screenshots.sh --suffix -de \
#       till-light product-screen-light receipt-ticket
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
suffix='' build=$root/build
while [ $# -gt 0 ]; do
  case $1 in
    --suffix) suffix=${2:?--suffix needs a value}; shift 2 ;;
    --build) build=$(readlink -f "${2:?--build needs a folder}"); shift 2 ;;
    -h | --help) sed -n '2,18p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "guide-screenshots: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
out=$root/docs/screenshots
jobs=${JOBS:-2}

# Each picture and where it comes from: "walk" (the program on a virtual desktop) or a test
# program and the test function that writes it.
declare -A source_of=()
order=()
pictures() {
  local source=$1 picture
  shift
  for picture in "$@"; do
    source_of[$picture]=$source
    order+=("$picture")
  done
}
pictures walk mainwindow-light product-screen-light till-light till-paid-light till-return-light \
  receipt-ticket damaged-store-light
pictures "tests/app/tst_commondialogs savesScreenshotsWhenAsked" welcomedialog-light
pictures "tests/settings/tst_settings screenshots" settings-general-light settings-company-light \
  settings-tax-light settings-printer-light settings-pos-light
pictures "tests/catalogue/tst_products screenshots" productdialog-light
pictures "tests/catalogue/tst_directories screenshots" categories-light vendors-light customers-light
pictures "tests/catalogue/tst_stock screenshots" batchdialog-light inventory-light
pictures "tests/pos/tst_pos screenshots" pos-void-hold-recall-light pos-void-light pos-recall-light \
  pos-resume-light
pictures "tests/pos/tst_receiptprint largeReceiptTemplates:sub-items and tax" receipt-a4
pictures "tests/pos/tst_receiptprint previewOpensDialog" receipt-preview
pictures "tests/widgets/tst_reportengine longReceiptTakesTwoPages" receipt-two-pages-1 \
  receipt-two-pages-2
pictures "tests/reporting/tst_printersettings screenshots" printersettings-light
pictures "tests/reporting/tst_salesmanagement screenshots" saleshistory-light
pictures "tests/app/tst_databases screenshots" import-result-light databases-light backup-light
pictures "tests/purchasing/tst_purchasing screenshots" purchase-order-light \
  purchase-order-receiving-light purchase-orders-light purchase-order-page
pictures "tests/reporting/tst_reports screenshots" reports-light report-parameter-dates-light \
  report-viewer-product-light report-page
pictures "tests/app/tst_users screenshots" login-light login-wait-light manageusers-light
pictures "tests/app/tst_about screenshots" about-light

wanted=("$@")
[ ${#wanted[@]} -eq 0 ] && wanted=("${order[@]}")
# What to run, each source once, and what to build: the program for the walk, the test programs.
declare -A seen=()
sources=() targets=()
for picture in "${wanted[@]}"; do
  source=${source_of[$picture]:-}
  if [ -z "$source" ]; then
    echo "guide-screenshots: no picture named '$picture'; known: ${order[*]}" >&2
    exit 2
  fi
  [ -n "${seen[$source]:-}" ] && continue
  seen[$source]=1
  sources+=("$source")
  if [ "$source" = walk ]; then target=merchoralite; else target=$(basename "${source%% *}"); fi
  [ -n "${seen[$target]:-}" ] && continue
  seen[$target]=1
  targets+=("$target")
done

missing=0
for tool in Xvfb openbox xdotool import xprop pdftoppm cmake; do
  command -v "$tool" >/dev/null || missing=1
done
if [ $missing -ne 0 ]; then
  bash "$here/install-deps.sh" || { echo "guide-screenshots: could not install the tools" >&2; exit 2; }
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo || exit 1
fi
cmake --build "$build" --target "${targets[@]}" -j"$jobs" || exit 1

# shellcheck source=SCRIPTDIR/lib/xsession.sh
. "$here/lib/xsession.sh"
work=$(mktemp -d)
raw=$work/pictures
mkdir -p "$raw"
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

failures=()

# run_test "BINARY FUNCTION": the test function writes its pictures into $raw.
run_test() {
  local binary=${1%% *} function=${1#* } log
  log=$work/$(basename "$binary").log
  echo "guide-screenshots: $binary $function"
  if ! QT_QPA_PLATFORM=offscreen MERCHORA_SCREENSHOT_DIR=$raw "$build/$binary" "$function" \
    >"$log" 2>&1; then
    tail -n 20 "$log" >&2
    failures+=("$binary $function failed")
  fi
}

# ---- the walk: the program on a virtual desktop --------------------------------------------

# Seconds to wait for a window; the first start makes the sample databases and may take longer.
wait_window=${MERCHORA_DESKTOP_WAIT:-10}
wait_start=${MERCHORA_DESKTOP_START_WAIT:-30}
# Navigator buttons of the maximized main window on the 1366x768 screen.
pos_button=${MERCHORA_POS_BUTTON:-120 288}
products_button=${MERCHORA_PRODUCTS_BUTTON:-120 354}

active_id() { xdotool getactivewindow 2>/dev/null; }
active_width() {
  local WIDTH=0
  eval "$(xdotool getactivewindow getwindowgeometry --shell 2>/dev/null | grep '^WIDTH=')"
  echo "$WIDTH"
}
# The main window is maximized; a dialog is narrower.
main_is_up() { [ "$(active_width)" -ge 1200 ]; }
dialog_is_up() { local w; w=$(active_width); [ "$w" -gt 0 ] && [ "$w" -lt 1200 ]; }
shot() { import -window root "$raw/$1.png" || failures+=("could not save $1.png"); }
# click "X Y"
click() {
  local x=${1% *} y=${1#* }
  xdotool mousemove "$x" "$y" click 1
}
type_line() { xdotool type --delay 60 "$1"; xdotool key Return; sleep 0.5; }

start_program() {
  QT_QPA_PLATFORM=xcb "$build/merchoralite" >>"$work/program.log" 2>&1 &
  app=$!
}
stop_program() {
  kill "$app" 2>/dev/null
  wait "$app" 2>/dev/null
  app=''
}

# The program is ended and the desktop closed also when a step fails on the way.
walk() {
  if xsession_start "$work"; then
    walk_steps
  else
    failures+=("no virtual desktop for the program")
  fi
  [ -n "$app" ] && stop_program
  xsession_stop
}

walk_steps() {
  # A new home and settings: no first-start dialogs and no notices, the light theme, a shop with
  # sales tax. The sample databases are made by the program. A PDF is "opened" by a stand-in.
  export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
  export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime PATH=$work/bin:$PATH
  mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$work/bin" "$XDG_CONFIG_HOME/Quvo Consulting"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
  chmod +x "$work/bin/xdg-open"
  cat >"$XDG_CONFIG_HOME/Quvo Consulting/MerchoraLite.conf" <<'EOF'
[General]
FIRST_TIME_START=0
theme=light
err_msg_1=true
err_msg_4=true
err_msg_5=true
CURRENCY_SYMBOL=$
REPORT_COMPANY_NAME=Corner Shop
REPORT_COMPANY_ADDRESS="3 Mill Lane\nBramford"
REPORT_PHONE_NUMBER=Phone: 555 0100
enable_tax=true
SALES_TAX_NAME=VAT
SALES_TAX_RATE_A=20
EOF
  unset XDG_CURRENT_DESKTOP

  start_program
  if ! poll "$wait_start" main_is_up; then
    failures+=("the main window did not come up: $(tail -n 3 "$work/program.log")")
    return
  fi
  local main
  main=$(active_id)
  sleep 1
  shot mainwindow-light

  click "$products_button"
  sleep 1.5
  shot product-screen-light

  click "$pos_button"
  if ! poll "$wait_window" sh -c "[ \"\$(xdotool getactivewindow)\" != '$main' ]"; then
    failures+=("the sales screen did not open")
    return
  fi
  sleep 1.5
  # Four sample batches (two with a discount of their own), then the payment and the ticket.
  local barcode
  for barcode in 1 2 3 4; do type_line "$barcode"; done
  sleep 0.5
  shot till-light
  xdotool key F12
  xdotool type --delay 60 20
  xdotool key F5
  sleep 1
  shot till-paid-light
  xdotool key F3
  if poll "$wait_window" test -s "$XDG_DATA_HOME/print.pdf" && poll 5 test -s "$work/opened"; then
    pdftoppm -png -r 150 -singlefile "$XDG_DATA_HOME/print.pdf" "$raw/receipt-ticket"
  else
    failures+=("PRINT wrote no ticket")
  fi
  # A customer brings one item back: RETURN, then its barcode.
  xdotool key F6
  sleep 0.5
  type_line 2
  sleep 0.5
  shot till-return-light
  stop_program

  # A damaged sales database: the program refuses it at the next start.
  local sales
  sales=$(find "$HOME/.merchoralite" -name 'SAMPLE_SALES_DB_*.mercdb' | head -n1)
  if [ -z "$sales" ]; then
    failures+=("no sample sales database to damage")
    return
  fi
  # The first page (the header) and the second (the version table) stay readable; the cell
  # pointers of every further page are overwritten, which the check at opening finds.
  local page pages=$(($(stat -c %s "$sales") / 4096))
  for page in $(seq 3 "$pages"); do
    printf '\377\377\377\377' | dd of="$sales" bs=1 seek=$(((page - 1) * 4096 + 8)) conv=notrunc status=none
  done
  start_program
  if poll "$wait_start" dialog_is_up; then
    sleep 1.5
    shot damaged-store-light
  else
    failures+=("the damaged sales database was not refused with a message")
  fi
}

for source in "${sources[@]}"; do
  if [ "$source" = walk ]; then
    echo "guide-screenshots: the program on a virtual desktop"
    walk
  else
    run_test "$source"
  fi
done

renewed=0
for picture in "${wanted[@]}"; do
  if [ -s "$raw/$picture.png" ]; then
    cp "$raw/$picture.png" "$out/$picture$suffix.png" && renewed=$((renewed + 1))
  else
    failures+=("$picture.png was not written")
  fi
done
echo "guide-screenshots: renewed $renewed of ${#wanted[@]} pictures in $out"
if [ ${#failures[@]} -gt 0 ]; then
  printf 'guide-screenshots: FAILED: %s\n' "${failures[@]}" >&2
  exit 1
fi
