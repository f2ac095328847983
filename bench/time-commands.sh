#!/usr/bin/env bash
# Wall time of coinvale's commands on the data set of 20 accounts and 100,000 transactions, the
# load of the data folder included, against the budget of 0.5 s a command. Each command runs
# five times after one warm-up run; the best and the median are shown.
#   bench/time-commands.sh             builds coinvale and make-dataset in build/release first
#   bench/time-commands.sh BUILD_DIR   uses the programs already built there
#   bench/time-commands.sh BUILD_DIR 500000
#                                      the same over 500,000 transactions, to see the commands
#                                      grow with the data (no budget: compare with 100,000)
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-}"
transactions="${2:-100000}"
if [ -z "$build" ]; then
    build=build/release
    scripts/build.sh release coinvale make-dataset >/dev/null
fi
program="$build/app/coinvale/coinvale"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export COINVALE_HOME="$work/home" COINVALE_NOW=2027-07-08T09:30:00 LC_ALL=C
"$build/bench/make-dataset" "$work/data" --accounts 20 --transactions "$transactions" --seed 1

runs=5
budget_ms=500
printf '%-44s %8s %8s  %s\n' "command" "best ms" "median" "budget ${budget_ms} ms"
time_command() {
    local times=() start end
    "$program" --data "$work/data" "$@" >/dev/null
    for _ in $(seq "$runs"); do
        start="$(date +%s%N)"
        "$program" --data "$work/data" "$@" >/dev/null
        end="$(date +%s%N)"
        times+=("$(((end - start) / 1000000))")
    done
    mapfile -t times < <(printf '%s\n' "${times[@]}" | sort -n)
    local best="${times[0]}" median="${times[$((runs / 2))]}"
    local verdict="within"
    [ "$median" -le "$budget_ms" ] || verdict="OVER"
    [ "$transactions" -eq 100000 ] || verdict="-"
    printf '%-44s %8s %8s  %s\n' "$*" "$best" "$median" "$verdict"
}

time_command accounts
time_command accounts --json
time_command register Checking
time_command export Checking --format csv
time_command report --by category --period "This Year"
time_command budget --by category --period "This Year"
time_command upcoming --through "1 Year"
time_command check
# A change: one transaction added to one account and saved.
time_command add Checking --amount -1.00 --payee X
