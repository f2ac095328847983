#!/usr/bin/env bash
# The journal export checked by ledger itself: on a data set made by make-dataset, ledger's
# balance of every account must equal `coinvale accounts`, and its category totals for one year
# must equal `coinvale report --by category` for that year (amounts converted to the home
# currency as the report converts them).
#
#   check-ledger-export.sh COINVALE MAKE_DATASET WORKDIR TRANSACTIONS YEAR
#
# Exits 77 (skipped) when ledger is not installed.
set -euo pipefail

coinvale="$1"
make_dataset="$2"
work="$3"
transactions="$4"
year="$5"

if ! command -v ledger >/dev/null 2>&1; then
    echo "SKIPPED: ledger is not installed (Debian package 'ledger'; scripts/setup.sh installs it)"
    exit 77
fi

rm -rf "$work"
mkdir -p "$work/home/run"
export COINVALE_HOME="$work/home" XDG_DOCUMENTS_DIR="$work/home" XDG_RUNTIME_DIR="$work/home/run"
data="$work/data"
"$make_dataset" "$data" --accounts 20 --transactions "$transactions" --seed 1 >/dev/null
"$coinvale" --data "$data" export --format ledger >"$work/journal.ledger"

# 1. Account balances: "name|amount" from both sides, amounts without their commodity.
"$coinvale" --data "$data" accounts --json |
    awk -F'"' '/"name":/ { name = $4 } /"balance":/ { balance = $4 }
               /"inTotal":/ { print name "|" balance }' |
    sort >"$work/accounts.coinvale"
ledger -f "$work/journal.ledger" --pedantic \
    --balance-format '%(account)|%(scrub(display_total))\n' bal --flat --no-total \
    '^Assets' '^Liabilities' |
    sed -E 's/^(Assets|Liabilities)://; s/\|(-?[0-9.]+) .*$/|\1/' |
    sort >"$work/accounts.ledger"
if ! diff -u "$work/accounts.coinvale" "$work/accounts.ledger"; then
    echo "FAILED: account balances differ (coinvale accounts vs ledger)"
    exit 1
fi

# 2. Category totals of the year: the report's rows against ledger's postings summed per
# category account. Income and expense postings carry the opposite sign of the report's amounts.
"$coinvale" --data "$data" report --by category --from "$year-01-01" --to "$year-12-31" --json |
    awk -F'"' '/"name":/ { name = $4 } /"role":/ { role = $4 }
               /"amount":/ { if (role == "item" && name !~ /^\[/ && $4 != "0.00") print name "|" $4
                             if (role == "unassigned" && $4 != "0.00") print "Unassigned|" $4 }' |
    sort >"$work/categories.coinvale"
ledger -f "$work/journal.ledger" -b "$year/01/01" -e "$((year + 1))/01/01" \
    --format '%(account)|%(scrub(amount))\n' reg '^Income' '^Expenses' |
    sed -E 's/^(Income|Expenses)://; s/ [^|]*$//' |
    awk -F'|' '{ sum[$1] += int($2 * 100 + ($2 < 0 ? -0.5 : 0.5)) }
               END { for (name in sum) if (sum[name] != 0) printf "%s|%.2f\n", name, -sum[name] / 100 }' |
    sort >"$work/categories.ledger"
if ! diff -u "$work/categories.coinvale" "$work/categories.ledger"; then
    echo "FAILED: category totals of $year differ (coinvale report vs ledger)"
    exit 1
fi
echo "ledger agrees: $(wc -l <"$work/accounts.ledger") accounts," \
    "$(wc -l <"$work/categories.ledger") categories in $year"
