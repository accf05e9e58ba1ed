#!/usr/bin/env bash
# The icons a package installs into the hicolor theme: at each size a PNG of
# exactly that size, the 32-pixel one the Windows icon's very pixels, and
# every larger one it enlarged by a whole factor without smoothing.
# Usage: check_icons.sh ROOT ICON.ico SIZE...
set -uo pipefail
root=${1:?usage: check_icons.sh ROOT ICON.ico SIZE...}
ico=${2:?}
shift 2
work=$(mktemp -d "${TMPDIR:-/tmp}/vantorix-icons.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
differ() { compare -metric AE "$1" "$2" null: 2>&1; }

convert "$ico" -define png:color-type=6 "$work/art.png" || exit 1
for side in "$@"; do
  png=$root/usr/share/icons/hicolor/${side}x$side/apps/vantorix.png
  [ -f "$png" ] || { fail "no icon $png"; continue; }
  [ "$(identify -format '%m %wx%h' "$png")" = "PNG ${side}x$side" ] ||
    fail "$png is not a ${side} x $side PNG: $(identify "$png" 2>&1)"
  convert "$work/art.png" -sample "${side}x$side" "$work/$side.png"
  [ "$(differ "$work/$side.png" "$png")" = 0 ] ||
    fail "$png is not the icon's art enlarged $((side / 32)) times"
done
((failures == 0)) || exit 1
echo "ok: the icon at $* pixels, each the art enlarged by a whole factor"
