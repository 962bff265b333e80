#!/usr/bin/env bash
# Regenerates src/resources/merchora.qrc from the files under src/resources/resources and
# src/resources/xml, so that every file placed there is embedded. Run after adding a resource.
set -euo pipefail
cd "$(dirname "$0")/../src/resources"
{
  echo '<!DOCTYPE RCC>'
  echo '<RCC version="1.0">'
  echo '  <qresource prefix="/">'
  find resources xml -type f ! -name '.*' 2>/dev/null | LC_ALL=C sort | while read -r f; do
    echo "    <file>$f</file>"
  done
  echo '  </qresource>'
  echo '</RCC>'
} > merchora.qrc
echo "wrote src/resources/merchora.qrc ($(grep -c '<file>' merchora.qrc) files)"
