#!/usr/bin/env bash
# coinvale-sync's manual page: both directions and every option of "coinvale-sync --help" have
# their entry, and the page renders.
#   ManPageTest.sh path/to/coinvale-sync path/to/coinvale-sync.1
set -euo pipefail
program="$1"
page="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }

options="$("$program" --help | grep -o -- '--[a-z][a-z]*' | sort -u)"
[ -n "$options" ] || fail "coinvale-sync --help lists no options"
for option in $options; do
    grep -q -- "^\.BI \\\\-\\\\-${option#--} " "$page" || fail "no entry for $option"
done
for word in push pull; do
    grep -q "^\.B coinvale-sync $word" "$page" || fail "no synopsis of $word"
    grep -q "^\.B $word$" "$page" || fail "no entry for $word"
done
if command -v man >/dev/null 2>&1; then
    text="$(MANWIDTH=80 man -l "$page" 2>&1)" || fail "man could not render the page"
    grep -q "coinvale-sync - copy Coinvale's data out" <<<"$text" || fail "no NAME section"
fi
echo "ok"
