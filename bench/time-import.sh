#!/usr/bin/env bash
# Wall time of importing one large statement file: LINES lines (100,000 by default) written as a
# bank writes them, newest first, into an account of a fresh data folder, then the same file a
# second time (every line a duplicate). The budget is 2 s for each.
#   bench/time-import.sh                   builds coinvale in build/release first
#   bench/time-import.sh BUILD_DIR [LINES] uses the program already built there
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-}"
lines="${2:-100000}"
if [ -z "$build" ]; then
    build=build/release
    scripts/build.sh release coinvale >/dev/null
fi
program="$build/app/coinvale/coinvale"
work="${IMPORT_WORK:-$(mktemp -d)}"
trap 'rm -rf "$work"' EXIT
export COINVALE_HOME="$work/home" COINVALE_NOW=2027-07-08T09:30:00 LC_ALL=C
export XDG_DOCUMENTS_DIR="$work/Documents" XDG_RUNTIME_DIR="$work"

# Lines over ten years, newest first; a tenth without a bank identifier, some with check
# numbers, amounts with more than two decimals.
awk -v lines="$lines" 'BEGIN {
    printf "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nSECURITY:NONE\nENCODING:USASCII\n"
    printf "CHARSET:1252\nCOMPRESSION:NONE\nOLDFILEUID:NONE\nNEWFILEUID:NONE\n\n<OFX>\n"
    printf "<SIGNONMSGSRSV1><SONRS><STATUS><CODE>0<SEVERITY>INFO</STATUS><DTSERVER>20270701"
    printf "<LANGUAGE>ENG</SONRS></SIGNONMSGSRSV1>\n<BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS>"
    printf "<CODE>0<SEVERITY>INFO</STATUS><STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>42"
    printf "<ACCTTYPE>CHECKING</BANKACCTFROM>\n<BANKTRANLIST><DTSTART>20170101<DTEND>20270701\n"
    for (i = lines; i >= 1; --i) {
        day = int(i * 3650 / lines)
        y = 2017 + int(day / 365); m = 1 + int((day % 365) / 31); d = 1 + (day % 28)
        printf "<STMTTRN><TRNTYPE>%s<DTPOSTED>%04d%02d%02d120000", (i % 7 == 0 ? "CHECK" : "DEBIT"), y, m, d
        printf "<TRNAMT>-%d.%02d%d", i % 500, i % 100, i % 10
        if (i % 7 == 0) printf "<CHECKNUM>%d", 1000 + i
        if (i % 10 != 0) printf "<FITID>F%08d", i
        printf "<NAME>PAYEE %d<MEMO>Line %d</STMTTRN>\n", i % 300, i
    }
    printf "</BANKTRANLIST><LEDGERBAL><BALAMT>0<DTASOF>20270701</LEDGERBAL></STMTRS>"
    printf "</STMTTRNRS></BANKMSGSRSV1></OFX>\n"
}' >"$work/big.ofx"

mkdir -p "$work/data"
"$program" --data "$work/data" accounts >/dev/null
for run in first second; do
    start="$(date +%s%N)"
    "$program" --data "$work/data" import "$work/big.ofx" --account Checking
    end="$(date +%s%N)"
    echo "$run import of $lines lines: $(((end - start) / 1000000)) ms (budget 2000 ms)"
done
