#!/usr/bin/env bash
# Configures and builds one build folder: scripts/build.sh release|sanitize [targets...]
set -euo pipefail
cd "$(dirname "$0")/.."

kind="$1"
shift
case "$kind" in
    release) options=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG") ;;
    sanitize) options=(-DCMAKE_BUILD_TYPE=Debug -DCOINVALE_SANITIZE=ON -DCOINVALE_BENCH=OFF) ;;
    *) echo "usage: scripts/build.sh release|sanitize [targets...]" >&2; exit 2 ;;
esac

folder="build/$kind"
if [ ! -f "$folder/build.ninja" ]; then
    cmake -S . -B "$folder" -G Ninja -DCOINVALE_WERROR=ON "${options[@]}" >/dev/null
fi
if [ $# -gt 0 ]; then
    cmake --build "$folder" --target "$@"
else
    cmake --build "$folder"
fi
