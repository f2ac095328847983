#!/usr/bin/env bash
# The companion's manual page: every option "coinvale-reminder --help" lists has its entry, and
# the page renders.
#   ManPageTest.sh path/to/coinvale-reminder path/to/coinvale-reminder.1
set -euo pipefail
program="$1"
page="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }

options="$("$program" --help | sed -n 's/^  \(--[a-z]*\) .*/\1/p')"
[ -n "$options" ] || fail "coinvale-reminder --help lists no options"
for option in $options; do
    grep -q "^\.B \\\\-\\\\-${option#--}\$" "$page" || fail "no entry for $option"
done
if command -v man >/dev/null 2>&1; then
    text="$(MANWIDTH=80 man -l "$page" 2>&1)" || fail "man could not render the page"
    grep -q "coinvale-reminder - reminders" <<<"$text" || fail "no NAME section"
fi
echo "ok"
