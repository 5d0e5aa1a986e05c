#!/usr/bin/env bash
# End to end: a label sheet of two pages printed on the default printer (the PDF printer of
# tools/print-server.sh) arrives as one PDF of two pages under the document's name, each page
# with its own labels' values in its text. Fails, never skips, when nothing is printed.
# Usage: print_test.sh WINE_RUN EXE
set -euo pipefail
run=$1 exe=$2

default=$(lpstat -d 2>/dev/null || true)
if [ "$default" != "system default destination: PDF" ]; then
    echo "the default printer is not the PDF printer (${default:-no print server}); run tools/print-server.sh" >&2
    exit 1
fi
# cups-pdf writes to ~/PDF of the job's owner, ~ as the password database has it.
out="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
# A name of this run's own, so that no other job's file is taken for it.
doc="Vantrel labels $$"
marker=$(mktemp)
pdf="" empty=""
trap 'rm -f "$marker" "$pdf" "$empty"' EXIT

status=0
started=$(date +%s%N)
# On a failure of the program, what it printed is still looked at.
VANTREL_PRINT_DOC=$doc "$run" "$exe" || status=1

# The jobs are queued when the program ends, and their files complete once the queue is empty.
for _ in $(seq 600); do
    [ -z "$(lpstat -o PDF 2>/dev/null)" ] && break
    sleep 0.1
done
echo "jobs done in $((($(date +%s%N) - started) / 1000000)) ms"
while IFS= read -r -d '' candidate; do
    case "$(pdfinfo "$candidate" 2>/dev/null | sed -n 's/^Title: *//p')" in
        "$doc") pdf=$candidate ;;
        "$doc empty") empty=$candidate ;;
    esac
done < <(find "$out" -maxdepth 1 -name '*.pdf' -newer "$marker" -print0 2>/dev/null)
if [ -n "$empty" ]; then
    echo "the empty sheet was printed: $empty" >&2
    status=1
fi
if [ -z "$pdf" ]; then
    echo "no PDF titled '$doc' in $out; the queue:" >&2
    lpstat -o PDF >&2 || true
    exit 1
fi
echo "printed: $pdf"
# cups-pdf makes the name of the title, spaces as underscores, though it may add a few
# characters after.
case "$(basename "$pdf")" in
    "${doc// /_}"*) ;;
    *) echo "the file is not named after the document" >&2; exit 1 ;;
esac

info=$(pdfinfo "$pdf")
pages=$(awk '/^Pages:/ { print $2 }' <<<"$info")
echo "pages: $pages"
[ "$pages" = 2 ] || { echo "expected 2 pages" >&2; status=1; }

# The first page holds the labels of 10 to 820 Ohms, the second those of 1 to 2,7 kOhms.
page1=$(pdftotext -f 1 -l 1 "$pdf" -)
page2=$(pdftotext -f 2 -l 2 "$pdf" -)
text_found=1
expect() {
    local page=$1 text=$2 want=$3
    if grep -qF -- "$want" <<<"$text"; then
        echo "page $page holds '$want'"
    else
        echo "page $page lacks '$want'" >&2
        text_found=0
    fi
}
reject() {
    local page=$1 text=$2 unwanted=$3
    if grep -qF -- "$unwanted" <<<"$text"; then
        echo "page $page holds '$unwanted', which belongs on the other" >&2
        text_found=0
    fi
}
expect 1 "$page1" "10 Ohms"
expect 1 "$page1" "820 Ohms"
reject 1 "$page1" "kOhms"
expect 2 "$page2" "1 kOhms"
expect 2 "$page2" "2,7 kOhms"
reject 2 "$page2" "820 Ohms"
if [ "$text_found" -eq 0 ]; then
    printf 'page 1 text:\n%s\npage 2 text:\n%s\n' "$page1" "$page2" >&2
    status=1
fi
exit "$status"
