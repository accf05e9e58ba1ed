#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build and the tests need, if any are
# missing. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
  cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev  # native build, tests, benchmarks
  libsdl2-dev                                                # the Linux and macOS program
  clang libclang-rt-14-dev clang-format                      # the fuzzer, the style check
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64       # the Windows program
  wine wine64 xvfb xdotool x11-utils imagemagick python3     # end-to-end runs
  fonts-vlgothic xfonts-base locales                         # Japanese texts on screen
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
"${as_root[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
