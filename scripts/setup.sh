#!/usr/bin/env bash
# Installs the Debian packages Coinvale builds with, where they are missing. Safe to run again.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libncurses-dev libcurl4-openssl-dev libcpp-httplib-dev nlohmann-json3-dev
    clang
    # interchange: the journal export is checked by ledger itself
    ledger
    # ---- reminder companion: sd-bus for its notifications; its tests start a private bus ----
    libsystemd-dev dbus-daemon
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
