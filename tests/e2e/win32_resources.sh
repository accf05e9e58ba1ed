#!/usr/bin/env bash
# Looks inside the cross-built Windows program: one self-contained GUI
# executable carrying the game menu, the sixteen 24-bit sprite bitmaps in
# their sizes, the 32 x 32, 16-colour icon, and the project's version.
#
#   win32_resources.sh EXE WINDRES OBJDUMP VERSION
set -euo pipefail

if [[ $# -ne 4 ]]; then
  echo "usage: $0 EXE WINDRES OBJDUMP VERSION" >&2
  exit 2
fi
exe=$1 windres=$2 objdump=$3 version=$4
[[ -f $exe ]] || { echo "FAIL: no program at $exe" >&2; exit 1; }

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

headers=$("$objdump" -p "$exe")
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' <<<"$headers" || fail "not a GUI-subsystem program"
# Only libraries every Windows has (shell32 splits the command line); the C++
# runtime is linked in.
while read -r dll; do
  case ${dll,,} in
    kernel32.dll | user32.dll | gdi32.dll | shell32.dll | msvcrt.dll) ;;
    *) fail "needs $dll beside it" ;;
  esac
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")

dump=$("$windres" -i "$exe" -O rc)

# The menu, as the resource compiler writes it back (UTF-16 code units):
# ゲーム holding 開始 (302) and 終了 (303).
expected_menu='"MYMENU" MENU
BEGIN
POPUP L"\x30b2\x30fc\x30e0"
BEGIN
MENUITEM L"\x958b\x59cb", 302
MENUITEM L"\x7d42\x4e86", 303
END
END'
menu=$(awk '/^"MYMENU" MENU/ {on = 1} on {line = $0; sub(/^[ \t]+/, "", line); print line} on && /^END/ {exit}' <<<"$dump")
if [[ $menu != "$expected_menu" ]]; then
  fail "menu MYMENU differs; found:"
  echo "$menu"
fi

# Each bitmap's header: its size, 24 bits per pixel, no compression.
declare -A expected_size=(
  [MYBP1]=26x30 [MYBP2]=11x10 [MYBP3]=28x27 [MYBP4]=26x29 [MYBP5]=767x480 [MYBP6]=31x30
  [MYBP7]=65x44 [MYBP8]=65x44 [MYBP9]=11x10 [MYBP10]=267x45 [MYBP11]=267x45 [MYBP12]=267x45
  [MYBP13]=379x30 [MYBP14]=3x28 [MYBP15]=28x29 [MYBP16]=28x29)
declare -A found
while read -r name width height bits compression; do
  found[$name]=1
  want=${expected_size[$name]:-}
  if [[ -z $want ]]; then
    fail "unexpected bitmap $name"
  elif [[ ${width}x$height != "$want" ]]; then
    fail "$name is ${width}x$height, not $want"
  fi
  [[ $bits == 24 ]] || fail "$name has $bits bits per pixel, not 24"
  [[ $compression == 0 ]] || fail "$name is compressed (type $compression)"
done < <(awk '
  function hex(text,    value, i) {
    text = tolower(text); sub(/^0x/, "", text); value = 0
    for (i = 1; i <= length(text); i++) value = value * 16 + index("0123456789abcdef", substr(text, i, 1)) - 1
    return value
  }
  /^"MYBP[0-9]+" 2 / { name = $1; gsub(/"/, "", name); next }
  name != "" && /^BEGIN/ { next }
  name != "" {
    gsub(/[ L]/, ""); split($0, w, ",")
    printf "%s %d %d %d %d\n", name, hex(w[2]), hex(w[3]), int(hex(w[4]) / 65536), hex(w[5])
    name = ""
  }' <<<"$dump")
for name in "${!expected_size[@]}"; do
  [[ -n ${found[$name]:-} ]] || fail "bitmap $name is missing"
done

# The icon group by the name the window class loads it with: one 32 x 32
# picture of 16 colours.
icon=$(awk '/^"ICON1.ICO" 14 / {on = 1} on && /Element no/ {print; exit}' <<<"$dump")
[[ $icon == *'"\040\040\020\000"'* ]] || fail "icon1.ico is not one 32 x 32, 16-colour picture: ${icon:-missing}"

# The version resource names the product and its version, as numbers too.
for value in '"ProductName", "Vantorix"' "\"ProductVersion\", \"$version\"" \
  "\"FileVersion\", \"$version\"" '"OriginalFilename", "vantorix.exe"'; do
  grep -Fq "VALUE $value" <<<"$dump" || fail "the version resource lacks $value"
done
numbers=$(tr . ' ' <<<"$version.0.0.0" | awk '{ printf "%d, %d, %d, %d", $1, $2, $3, $4 }')
grep -Fxq " FILEVERSION $numbers" <<<"$dump" || fail "the file version is not $numbers"

if ((failures > 0)); then
  echo "$failures check(s) failed for $exe"
  exit 1
fi
echo "ok: GUI program without extra DLLs, menu, 16 bitmaps, icon and version $version as expected"
