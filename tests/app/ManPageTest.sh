#!/usr/bin/env bash
# The manual page: every command that "coinvale --help" lists has its entry, and the page
# renders.
#   ManPageTest.sh path/to/coinvale path/to/coinvale.1
set -euo pipefail
program="$1"
page="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }

commands="$("$program" --help | sed -n 's/^  \([a-z][a-z]*\)  .*/\1/p')"
[ -n "$commands" ] || fail "coinvale --help lists no commands"
for command in $commands; do
    grep -Eq "^\.(B|BI|BR) \"?$command( |\"|$)" "$page" || fail "no entry for $command"
done
if command -v man >/dev/null 2>&1; then
    text="$(MANWIDTH=80 man -l "$page" 2>&1)" || fail "man could not render the page"
    grep -q "coinvale - personal-finance manager" <<<"$text" || fail "no NAME section"
fi
echo "ok"
