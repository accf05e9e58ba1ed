#!/usr/bin/env bash
# Plays the Windows program the way a user would, under Wine in a private
# X server, and looks at what it shows:
#   run 1: the title picture (light cyan sky) fills the 767 x 480 client area;
#          ゲーム > 開始 opens the start box, answered with Return; the fighters
#          then move on a black field; the arrow keys move the ship;
#          ゲーム > 終了 answered No keeps the game paused while the box is
#          open and then resumes it; answered Yes ends the program with 0.
#   run 2: a game closed with Alt+F4 while it runs ends with 0.
#
#   win32_e2e.sh [--title-bmp MYBP5.bmp] [--docs DIR] EXE
#
# --title-bmp  also demand that the client area shows exactly this picture
# --docs DIR   write screenshot-title.png and screenshot-game.png (the whole
#              window at 1:1) into DIR
#
# Needs: wine (64-bit), Xvfb, xdotool, xwininfo (x11-utils), ImageMagick,
# localedef (locales) and a Japanese font (fonts-vlgothic). Every wait is
# bounded; on failure the screenshots are kept and their directory printed.
set -euo pipefail

usage() {
  echo "usage: $0 [--title-bmp BMP] [--docs DIR] EXE" >&2
  exit 2
}

title_bmp="" docs_dir="" exe=""
while [[ $# -gt 0 ]]; do
  case $1 in
    --title-bmp) [[ $# -ge 2 ]] || usage; title_bmp=$2; shift 2 ;;
    --docs) [[ $# -ge 2 ]] || usage; docs_dir=$2; shift 2 ;;
    -*) usage ;;
    *) [[ -z $exe ]] || usage; exe=$1; shift ;;
  esac
done
[[ -n $exe ]] || usage
[[ -f $exe ]] || { echo "FAIL: no program at $exe" >&2; exit 1; }
exe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")
for tool in wine wineserver Xvfb xdotool xwininfo import convert compare localedef; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

readonly client_width=767 client_height=480
readonly sky='#80FFFF'

work=$(mktemp -d "${TMPDIR:-/tmp}/vantorix-e2e.XXXXXX")
shots=$work/screenshots
mkdir -p "$shots"
xvfb_pid="" game_pid="" passed=0 started=$SECONDS

cleanup() {
  if [[ -n $game_pid ]] && kill -0 "$game_pid" 2>/dev/null; then kill "$game_pid" 2>/dev/null || true; fi
  if [[ -n ${WINEPREFIX:-} && -d ${WINEPREFIX:-} ]]; then wineserver -k 2>/dev/null || true; fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  if ((passed)); then
    rm -rf "$work"
  else
    rm -rf "$work/prefix" "$work/locale"
    echo "screenshots kept in $shots"
  fi
}
trap cleanup EXIT
trap 'exit 143' TERM INT

fail() {
  echo "FAIL: $*"
  exit 1
}

step() { printf '[%3ds] %s\n' $((SECONDS - started)) "$*"; }

# Runs "$@" every 0.1 s until it succeeds or `limit` seconds have passed.
wait_until() {
  local limit=$1
  shift
  local deadline=$((SECONDS + limit))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# ---- A private X server, Japanese locale and Wine prefix for this run ----

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_until 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=:$(head -n1 "$work/display")
export DISPLAY

# The game's texts are Japanese; Wine picks its fonts and code page from the
# locale. Use the system's ja_JP.UTF-8 or compile a private one.
if ! grep -qix 'ja_JP\.utf-\?8' <<<"$(locale -a 2>/dev/null)"; then
  mkdir -p "$work/locale"
  localedef -i ja_JP -f UTF-8 "$work/locale/ja_JP.UTF-8" >/dev/null 2>&1 ||
    fail "cannot make the ja_JP.UTF-8 locale (is the locales package installed?)"
  export LOCPATH=$work/locale
fi
# (The shell itself needs no locale; only the programs it starts do.)
{ export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8; } 2>/dev/null

export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installers, no desktop menu entries in the home directory.
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'

step "preparing the Wine prefix"
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1 || fail "wineserver did not start"
timeout 120 wine wineboot -i >"$work/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -n5 "$work/wineboot.log")"
# Wine draws the window frame itself: with it the window has its caption and
# menu bar, keys reach it, and closed windows do not stall.
timeout 30 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
  >>"$work/wineboot.log" 2>&1 || fail "cannot configure Wine's X11 driver"

# ---- Looking at the screen ----

window="" client_x=0 client_y=0 frame_x=0 frame_y=0 frame_w=0 frame_h=0

find_window() {
  window=$(xdotool search --name '^Vantorix$' 2>/dev/null | head -n1) && [[ -n $window ]]
}

# xdotool cannot match Japanese titles; message boxes are found by their caption
# in the window tree.
box_open() { xwininfo -root -tree 2>/dev/null | grep -qF "\"$1\""; }
no_box_open() { ! box_open "$1"; }

# Where the client area lies: Wine frames the window with equal borders on
# the left, right and bottom, and the caption and menu bar above.
measure_window() {
  local info
  info=$(xwininfo -id "$window")
  frame_x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
  frame_y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
  frame_w=$(awk '/^ *Width:/ {print $NF}' <<<"$info")
  frame_h=$(awk '/^ *Height:/ {print $NF}' <<<"$info")
  local border=$(((frame_w - client_width) / 2))
  ((border >= 0 && (frame_w - client_width) % 2 == 0 && frame_h > client_height + 2 * border)) ||
    fail "window is ${frame_w}x$frame_h, too small for a ${client_width}x$client_height client area"
  client_x=$((frame_x + border))
  client_y=$((frame_y + frame_h - border - client_height))
}

# shoot NAME: the whole screen as NAME.png and the client area as NAME-client.png.
shoot() {
  import -window root "$shots/$1.png"
  convert "$shots/$1.png" -crop "${client_width}x$client_height+$client_x+$client_y" +repage \
    "$shots/$1-client.png"
}

# Share of the picture's pixels that have exactly the colour #RRGGBB.
share_of() {
  convert "$1" -alpha off -depth 8 -format '%c' histogram:info:- |
    awk -v colour="${2^^}" '{pixels = $1; sub(/:$/, "", pixels); total += pixels}
      toupper($0) ~ " " colour "( |$)" {count += pixels}
      END {printf "%.6f\n", (total > 0) ? count / total : 0}'
}

# Number of pixels in which two pictures differ.
difference() { compare -metric AE "$1" "$2" null: 2>&1 || true; }

at_least() { awk -v a="$1" -v b="$2" 'BEGIN {exit !(a >= b)}'; }

title_shows() {
  shoot "$1"
  at_least "$(share_of "$shots/$1-client.png" "$sky")" 0.30
}

save_docs_picture() {
  [[ -n $docs_dir ]] || return 0
  mkdir -p "$docs_dir"
  convert "$shots/$1.png" -crop "${frame_w}x$frame_h+$frame_x+$frame_y" +repage -strip \
    "$docs_dir/$2"
  step "saved $docs_dir/$2"
}

# The ship's 28 x 27 picture at the game position (x, y) in a client picture.
ship_at() {
  convert "$1" -crop "28x27+$2+$3" +repage "$4"
}

# ---- Driving the program ----

launch() {
  local name=$1
  (
    cd "$work"
    exec wine "$exe" >"$work/$name.log" 2>&1
  ) &
  game_pid=$!
}

# Whether the program runs (an ended one stays a zombie until it is waited for).
running() {
  local stat
  stat=$(cat "/proc/$game_pid/stat" 2>/dev/null) || return 1
  stat=${stat##*) } # the state follows the command name in parentheses
  [[ ${stat%% *} != Z ]]
}
ended() { ! running; }

# Waits for the program to end by itself and checks its exit status.
expect_exit_zero() {
  wait_until "$1" ended || fail "$2: the program did not end"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  ((status == 0)) || fail "$2: exit status $status, not 0"
}

# The menu by keyboard: F10 selects ゲーム, Down opens it on its first item.
menu_start() { xdotool key --delay 150 F10 Down Return; }   # ゲーム > 開始
menu_quit() { xdotool key --delay 150 F10 Down Down Return; } # ゲーム > 終了

start_game() {
  menu_start
  wait_until 10 box_open "開始確認" || { shoot start-box-missing; fail "ゲーム > 開始 opened no start box"; }
  shoot start-box
  xdotool key Return
  wait_until 5 no_box_open "開始確認" || { shoot start-box-stuck; fail "Return did not close the start box"; }
}

# Two client pictures taken `gap` seconds apart must differ in at least 50 pixels.
expect_motion() {
  shoot "$1"
  sleep "$3"
  shoot "$2"
  local changed
  changed=$(difference "$shots/$1-client.png" "$shots/$2-client.png")
  ((changed >= 50)) || fail "$4: the field did not change ($changed pixels in ${3}s)"
}

step "run 1: launch"
launch run1
launched=$EPOCHREALTIME
wait_until 30 find_window || fail "no window titled Vantorix appeared"
measure_window
wait_until 30 title_shows title || fail "the title picture did not show (too little light cyan sky)"
step "title on screen $(awk -v a="$launched" -v b="$EPOCHREALTIME" 'BEGIN {printf "%.1f", b - a}')s after launch; window ${frame_w}x$frame_h, client area at ($((client_x - frame_x)),$((client_y - frame_y)))"
if [[ -n $title_bmp ]]; then
  convert "$title_bmp" "$work/title-expected.png"
  diff_pixels=$(difference "$work/title-expected.png" "$shots/title-client.png")
  [[ $diff_pixels == 0 ]] || fail "the client area is not exactly the title picture ($diff_pixels pixels differ)"
fi
# Nothing of the sky beyond the client area: the window shows the whole
# picture and no more.
convert "$shots/title.png" -crop "1x${client_height}+$((client_x + client_width))+$client_y" +repage "$work/right-edge.png"
at_least 0 "$(share_of "$work/right-edge.png" "$sky")" || fail "the sky goes on right of the ${client_width}-pixel client area"
save_docs_picture title screenshot-title.png

step "run 1: ゲーム > 開始, start box answered"
start_game
expect_motion game-a game-b 0.5 "after the start"
black=$(share_of "$shots/game-b-client.png" '#000000')
at_least "$black" 0.80 || fail "the running game's field is not black (black share $black)"
at_least 0.01 "$(share_of "$shots/game-b-client.png" "$sky")" || fail "the title still shows in the running game"

step "run 1: arrow keys move the ship"
# The ship starts at (365, 400); four steps left and four up put it at (345, 380).
ship_at "$shots/game-b-client.png" 365 400 "$work/ship-start.png"
at_least 0.9 "$(share_of "$work/ship-start.png" '#000000')" || fail "no ship at its start position"
xdotool key Left Left Left Left Up Up Up Up
sleep 0.3
shoot moved
ship_at "$shots/moved-client.png" 345 380 "$work/ship-moved.png"
[[ $(difference "$work/ship-start.png" "$work/ship-moved.png") == 0 ]] ||
  fail "the ship is not at (345, 380) after four steps left and four up"
ship_at "$shots/moved-client.png" 365 400 "$work/ship-old-place.png"
[[ $(difference "$work/ship-start.png" "$work/ship-old-place.png") != 0 ]] ||
  fail "the ship is still at its start position"
save_docs_picture moved screenshot-game.png

step "run 1: ゲーム > 終了 answered No"
menu_quit
wait_until 10 box_open "終了確認" || { shoot quit-box-missing; fail "ゲーム > 終了 opened no quit box"; }
sleep 0.3
shoot paused-a
sleep 0.5
shoot paused-b
[[ $(difference "$shots/paused-a.png" "$shots/paused-b.png") == 0 ]] ||
  fail "the game went on while the quit box was open"
xdotool key n
wait_until 5 no_box_open "終了確認" || { shoot quit-box-stuck; fail "n did not answer the quit box"; }
expect_motion resumed-a resumed-b 0.5 "after answering No"
running || fail "the program ended on No"

step "run 1: ゲーム > 終了 answered Yes"
menu_quit
wait_until 10 box_open "終了確認" || { shoot quit-box-missing-2; fail "ゲーム > 終了 opened no quit box"; }
xdotool key y
expect_exit_zero 15 "quit answered Yes"

step "run 2: a running game closed with Alt+F4"
launch run2
wait_until 30 find_window || fail "run 2: no window titled Vantorix appeared"
measure_window
wait_until 30 title_shows run2-title || fail "run 2: the title picture did not show"
start_game
expect_motion run2-a run2-b 0.3 "run 2 after the start"
xdotool key alt+F4
expect_exit_zero 15 "Alt+F4"

passed=1
step "all checks passed"
