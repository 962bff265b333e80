#!/usr/bin/env bash
# package-check.sh [BUILD-FOLDER]
#
# Checks the Debian package that "make package" left in BUILD-FOLDER (default build) the way a
# shop would use it: its control data and files, lintian (no errors allowed) and the AppStream
# and desktop-entry validators; then installs it with apt-get (which brings in its dependencies),
# starts the installed /usr/bin/merchoralite on a virtual desktop with a fresh home folder, walks
# through the first-start welcome and settings dialogs to the main window, checks that the sample
# stores were made in ~/.merchoralite, and removes the package again. Pictures of the first start
# are saved to BUILD-FOLDER/package-check.
#
# Exit status: 0 passed, 1 failed, 2 skipped (no root rights, or the package is installed on this
# machine already and is left alone). Every wait has a time limit; the program, the window
# manager, the display and the installed package are removed in every case.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(readlink -f "${1:-build}")
package=merchoralite
title="Merchora (Lite)"
wait_window=${MERCHORA_PACKAGE_WAIT:-30}

say() { echo "package-check: $*"; }
fail() {
  echo "package-check: FAILED: $*" >&2
  exit 1
}
skip() {
  echo "package-check: SKIPPED: $*" >&2
  exit 2
}

deb=$(ls -t "$build"/${package}_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no package ${package}_*.deb in $build; run make package first"

SUDO=
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    SUDO=sudo
  else
    skip "installing the package needs root or password-less sudo"
  fi
fi
installed() { [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" = installed ]; }
if installed; then
  skip "$package is installed on this machine already; remove it first (apt-get purge $package)"
fi

missing=0
for tool in Xvfb openbox xdotool xprop import lintian appstreamcli desktop-file-validate; do
  command -v "$tool" >/dev/null || missing=1
done
if [ $missing -ne 0 ]; then
  bash "$here/install-deps.sh" package || fail "could not install the tools the check needs"
fi

work=$(mktemp -d)
chmod 755 "$work" # apt reads the package as its own unprivileged user
shots="$build/package-check"
rm -rf "$shots"
mkdir -p "$shots"
# poll, xsession_start and xsession_stop: the virtual desktop the program is started on
# shellcheck source=SCRIPTDIR/lib/xsession.sh
. "$here/lib/xsession.sh"

app='' we_installed=0
finish() {
  if [ -n "$app" ]; then
    kill "$app" 2>/dev/null
    wait "$app" 2>/dev/null
  fi
  xsession_stop
  if [ $we_installed -eq 1 ] && installed; then
    say "removing the package after a failure"
    $SUDO env DEBIAN_FRONTEND=noninteractive timeout 300 apt-get purge -y -q "$package" >/dev/null
  fi
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 130' INT TERM

# --- the package file --------------------------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
version=$(field Version)
depends=$(field Depends)
say "checking $(basename "$deb"): $package $version"
[ "$(field Package)" = "$package" ] || fail "the package is called '$(field Package)', not $package"
for needed in libqt5widgets5 libqt5sql5 libqt5sql5-sqlite "fonts-liberation2 | fonts-liberation"; do
  case ", $depends," in
    *", $needed"[\ ,]*) ;;
    *) fail "the package does not depend on $needed: Depends: $depends" ;;
  esac
done

root="$work/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb could not unpack the package"
desktop=usr/share/applications/example.merchora.merchoralite.desktop
metainfo=usr/share/metainfo/example.merchora.merchoralite.metainfo.xml
for file in usr/bin/merchoralite "$desktop" "$metainfo" usr/share/man/man1/merchoralite.1.gz \
  usr/share/doc/merchoralite/copyright usr/share/doc/merchoralite/changelog.gz; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
for size in 16 22 24 32 48 64 128 256 512; do
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/merchoralite.png"
  [ -f "$icon" ] || fail "the package lacks the ${size}x${size} icon"
  file -b "$icon" | grep -q "PNG image data, $size x $size," || fail "the ${size}x${size} icon is $(file -b "$icon")"
done
grep -qx 'Exec=merchoralite' "$root/$desktop" || fail "the desktop entry does not start merchoralite"
grep -qx 'Icon=merchoralite' "$root/$desktop" || fail "the desktop entry does not name the icon"
grep -q "<release version=\"$version\"" "$root/$metainfo" ||
  fail "the AppStream release is not the package version $version"
desktop-file-validate "$root/$desktop" || fail "desktop-file-validate found errors"
# Warnings fail the validation too; hints (such as the .example domain) do not.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli found problems in the metadata"

say "lintian (errors fail the check; warnings are listed)"
timeout 600 lintian --fail-on error --display-level '>=warning' "$deb"
status=$?
[ $status -eq 0 ] || fail "lintian found errors (exit status $status)"

# --- installation ------------------------------------------------------------------------------
cp "$deb" "$work/"
say "installing with apt-get"
we_installed=1
apt_install() {
  $SUDO env DEBIAN_FRONTEND=noninteractive timeout 600 \
    apt-get install -y -q --no-install-recommends "$work/$(basename "$deb")" >"$work/apt.log" 2>&1
}
if ! apt_install; then
  # the package lists may be missing or out of date on a fresh machine
  $SUDO env DEBIAN_FRONTEND=noninteractive timeout 600 apt-get update -q >/dev/null 2>&1
  apt_install || fail "apt-get could not install the package: $(tail -n5 "$work/apt.log")"
fi
installed || fail "the package is not installed after apt-get"
[ "$(dpkg-query -W -f='${Version}' "$package")" = "$version" ] || fail "another version got installed"
program=$(PATH=/usr/local/bin:/usr/bin:/bin command -v merchoralite)
[ "$program" = /usr/bin/merchoralite ] || fail "merchoralite on the PATH is '$program', not /usr/bin/merchoralite"

# --- the installed program's first start -------------------------------------------------------
xsession_start "$work" || fail "no virtual desktop"

# A home and settings folders as a new user has them: nothing seeded, so the program makes its
# settings and sample stores itself. Nothing from the source tree is on any path.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM QT_PLUGIN_PATH LD_LIBRARY_PATH XDG_CURRENT_DESKTOP
export LANG=C.UTF-8 PATH=/usr/local/bin:/usr/bin:/bin

active_name() { xdotool getactivewindow getwindowname 2>/dev/null; }
shot() { import -window root "$shots/$1.png" || fail "could not save the picture $1.png"; }
running() { kill -0 "$app" 2>/dev/null || fail "the program ended: $(tail -n5 "$work/program.log")"; }
is_active() {
  running
  [ "$(active_name)" = "$1" ]
}
# wait_for TITLE WHAT: the window TITLE becomes the active one
wait_for() {
  poll "$wait_window" is_active "$1" || fail "$2 did not come up (active: '$(active_name)')"
  sleep 0.5
}

(cd "$HOME" && exec "$program") >"$work/program.log" 2>&1 &
app=$!
say "started the installed $program"

wait_for Welcome "the first-start welcome picture"
shot first-start-welcome
xdotool key Return
wait_for Settings "the first-start settings dialog"
shot first-start-settings
xdotool key Return
wait_for "$title" "the main window"
shot main-window
say "the main window is up"

# The desktop entry's StartupWMClass lets a dock put the window under the entry's icon.
main=$(xdotool getactivewindow)
wm_class=$(xprop -id "$main" WM_CLASS 2>/dev/null)
class=$(sed -n 's/^StartupWMClass=//p' "$root/$desktop")
case "$wm_class" in
  *"\"$class\""*) ;;
  *) fail "the main window's $wm_class does not carry the desktop entry's class $class" ;;
esac

stores="$HOME/.merchoralite"
for store in SAMPLE_INVENTORY_DB_$version.mercdb SAMPLE_SALES_DB_$version.mercdb; do
  poll 10 test -s "$stores/$store" || fail "the sample store $store was not made in $stores"
done
[ -s "$XDG_CONFIG_HOME/Quvo Consulting/MerchoraLite.conf" ] || fail "no settings file was written"
say "sample stores made: $(cd "$stores" && echo *.mercdb)"

running
kill "$app"
wait "$app" 2>/dev/null
app=''

# --- removal -----------------------------------------------------------------------------------
$SUDO env DEBIAN_FRONTEND=noninteractive timeout 300 apt-get purge -y -q "$package" >"$work/apt.log" 2>&1 ||
  fail "apt-get could not remove the package: $(tail -n5 "$work/apt.log")"
we_installed=0
installed && fail "the package is still installed after apt-get purge"
for file in /usr/bin/merchoralite "/$desktop" "/$metainfo"; do
  [ -e "$file" ] && fail "$file is still there after removing the package"
done
say "installed, started and removed $package $version; pictures in $shots"
