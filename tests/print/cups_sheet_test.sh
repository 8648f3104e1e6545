#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the sheet through a real CUPS queue: starts a private cupsd (its own configuration,
# spool and socket in a temporary folder), makes a cups-pdf queue its default printer, presses
# Print in the window and checks the PDF that cups-pdf writes. Exits 77 (skipped) where CUPS
# cannot run. Usage: cups_sheet_test.sh PRINT_TEST_PROGRAM (KEEP_CUPS_WORK=1 keeps the folder).
set -euo pipefail

program=$1
skip() {
    echo "SKIPPED: $*"
    exit 77
}

[ "$(id -u)" -eq 0 ] || skip "cupsd and the cups-pdf backend need root"
for tool in cupsd lpadmin lpstat pdfinfo pdftotext; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (cups, poppler-utils)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed (printer-driver-cups-pdf)"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || skip "the cups-pdf PPD is missing"
[ -w /etc/cups ] || skip "/etc/cups is not writable, so cups-pdf cannot be configured"

work=$(mktemp -d /tmp/wingsheet-cups-XXXXXX)
queue="wingsheet$$"
# cups-pdf reads the configuration named after its device URI from /etc/cups: ours only lives
# as long as the test.
pdf_config="/etc/cups/cups-pdf-$queue.conf"
cupsd_pid=""
cleanup() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    rm -f "$pdf_config"
    [ -n "${KEEP_CUPS_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM # a killed run cleans up too

# The filters run as lp and must reach the spool.
chmod 755 "$work"
mkdir -p "$work/etc/ppd" "$work/spool/tmp" "$work/cache" "$work/run" "$work/log" "$work/out" \
    "$work/pdf-spool"
socket="$work/cups.sock"

cat >"$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/run
ServerBin /usr/lib/cups
DataDir /usr/share/cups
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
User lp
Group lp
SystemGroup root
CONF
cat >"$work/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel debug
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$pdf_config" <<CONF
Out $work/out
Spool $work/pdf-spool
AnonDirName $work/out
Log $work/log
UserUMask 0022
Grp root
CONF

cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" &
cupsd_pid=$!
for _ in $(seq 50); do
    [ -S "$socket" ] && lpstat -h "$socket" -r >/dev/null 2>&1 && break
    kill -0 "$cupsd_pid" 2>/dev/null || skip "cupsd did not start: $(tail -3 "$work/log/error_log" 2>/dev/null)"
    sleep 0.2
done
lpstat -h "$socket" -r >/dev/null 2>&1 || skip "cupsd does not answer on $socket"

# cups-pdf turns PostScript back into PDF; made with pdftocairo, that PostScript keeps the text
# readable, so pdftotext can check it. (Printer drivers are deprecated: lpadmin says so.)
lpadmin -h "$socket" -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd" \
    -o pdftops-renderer-default=pdftocairo 2>/dev/null || skip "lpadmin cannot add a cups-pdf queue"
lpadmin -h "$socket" -d "$queue" || skip "lpadmin cannot make the queue the default"

# Only this server and no personal default may decide the default printer.
export CUPS_SERVER=$socket WINGSHEET_CUPS_QUEUE=$queue QT_QPA_PLATFORM=offscreen
unset PRINTER LPDEST
export HOME="$work"
"$program"

pdf=""
for _ in $(seq 150); do
    pdf=$(find "$work/out" -name '*.pdf' -print -quit)
    [ -n "$pdf" ] && [ -z "$(lpstat -h "$socket" -o "$queue" 2>/dev/null)" ] && break
    sleep 0.2
done
if [ -z "$pdf" ]; then
    echo "FAILED: cups-pdf wrote no PDF"
    tail -30 "$work/log/error_log" "$work/log/cups-pdf_log" 2>/dev/null || true
    exit 1
fi

jobs=$(lpstat -h "$socket" -W completed -o "$queue" | wc -l)
[ "$jobs" -eq 1 ] || { echo "FAILED: $jobs jobs reached the queue, not just the good sheet"; exit 1; }
pdfs=$(find "$work/out" -name '*.pdf' | wc -l)
[ "$pdfs" -eq 1 ] || { echo "FAILED: cups-pdf wrote $pdfs files"; exit 1; }

info=$(pdfinfo "$pdf")
grep -Eq '^Pages: +1$' <<<"$info" || { echo "FAILED: not one page"; echo "$info"; exit 1; }
grep -Eq '^Page size: .*\(A4\)' <<<"$info" || { echo "FAILED: not A4"; echo "$info"; exit 1; }
text=$(pdftotext "$pdf" - | tr -s '[:space:]' ' ')
for words in "CUPS sheet" "2 000.00 mm" "1/5"; do
    grep -qF "$words" <<<"$text" || { echo "FAILED: \"$words\" missing from the printed text"; exit 1; }
done
echo "The sheet went through the CUPS queue $queue into $(basename "$pdf"): one A4 page."
