#!/usr/bin/env bash
# Makes sure the CUPS scheduler runs and offers a PDF print queue (cups-pdf) for the printing
# integration test: usage setup-print-queue.sh [QUEUE], default queue name MerchoraPDF.
# Safe to run again: it does nothing when the scheduler runs and the queue is ready.
# Exit status: 0 ready; 2 not possible on this machine (CUPS or cups-pdf missing, no root and no
# password-less sudo), so the test is skipped; 1 the set-up was tried and failed.
set -uo pipefail

QUEUE=${1:-MerchoraPDF}
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
export PATH="$PATH:/usr/sbin:/sbin"
# lpstat's messages are matched below, so they must not be translated.
export LC_ALL=C LANG=C

skip() {
  echo "setup-print-queue: $*; the CUPS printing test will be skipped." >&2
  exit 2
}
fail() {
  echo "setup-print-queue: $*" >&2
  exit 1
}

scheduler_running() { lpstat -r 2>/dev/null | grep -q '^scheduler is running'; }
queue_ready() {
  lpstat -v "$QUEUE" 2>/dev/null | grep -q 'cups-pdf:/' &&
    lpoptions -p "$QUEUE" 2>/dev/null | grep -q 'pdftops-renderer=pdftocairo' &&
    lpstat -p "$QUEUE" 2>/dev/null | grep -q 'enabled' &&
    lpstat -a "$QUEUE" 2>/dev/null | grep -q "^$QUEUE accepting"
}

for tool in lpstat lpoptions lpadmin cupsd; do
  command -v "$tool" >/dev/null || skip "CUPS is not installed (packages cups, printer-driver-cups-pdf)"
done
if [ ! -e /usr/lib/cups/backend/cups-pdf ] || [ ! -f "$PPD" ]; then
  skip "the PDF printer driver is not installed (package printer-driver-cups-pdf)"
fi
command -v pdftocairo >/dev/null || skip "pdftocairo is not installed (package poppler-utils)"

scheduler_running && queue_ready && exit 0

# Everything from here on needs administrator rights.
if [ "$(id -u)" -eq 0 ]; then
  AS_ROOT=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
  AS_ROOT=(sudo -n)
else
  skip "starting CUPS or adding the queue $QUEUE needs root or password-less sudo"
fi

if ! scheduler_running; then
  # Containers usually run without systemd: then the scheduler is started directly. It detaches
  # itself and keeps running after this script.
  if [ -d /run/systemd/system ] && command -v systemctl >/dev/null; then
    "${AS_ROOT[@]}" systemctl start cups.service || fail "systemctl start cups.service failed"
  else
    "${AS_ROOT[@]}" "$(command -v cupsd)" || fail "cupsd did not start"
  fi
  for _ in $(seq 50); do
    scheduler_running && break
    sleep 0.2
  done
  scheduler_running || fail "the CUPS scheduler does not answer"
fi

if ! queue_ready; then
  # -E enables the queue and lets it accept jobs. pdftocairo prepares the PostScript for cups-pdf
  # so that the PDF files keep their text: the default turns the text into outlines, which
  # pdftotext cannot read. lpadmin's warning that PPD drivers are deprecated is shown only when
  # it fails.
  output=$("${AS_ROOT[@]}" lpadmin -p "$QUEUE" -v cups-pdf:/ -P "$PPD" \
    -o pdftops-renderer-default=pdftocairo -E 2>&1) ||
    fail "lpadmin could not add the queue $QUEUE: $output"
  queue_ready || fail "the queue $QUEUE is not ready: $(lpstat -p "$QUEUE" 2>&1)"
  echo "setup-print-queue: PDF print queue $QUEUE added" >&2
fi
exit 0
