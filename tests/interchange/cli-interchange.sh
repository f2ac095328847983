#!/usr/bin/env bash
# import and export of QIF, CSV, journals and JSON as a user runs them: what each says, that the
# same file twice adds nothing, and that a refused import leaves every byte of the data folder.
#   cli-interchange.sh COINVALE MAKE_DATASET WORKDIR
set -euo pipefail

coinvale="$1"
make_dataset="$2"
work="$3"
rm -rf "$work"
mkdir -p "$work/home/run"
export COINVALE_HOME="$work/home" XDG_DOCUMENTS_DIR="$work/home" XDG_RUNTIME_DIR="$work/home/run"
data="$work/data"
failures=0

run() { "$coinvale" --data "$data" "$@"; }
expect() {  # expect WHAT EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        printf 'FAILED: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}
folder_sum() { (cd "$data" && find . -type f -print0 | sort -z | xargs -0 sha256sum) | sha256sum; }

# The five first accounts, no transactions.
"$make_dataset" "$data" --accounts 5 --transactions 0 >/dev/null

cat >"$work/bank.qif" <<'QIF'
!Type:Bank
D1/2/2024
T-1,234.56
N1001
PLandlord
LHousing:Rent/Holiday Home
C*
^
D1/5'24
T2,500.00
PEmployer
LSalary
CX
^
D2024-01-07
T-300.00
PTo savings
L[Savings]
^
QIF
expect "QIF import" "Imported into Checking: 3 new (0 matched), 0 skipped." \
    "$(run import "$work/bank.qif" --account Checking)"
expect "QIF import again" "Imported into Checking: 0 new (0 matched), 3 skipped." \
    "$(run import "$work/bank.qif" --account Checking)"
# Every import keeps the folder as it was first, not only the day's first save.
expect "a backup before each import" "2" "$(ls "$data.backups" | wc -l | tr -d ' ')"
expect "the transfer's twin" "300.00" \
    "$(run accounts --json | awk -F'"' '/"name": "Savings"/ { s = 1 } s && /"balance"/ { print $4; exit }')"

# A refused import changes nothing, and says which line.
before="$(folder_sum)"
printf '!Type:Bank\nD1/9/2024\nT-5\n^\nD1/32/2024\nT-5\n^\n' >"$work/bad.qif"
set +e
message="$(run import "$work/bad.qif" --account Checking 2>&1)"
status=$?
set -e
expect "bad QIF status" "1" "$status"
expect "bad QIF message" "$work/bad.qif, line 5: \"1/32/2024\" is not a date." "$message"
printf '!Type:Bank\nD1/9/2024\nT-5\nL[Nowhere]\n^\n' >"$work/transfer.qif"
expect "unknown transfer account" \
    "$work/transfer.qif, line 2: no account is named \"Nowhere\"." \
    "$(run import "$work/transfer.qif" --account Checking 2>&1 || true)"
expect "folder unchanged" "$before" "$(folder_sum)"

# CSV with a bank's rules file; an option wins over the file.
cat >"$work/bank.rules" <<'RULES'
# Example Bank: semicolons, decimal comma, debit and credit columns
columns = date, payee, memo, debit, credit
date-format = DD.MM.YYYY
header-lines = 1
separator = ;
decimal = ,
RULES
cat >"$work/bank.csv" <<'CSV'
Datum;Text;Info;Soll;Haben
03.02.2024;Bakery;"rolls; fresh";4,50;
04.02.2024;Refund;;;12,00
CSV
expect "CSV import" "Imported into Checking: 2 new (0 matched), 0 skipped." \
    "$(run import "$work/bank.csv" --account Checking --rules "$work/bank.rules")"
expect "CSV import again" "Imported into Checking: 0 new (0 matched), 2 skipped." \
    "$(run import "$work/bank.csv" --account Checking --rules "$work/bank.rules")"
expect "CSV option over the rules" "$work/bank.csv, line 2: \"03.02.2024\" is not a date." \
    "$(run import "$work/bank.csv" --account Checking --rules "$work/bank.rules" \
        --date-format YYYY-MM-DD 2>&1 || true)"
expect "CSV without mapping" \
    "The CSV columns need a date column and an amount column (or a debit and a credit column); see --columns." \
    "$(run import "$work/bank.csv" --account Savings 2>&1 || true)"
expect "unknown import format" "\"xls\" is not an import format; use ofx, qif or csv." \
    "$(run import "$work/bank.csv" --account Savings --format xls 2>&1 || true)"

# A text longer than the model keeps is shortened, and the import says so.
printf 'date,payee,amount\n2024-03-01,%s,-1.00\n' "$(printf 'P%.0s' {1..40})" >"$work/long.csv"
expect "shortened payee" \
    "$work/long.csv, line 2: \"$(printf 'P%.0s' {1..40})\" was shortened to \"$(printf 'P%.0s' {1..32})\"." \
    "$(run import "$work/long.csv" --account Savings --columns date,payee,amount --header-lines 1 2>&1 >/dev/null)"

# Exports.
expect "QIF of one account" "!Type:Bank" "$(run export Checking --format qif | head -1)"
expect "QIF of every account" "!Option:AutoSwitch" "$(run export --format qif | head -1)"
expect "journal" "; The data folder as a plain-text journal, written by Coinvale." \
    "$(run export --format ledger | head -1)"
expect "JSON" '  "home_currency": "$",' "$(run export --format json | sed -n 2p)"
expect "journal of one account" "The ledger format exports the whole data folder: name no account." \
    "$(run export Checking --format ledger 2>&1 || true)"
expect "CSV needs an account" "The csv format exports one account: name it." \
    "$(run export 2>&1 || true)"

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "import and export behave"
