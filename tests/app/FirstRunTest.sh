#!/usr/bin/env bash
# coinvale on a throw-away home: the first run creates the data folder with its eight list files
# and five first accounts and lists the accounts with the total; a second run finds the same
# accounts; a damaged account file is reported and kept beside the one the run saves.
#   FirstRunTest.sh path/to/coinvale
set -euo pipefail
program="$1"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
export COINVALE_HOME="$home" XDG_DOCUMENTS_DIR="$home/Documents" COINVALE_NOW=2026-12-06T09:30:00
data="$home/Documents/Brightmoor/Coinvale"

fail() { echo "FAIL: $*" >&2; exit 1; }

first="$("$program")" || fail "the first run ended with $?"
accounts="$(printf '%s\n' "$first" | sed -n '2,$p' | sed 's/  .*//')"
expected=$'American Express\nChecking\nMaster Card\nSavings\nVisa\nTotal'
[ "$accounts" = "$expected" ] || fail "the first run listed: $accounts"
for name in "American Express" Checking "Master Card" Savings Visa; do
    [ -f "$data/$name.cvl" ] || fail "no file for $name"
done
[ -f "$home/registry.reg" ] || fail "no registry in COINVALE_HOME"
# The eight list files, the scheduled transactions among them (a fresh one is its two count bytes).
lists="$(cd "$data" && ls -- *.lst | wc -l)"
[ "$lists" = 8 ] || fail "the first run wrote $lists list files"
[ "$(stat -c %s "$data/ScheduledTransList.lst")" = 2 ] || fail "no fresh scheduled list"

second="$("$program")" || fail "the second run ended with $?"
[ "$second" = "$first" ] || fail "the second run listed: $second"

# Cut the checking account's file inside its fixed fields.
head -c 100 "$data/Checking.cvl" > "$data/cut" && mv "$data/cut" "$data/Checking.cvl"
messages="$("$program" 2>&1 >/dev/null)" || fail "the run with a damaged file ended with $?"
printf '%s\n' "$messages" | grep -q "Checking.cvl is damaged" || fail "no message: $messages"
[ "$(stat -c %s "$data/Checking.cvl.damaged")" = 100 ] || fail "the damaged file was not kept"
echo "ok"
