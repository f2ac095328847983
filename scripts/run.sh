#!/usr/bin/env bash
# Sets up, builds and starts Coinvale; arguments go to the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/setup.sh"
"$root/scripts/build.sh" release coinvale >/dev/null
exec "$root/build/release/app/coinvale/coinvale" "$@"
