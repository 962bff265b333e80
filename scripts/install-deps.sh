#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program, when they are missing.
# Safe to run again: it asks apt-get only for what is not installed yet.
#
#   install-deps.sh           what building, running and testing the program needs
#   install-deps.sh package   that, and the tools that make and check the Debian package
set -euo pipefail

PACKAGES=(
  # compiler and build tools
  g++ make cmake pkg-config
  # Qt 5.15: Core, Gui, Widgets, Sql, Xml, PrintSupport, Network, Test (qtbase5-dev), the SQLite
  # driver, Script, and the image plugins (SVG for icons, JPEG is built in)
  qtbase5-dev qtbase5-dev-tools libqt5sql5-sqlite qtscript5-dev libqt5svg5
  # lupdate and lrelease for the translations, and Qt's own translated texts (buttons, dialogs)
  qttools5-dev-tools qttranslations5-l10n
  # fonts for the offscreen and virtual displays
  fonts-dejavu-core fontconfig
  # Arial-metric fonts for the receipts and report templates (they are laid out for Arial widths)
  fonts-liberation2
  # a virtual display, a window manager and a screenshot tool for machines without a display
  xvfb xauth openbox imagemagick x11-utils xdotool
  # PDF checks in the tests
  poppler-utils
  # the printing test's PDF print queue (scripts/setup-print-queue.sh)
  cups printer-driver-cups-pdf
)
if [ "${1:-}" = package ]; then
  PACKAGES+=(
    # CPack's DEB generator: dependencies from dpkg-shlibdeps, programs found with file
    dpkg-dev file
    # checks of the package (scripts/package-check.sh)
    lintian appstream desktop-file-utils
  )
fi

missing=()
for package in "${PACKAGES[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please run as root or install sudo: missing ${missing[*]}" >&2; exit 1; }
  SUDO=sudo
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Update the package lists first when they are absent (fresh machine), and again on failure.
if ! ls /var/lib/apt/lists/*_Packages* >/dev/null 2>&1; then
  $SUDO apt-get update -q
fi
if ! $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"; then
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
