#!/usr/bin/env bash
# Renders the program's logo (src/resources/artwork/merchora_logo.svg, the main window's icon) to
# the desktop icons the package installs: packaging/icons/hicolor/NxN/apps/merchoralite.png at the
# usual sizes of the hicolor theme. The PNG files are kept in the repository, so building the
# package needs no SVG renderer; run this again after changing the logo.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
logo="$repo/src/resources/artwork/merchora_logo.svg"
out_dir="$repo/packaging/icons/hicolor"
sizes=(16 22 24 32 48 64 128 256 512)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
command -v rsvg-convert >/dev/null 2>&1 || missing+=(librsvg2-bin)
if ! command -v fc-list >/dev/null 2>&1 || [ -z "$(fc-list 'DejaVu Sans' family)" ]; then
  missing+=(fontconfig fonts-dejavu-core) # the "M" of the logo is set in DejaVu Sans Bold
fi
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing ${missing[*]}" >&2
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

for size in "${sizes[@]}"; do
  out="$out_dir/${size}x${size}/apps/merchoralite.png"
  mkdir -p "$(dirname "$out")"
  rsvg-convert --width "$size" --height "$size" --format png --output "$out" "$logo"
  echo "${out#"$repo"/}"
done
