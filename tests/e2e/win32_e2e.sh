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

source "$(dirname "$0")/win32_session.sh"

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
