#!/usr/bin/env bash
# Makes sure a print server runs with a PDF printer as the default destination, for Wine to
# print on: starts cupsd when it is not running (containers have no init to do it), adds the
# "PDF" queue when it is missing, and has it write to ~/PDF of the user who prints (~ from the
# password database). Safe to run again; Wine only finds the printers of a server that runs
# before its own processes start.
# Usage: print-server.sh (as root, unless everything is in place already)
set -euo pipefail

queue=PDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
conf=/etc/cups/cups-pdf.conf
# cups-pdf replaces ${HOME} itself, with the home of the job's owner.
# shellcheck disable=SC2016
out='${HOME}/PDF'

running() { lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; }
ready() {
    running && lpstat -p "$queue" 2>/dev/null | grep -q "^printer $queue .* enabled since" &&
        lpstat -a "$queue" 2>/dev/null | grep -q "^$queue accepting" &&
        [ "$(lpstat -d 2>/dev/null)" = "system default destination: $queue" ] && grep -qxF "Out $out" "$conf"
}

ready && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "print-server.sh: the PDF printer is not set up; run this script as root" >&2
    exit 1
fi

if ! running; then
    # Detached from our output, which a daemon holding it would keep open for ever.
    cupsd </dev/null >/dev/null 2>&1
    for _ in $(seq 100); do
        running && break
        sleep 0.1
    done
    running || { echo "print-server.sh: cupsd does not answer" >&2; exit 1; }
fi

# The file is read at every job, so no restart is needed.
if grep -q '^Out ' "$conf"; then
    sed -i "s|^Out .*|Out $out|" "$conf"
else
    echo "Out $out" >>"$conf"
fi

if ! lpstat -p "$queue" >/dev/null 2>&1; then
    # Only shown on a failure: lpadmin always warns that drivers are deprecated, and cups-pdf
    # has nothing else yet.
    if ! message=$(lpadmin -p "$queue" -v cups-pdf:/ -P "$ppd" 2>&1); then
        echo "$message" >&2
        exit 1
    fi
fi
# A failed job is dropped rather than stopping the queue, which would hold every later one.
lpadmin -p "$queue" -o printer-error-policy=abort-job
cupsenable "$queue"
cupsaccept "$queue"
lpadmin -d "$queue"
ready
