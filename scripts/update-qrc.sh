#!/usr/bin/env bash
# Regenerates the two resource files from the files under src/resources/resources and
# src/resources/xml, so that every file placed there is embedded. Run after adding a resource.
#   merchora.qrc      SQL scripts and report templates, linked with the core library;
#   merchora_gui.qrc  everything else (pictures, style sheets), linked into the programs.
set -euo pipefail
cd "$(dirname "$0")/../src/resources"
write_qrc() {
  local out=$1
  {
    echo '<!DOCTYPE RCC>'
    echo '<RCC version="1.0">'
    echo '  <qresource prefix="/">'
    while read -r f; do
      echo "    <file>$f</file>"
    done
    echo '  </qresource>'
    echo '</RCC>'
  } > "$out"
  echo "wrote src/resources/$out ($(grep -c '<file>' "$out") files)"
}
all=$(find resources xml -type f ! -name '.*' 2>/dev/null | LC_ALL=C sort)
grep -E '^(resources/docs|xml)/' <<<"$all" | write_qrc merchora.qrc
grep -vE '^(resources/docs|xml)/' <<<"$all" | write_qrc merchora_gui.qrc
