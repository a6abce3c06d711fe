#!/usr/bin/env bash
# Installs whatever the build and the tests need and is not yet on this machine.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libbenchmark-dev libcli11-dev
          nlohmann-json3-dev clang libclang-rt-14-dev fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
