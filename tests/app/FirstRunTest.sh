#!/usr/bin/env bash
# coinvale on a throw-away home, as a new user runs it. Without a terminal it points to the
# commands; in a terminal (a pseudo-terminal made by script(1)) the first run creates the data
# folder with its eight list files and five first accounts, opens the accounts summary and ends
# on "Exit" (Ctrl+R, then 0); a second run finds the same accounts; a damaged account file is
# reported on the screen and left as it is, never saved over as a new empty account.
#   FirstRunTest.sh path/to/coinvale
set -euo pipefail
program="$1"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
export COINVALE_HOME="$home" XDG_DOCUMENTS_DIR="$home/Documents" XDG_RUNTIME_DIR="$home/run"
export COINVALE_NOW=2026-12-06T09:30:00 TERM=xterm
mkdir -p "$home/run"
data="$home/Documents/Brightmoor/Coinvale"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the interactive program in a pseudo-terminal, typing `keys` once it has had a moment to
# set the terminal up; the screen goes to $home/screen.
interactive() {
    local keys="$1"
    (sleep 1; printf '%b' "$keys") | timeout 30 script -qec "$program" /dev/null >"$home/screen"
}

set +e
message="$("$program" </dev/null 2>&1)"
status=$?
set -e
[ "$status" = 2 ] || fail "without a terminal the exit status was $status"
printf '%s' "$message" | grep -q 'coinvale accounts' || fail "no pointer to the commands: $message"
printf '%s' "$message" | grep -q 'coinvale --help' || fail "no pointer to --help: $message"
"$program" --version | grep -q '^coinvale [0-9]' || fail "--version printed no version"

interactive '\x12''0' || fail "the first run ended with $?"
grep -q 'Accounts Summary' "$home/screen" || fail "the first run showed no accounts summary"
for name in "American Express" Checking "Master Card" Savings Visa; do
    [ -f "$data/$name.cvl" ] || fail "no file for $name"
    grep -q "$name" "$home/screen" || fail "the summary did not show $name"
done
[ -f "$home/registry.reg" ] || fail "no registry in COINVALE_HOME"
# The eight list files, the scheduled transactions among them (a fresh one is its two count bytes).
lists="$(cd "$data" && ls -- *.lst | wc -l)"
[ "$lists" = 8 ] || fail "the first run wrote $lists list files"
[ "$(stat -c %s "$data/ScheduledTransList.lst")" = 2 ] || fail "no fresh scheduled list"

accounts="$("$program" accounts | sed -n '2,$p' | sed 's/  .*//')"
expected=$'American Express\nChecking\nMaster Card\nSavings\nVisa\nTotal'
[ "$accounts" = "$expected" ] || fail "after the first run the accounts are: $accounts"
interactive '\x12''0' || fail "the second run ended with $?"
[ "$("$program" accounts | sed -n '2,$p' | sed 's/  .*//')" = "$expected" ] ||
    fail "the second run changed the accounts"

# Cut the checking account's file inside its fixed fields: it holds no account any more. The run
# says so (Enter closes the message), leaves the file as it is and makes no first accounts.
head -c 100 "$data/Checking.cvl" > "$data/cut" && mv "$data/cut" "$data/Checking.cvl"
interactive '\r''\x12''0' || fail "the run with a damaged file ended with $?"
grep -q 'Checking.cvl' "$home/screen" && grep -q 'could not be read' "$home/screen" || fail "no message about the cut file"
[ "$(stat -c %s "$data/Checking.cvl")" = 100 ] || fail "the cut file was saved over"
[ "$(cd "$data" && ls -- *.cvl | wc -l)" = 5 ] || fail "the cut file's account was made anew"
echo "ok"
