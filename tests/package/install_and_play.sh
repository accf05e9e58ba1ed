#!/usr/bin/env bash
# Installs the Debian package on this machine with apt, starts its desktop
# entry's command in a private X server and waits for the title, then purges
# the package and checks that nothing it installed is left behind.
# The system itself changes, so the script runs only as root, refuses to
# touch a vantorix that was there before it, and purges its own install on
# every way out.
# Usage: install_and_play.sh DEB TITLE_BMP VERSION
set -uo pipefail

deb=$(realpath "${1:?usage: install_and_play.sh DEB TITLE_BMP VERSION}")
title_bmp=${2:?}
version=${3:?}
[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
for tool in apt-get dpkg-query Xvfb xdotool import convert compare; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vantorix-package.XXXXXX")
installed=0
xvfb_pid=
game_pid=
export DEBIAN_FRONTEND=noninteractive
# Another apt or dpkg at work holds the lock: wait for it.
apt=(apt-get -o DPkg::Lock::Timeout=600 -y -q)

finish() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  if [ "$installed" = 1 ]; then
    "${apt[@]}" purge vantorix >"$work/purge.log" 2>&1 || cat "$work/purge.log"
  fi
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM

fail() {
  echo "FAIL: $*"
  exit 1
}

source "$(dirname "$0")/../e2e/x_server.sh"

state() { dpkg-query -W -f='${db:Status-Status}' vantorix 2>/dev/null; }
before=$(state)
[ -z "$before" ] || [ "$before" = not-installed ] ||
  fail "vantorix is already on this machine ($before): apt-get purge vantorix first"

installed=1
"${apt[@]}" install --no-install-recommends "$deb" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "apt-get could not install $deb"; }
[ "$(state)" = installed ] || fail "apt-get installed, but dpkg says '$(state)'"
dpkg-query -L vantorix | grep -vx '/\.' >"$work/paths"
echo "ok: installed with apt: $(wc -l <"$work/paths") paths"

# ---- the desktop entry's command shows the title ---------------------------
entry=/usr/share/applications/vantorix.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ -n "$exec_line" ] || fail "$entry has no Exec line"
read -ra command <<<"$exec_line"
[ "$("${command[0]}" --version)" = "vantorix $version" ] ||
  fail "'${command[0]} --version' does not print 'vantorix $version'"

start_x_server "$work" 1280x800 || fail "Xvfb did not start"
unset SDL_VIDEODRIVER VANTORIX_ALLOW_HEADLESS VANTORIX_PACING_REPORT

"${command[@]}" 2>"$work/game.log" &
game_pid=$!
find_window() {
  wid=$(xdotool search --onlyvisible --classname '^vantorix$' 2>/dev/null | head -n1)
  [ -n "$wid" ]
}
wait_for 100 find_window || fail "'$exec_line' showed no window"
# The field lies below the 20-pixel menu bar.
shows_title() {
  import -window "$wid" "$work/shot.png" 2>/dev/null &&
    convert "$work/shot.png" -crop 767x480+0+20 +repage "$work/field.png" &&
    [ "$(compare -metric AE "$work/field.png" "$title_bmp" null: 2>&1)" = 0 ]
}
wait_for 100 shows_title || fail "the window of '$exec_line' does not show the title"
kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=
[ "$status" = 0 ] || fail "the game ended with status $status when asked to: $(cat "$work/game.log")"
echo "ok: '$exec_line' shows the title, and ends with status 0 when asked to"

# ---- purged, nothing of it is left -----------------------------------------
installed=0
"${apt[@]}" purge vantorix >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "apt-get could not purge vantorix"; }
now=$(state)
[ -z "$now" ] || [ "$now" = not-installed ] || fail "after the purge dpkg says '$now'"
left=0
while read -r path; do
  [ -e "$path" ] || [ -L "$path" ] || continue
  # A folder other packages also use stays.
  [ -d "$path" ] && dpkg-query -S "$path" >/dev/null 2>&1 && continue
  echo "left behind: $path"
  left=$((left + 1))
done <"$work/paths"
[ "$left" = 0 ] || fail "$left paths of the package are still there"
echo "ok: purged; every file and folder of its own is gone"
echo PASS
