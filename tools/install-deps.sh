#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build and the tests need, if any are
# missing. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
  cmake make g++ libgtest-dev libgmock-dev   # native build and unit tests
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
