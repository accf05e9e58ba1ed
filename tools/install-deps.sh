#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that one or more purposes need, if any
# are missing. Runs apt-get as root, or through sudo.
# Usage: install-deps.sh PURPOSE...   (play, unit, test, bench, fuzz, windows, web, package)
set -euo pipefail

# One list per purpose; a purpose may name another with '@', and PACKAGE/COMMAND
# is PACKAGE only where COMMAND is not on the PATH already (node may come from
# a package of its own that Debian's npm conflicts with).
declare -A needs=(
  [play]="cmake make g++ libsdl2-dev"
  [windows]="cmake make g++ g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64"
  [fuzz]="@play clang libclang-rt-14-dev"
  # The benchmarks: the game's own, and what each shell costs (the SDL
  # program in Xvfb, the page in headless Chromium driven by npm's puppeteer).
  [bench]="@play @web libbenchmark-dev xvfb xdotool chromium npm/npm"
  # The web page: clang and lld for wasm32-wasi with its C and C++ libraries,
  # binaryen's wasm-opt, and node to pack the page (and serve it).
  [web]="cmake make g++ clang-14 lld-14 wasi-libc libc++-14-dev-wasm32 libc++abi-14-dev-wasm32
         libclang-rt-14-dev-wasm32 binaryen nodejs/node"
  # The packages: the Windows and web builds for the zips, and dpkg-shlibdeps
  # and file for CPack's Debian package.
  [package]="@play @windows @web dpkg-dev file"
  # A native build with its unit tests (the dev and asan presets).
  [unit]="@play libgtest-dev libgmock-dev"
  # Everything make test runs: the unit and scenario tests, the style check,
  # the fuzzer, the end-to-end runs of both programs (Xvfb, and Wine with
  # Japanese fonts for the Windows boxes), the web page under node and in
  # Chromium (npm fetches its driver), and the packages through their
  # validators and lintian.
  [test]="@unit @windows @fuzz @web @package clang-format
          xvfb xdotool x11-utils imagemagick python3
          wine wine64 fonts-vlgothic xfonts-base chromium npm/npm
          desktop-file-utils appstream lintian"
)

[ $# -gt 0 ] || { echo "usage: install-deps.sh PURPOSE... (${!needs[*]})" >&2; exit 2; }

declare -A wanted=()
add_purpose() {
  [ -n "${needs[$1]+set}" ] || { echo "install-deps.sh: unknown purpose '$1'" >&2; exit 2; }
  local package
  for package in ${needs[$1]}; do
    if [ "${package:0:1}" = @ ]; then
      add_purpose "${package:1}"
    elif [ "${package#*/}" != "$package" ]; then
      command -v "${package#*/}" >/dev/null || wanted[${package%%/*}]=1
    else
      wanted[$package]=1
    fi
  done
}
for purpose in "$@"; do add_purpose "$purpose"; done

missing=()
for package in "${!wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
# Another apt or dpkg at work holds the lock: wait for it.
apt=("${as_root[@]}" apt-get -o DPkg::Lock::Timeout=600)
"${apt[@]}" update -qq
"${apt[@]}" install -y -qq "${missing[@]}" >/dev/null
