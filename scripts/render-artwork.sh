#!/usr/bin/env bash
# Renders the SVG sources in src/resources/artwork to the pictures the program
# loads from src/resources/resources/images (same base name and sub folder).
#
#   scripts/render-artwork.sh            render every source
#   scripts/render-artwork.sh pos/enter  render only the named source(s)
#
# Every source must have a row in the size table below; a source without one
# (or a row without a source) is an error, so the table and the folder stay in
# step. Text in the sources uses the "DejaVu Sans" font.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
src_dir="$repo/src/resources/artwork"
out_dir="$repo/src/resources/resources/images"

# name (relative to artwork/, no extension)  width  height  format
size_table='
NoImageAvailable        300 300 jpg
merchora_logo           256 256 png
welcom_lite             640 420 png

categories              128 128 png
customers               128 128 png
products                128 128 png
inventory               128 128 png
database                128 128 png
purchase_order          128 128 png
users                   128 128 png
vendor                  128 128 png
backup                  128 128 png
settings                128 128 png
sales                   128 128 png

close                    64  64 png
login                    64  64 png
logout                   64  64 png
home                     64  64 png
pos                      64  64 png
add_product              64  64 png
add_batch                64  64 png
add_purchase_order       64  64 png
reports                  64  64 png
about                    64  64 png
exit                     64  64 png
theme                    64  64 png

pos/close-hi             96  96 png
pos/enter                96  96 png
pos/new_transaction      96  96 png
pos/payment_icon         96  96 png
pos/print                96  96 png
pos/print_preview        96  96 png
pos/return               96  96 png
pos/search               96  96 png
pos/void                 96  96 png
pos/hold                 96  96 png
pos/recall               96  96 png
'

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
command -v rsvg-convert >/dev/null 2>&1 || missing+=(librsvg2-bin)
command -v convert >/dev/null 2>&1 || missing+=(imagemagick)
if ! command -v fc-list >/dev/null 2>&1 || [ -z "$(fc-list 'DejaVu Sans' family)" ]; then
  missing+=(fontconfig fonts-dejavu-core)
fi
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing ${missing[*]}" >&2
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

declare -A width height format
while read -r name w h fmt; do
  [ -n "${name:-}" ] || continue
  width[$name]=$w
  height[$name]=$h
  format[$name]=$fmt
done <<<"$size_table"

# Check the table against the folder.
status=0
while IFS= read -r svg; do
  name="${svg#"$src_dir"/}"
  name="${name%.svg}"
  if [ -z "${width[$name]:-}" ]; then
    echo "error: $name.svg has no row in the size table of $0" >&2
    status=1
  fi
done < <(find "$src_dir" -name '*.svg' | sort)
for name in "${!width[@]}"; do
  if [ ! -f "$src_dir/$name.svg" ]; then
    echo "error: the size table names $name but $src_dir/$name.svg is missing" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] || exit "$status"

render() {
  local name="$1" w="${width[$1]}" h="${height[$1]}" fmt="${format[$1]}"
  local in="$src_dir/$name.svg" out="$out_dir/$name.$fmt"
  mkdir -p "$(dirname "$out")"
  case "$fmt" in
    png)
      rsvg-convert --width "$w" --height "$h" --format png --output "$out" "$in"
      ;;
    jpg)
      local tmp
      tmp="$(mktemp --suffix=.png)"
      rsvg-convert --width "$w" --height "$h" --format png --output "$tmp" "$in"
      convert "$tmp" -background white -alpha remove -flatten -strip -quality 90 "$out"
      rm -f "$tmp"
      ;;
    *)
      echo "error: unknown format $fmt for $name" >&2
      return 1
      ;;
  esac
  printf '%-26s %4sx%-4s %s\n' "$name" "$w" "$h" "${out#"$repo"/}"
}

if [ "$#" -gt 0 ]; then
  names=("$@")
else
  mapfile -t names < <(printf '%s\n' "${!width[@]}" | sort)
fi
for name in "${names[@]}"; do
  name="${name%.svg}"
  if [ -z "${width[$name]:-}" ]; then
    echo "error: no row for $name in the size table" >&2
    exit 1
  fi
  render "$name"
done
