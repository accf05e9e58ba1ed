#!/usr/bin/env bash
# Plays the SDL program in a private X server: the title, the menu opened
# with F10, the start box answered, the game moving, the ship steered, the
# picture scaled in a window twice the size, the quit box answered Yes, and
# the window closed. Usage: sdl_e2e.sh PROGRAM [TITLE_BMP]
# On failure the screenshots are kept and their directory is printed.
set -uo pipefail

program=${1:?usage: sdl_e2e.sh PROGRAM [TITLE_BMP]}
title_bmp=${2:-}
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb xdotool xwininfo import convert compare python3; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing (Debian: xvfb xdotool x11-utils imagemagick python3)"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vantorix-sdl-e2e.XXXXXX")
shots=$work/shots
mkdir -p "$shots"
xvfb_pid=
game_pid=
passed=0

finish() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  if [ "$passed" = 1 ]; then
    rm -rf "$work"
  else
    echo "screenshots and logs kept in $shots"
    cp "$work"/*.log "$shots"/ 2>/dev/null
  fi
}
trap finish EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

# Runs a check every 0.1 s until it holds, at most $1 times.
wait_for() {
  local tries=$1
  shift
  for ((i = 0; i < tries; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# ---- a private X server, and an environment without a locale ---------------
# -noreset: the server would otherwise start afresh whenever its last client
# leaves, racing the next run's connection.
Xvfb -displayfd 3 -screen 0 1600x1100x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 100 test -s "$work/display" || fail "Xvfb did not start"
DISPLAY=:$(head -n1 "$work/display")
export DISPLAY
unset LANG LC_ALL LC_CTYPE LC_MESSAGES SDL_VIDEODRIVER SDL_RENDER_DRIVER \
  VANTORIX_ALLOW_HEADLESS VANTORIX_PACING_REPORT VANTORIX_SDL_RENDERER
# The shell's sanitizer build may run this: SDL and X keep some memory to the end.
export LSAN_OPTIONS="suppressions=$here/sdl_lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# ---- refusals: one clear line, a failing status ----------------------------
expect_refusal() {
  local name=$1 pattern=$2
  shift 2
  local status=0
  env "$@" "$program" >"$work/$name.out" 2>"$work/$name.log" || status=$?
  [ "$status" -ne 0 ] || fail "$name: the program ran (status 0)"
  [ "$(wc -l <"$work/$name.log")" -eq 1 ] || fail "$name: not one line: $(cat "$work/$name.log")"
  grep -q "$pattern" "$work/$name.log" || fail "$name: unexpected message: $(cat "$work/$name.log")"
  echo "ok: $name: $(cat "$work/$name.log")"
}
expect_refusal no-display '^vantorix: cannot open a window: ' -u DISPLAY
expect_refusal dummy-driver '^vantorix: cannot open a window: the "dummy" video driver' \
  SDL_VIDEODRIVER=dummy
expect_refusal bad-report '^vantorix: VANTORIX_PACING_REPORT must be' VANTORIX_PACING_REPORT=soon

# ---- helpers on the running program ----------------------------------------
launch() {
  "$program" 2>"$work/$1.log" &
  game_pid=$!
  find_window() {
    wid=$(xdotool search --onlyvisible --classname '^vantorix$' 2>/dev/null | head -n1)
    [ -n "$wid" ]
  }
  wait_for 100 find_window || fail "$1: no window appeared"
  xdotool windowmove --sync "$wid" 0 0 >/dev/null 2>&1 || true
  sleep 0.3
}

# Waits for the program to end; its status in $status.
wait_exit() {
  local name=$1
  exited() { ! kill -0 "$game_pid" 2>/dev/null; }
  wait_for 100 exited || fail "$name: the program did not end"
  status=0
  wait "$game_pid" || status=$?
  game_pid=
}

shot() {
  import -window "$wid" "$shots/$1.png" || fail "cannot take screenshot $1"
}

# "r,g,b" of one pixel.
pixel() {
  convert "$shots/$1.png" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

# Share of the field (below the 20-pixel menu bar) in one exact colour.
field_share() {
  convert "$shots/$1.png" -crop 767x480+0+20 +repage -fill black +opaque "rgb($2)" \
    -fill white -opaque "rgb($2)" -format '%[fx:mean]' info:
}

# Pixels that differ between two pictures.
differ() {
  compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# The top-level window whose name is $1 (xdotool cannot match Japanese names).
find_box() {
  box=$(LC_ALL=C.UTF-8 xwininfo -root -children | grep -F "\"$1\"" | awk '{print $1}' | head -n1)
  [ -n "$box" ]
}

answer_box() {
  local caption=$1 key=$2
  wait_for 100 find_box "$caption" || fail "no box \"$caption\" appeared"
  if ! xdotool windowfocus --sync "$box" || ! xdotool key "$key"; then
    fail "cannot answer \"$caption\""
  fi
  box_gone() { ! find_box "$caption"; }
  wait_for 100 box_gone || fail "the box \"$caption\" stayed open"
  xdotool windowfocus --sync "$wid" 2>/dev/null
  sleep 0.2
}

# ---- first run: the title, scaling, the menu, the game, quit ---------------
launch play
shot title
sky=$(field_share title 128,255,255)
above "$sky" 0.3 || fail "the title shows no light cyan sky (share $sky)"
if [ -n "$title_bmp" ]; then
  convert "$shots/title.png" -crop 767x480+0+20 +repage "$shots/title_field.png"
  [ "$(differ "$shots/title_field.png" "$title_bmp")" = 0 ] ||
    fail "the title field is not the title picture"
fi
[ "$(pixel title 400 10)" = "240,240,240" ] || fail "no menu bar above the field"
echo "ok: the title shows under the menu bar"

# Twice the size: every picture pixel becomes a 2 x 2 block.
xdotool windowsize --sync "$wid" 1534 1000
scaled_twice() {
  shot scaled
  convert "$shots/scaled.png" -sample 50% "$shots/scaled_half.png"
  [ "$(identify -format %wx%h "$shots/scaled.png")" = 1534x1000 ] &&
    [ "$(differ "$shots/scaled_half.png" "$shots/title.png")" = 0 ] &&
    [ "$(pixel scaled 401 21)" = "240,240,240" ]
}
wait_for 50 scaled_twice || fail "the picture is not scaled by 2 in a window twice the size"
xdotool windowsize --sync "$wid" 900 560
scaled_once_centred() {
  shot centred
  convert "$shots/centred.png" -crop 767x500+66+30 +repage "$shots/centred_picture.png"
  [ "$(differ "$shots/centred_picture.png" "$shots/title.png")" = 0 ] &&
    [ "$(pixel centred 10 10)" = "0,0,0" ]
}
wait_for 50 scaled_once_centred || fail "the picture is not centred on black at scale 1"
xdotool windowsize --sync "$wid" 767 500
echo "ok: the picture scales by whole factors, centred"

xdotool windowfocus --sync "$wid"
xdotool key F10
bar_selected() { shot menu_bar && [ "$(pixel menu_bar 3 3)" = "204,232,255" ]; }
wait_for 30 bar_selected || fail "F10 did not select the menu bar"
xdotool key Down
popup_open() { shot menu_open && [ "$(pixel menu_open 5 25)" = "145,201,247" ]; }
wait_for 30 popup_open || fail "Down did not open the menu with its first item"
echo "ok: F10 and Down open the menu"

xdotool key Return
answer_box "開始確認" Return
shot running_1
sleep 0.4
shot running_2
[ "$(field_share running_2 128,255,255)" = 0 ] || fail "the title still shows after the start"
moved=$(differ "$shots/running_1.png" "$shots/running_2.png")
[ "$moved" -gt 100 ] || fail "nothing moves on the field ($moved pixels changed)"
echo "ok: the game runs ($moved pixels changed in 0.4 s)"

# The ship starts at (365, 400) of the field; twenty presses of Left take it
# 100 pixels to the left.
ship_at() {
  convert "$shots/$1.png" -crop "28x27+$2+$((400 + 20))" +repage "$shots/$1_ship.png"
}
shot before_left
ship_at before_left 365
lefts=()
for ((n = 0; n < 20; n++)); do lefts+=(Left); done
xdotool key --delay 15 "${lefts[@]}"
sleep 0.3
shot after_left
ship_at after_left 265
[ "$(differ "$shots/before_left_ship.png" "$shots/after_left_ship.png")" -lt 40 ] ||
  fail "the ship did not move 100 pixels to the left"
left_behind=$(convert "$shots/after_left.png" -crop 28x27+365+420 +repage -fill white +opaque black \
  -format '%[fx:mean]' info:)
above 0.1 "$left_behind" || fail "the ship is still at its start ($left_behind)"
echo "ok: the arrows move the ship"

xdotool key F10 Down Down Return
answer_box "終了確認" Return
wait_exit quit
[ "$status" = 0 ] || fail "quit answered Yes ended with status $status"
echo "ok: quit answered Yes exits with status 0"

popup_by_mouse() { shot mouse_open && [ "$(pixel mouse_open 5 47)" = "242,242,242" ]; }
quit_highlighted() { shot mouse_quit && [ "$(pixel mouse_quit 5 47)" = "145,201,247" ]; }
menu_closed() { shot mouse_closed && [ "$(pixel mouse_closed 5 47)" != "242,242,242" ] &&
  [ "$(pixel mouse_closed 3 3)" = "240,240,240" ]; }

# ---- second run: the menu by mouse, then the window's close box -----------
launch close
xdotool windowfocus --sync "$wid"
xdotool key alt
wait_for 30 bar_selected || fail "a lone Alt did not select the menu bar"
xdotool key Escape
wait_for 30 menu_closed || fail "Escape did not leave the menu bar"
echo "ok: a lone Alt selects the menu bar, Escape leaves it"
xdotool mousemove --window "$wid" 20 10 click 1
wait_for 30 popup_by_mouse || fail "a click on ゲーム did not open the menu"
xdotool mousemove --window "$wid" 40 54
wait_for 30 quit_highlighted || fail "the pointer does not highlight 終了"
xdotool mousemove --window "$wid" 400 300 click 1
wait_for 30 menu_closed || fail "a click beside the menu did not close it"
echo "ok: the mouse opens and closes the menu"
python3 "$here/sdl_close_window.py" "$wid" || fail "cannot ask the window to close"
wait_exit close
[ "$status" = 0 ] || fail "closing the window ended with status $status"
echo "ok: closing the window exits with status 0"

# ---- third run: the renderer way draws the same picture --------------------
# SDL's own software renderer: Xvfb has no GPU, and the OpenGL one loads
# drivers the sanitizer build cannot follow.
export VANTORIX_SDL_RENDERER=1 SDL_RENDER_DRIVER=software
launch renderer
renderer_title() { shot renderer_title && [ "$(differ "$shots/renderer_title.png" "$shots/title.png")" = 0 ]; }
wait_for 30 renderer_title || fail "the renderer way shows another title"
xdotool windowsize --sync "$wid" 1534 1000
renderer_twice() {
  shot renderer_scaled
  convert "$shots/renderer_scaled.png" -sample 50% "$shots/renderer_half.png"
  [ "$(differ "$shots/renderer_half.png" "$shots/title.png")" = 0 ]
}
wait_for 50 renderer_twice || fail "the renderer way does not scale by 2"
python3 "$here/sdl_close_window.py" "$wid" || fail "cannot ask the window to close"
wait_exit renderer
[ "$status" = 0 ] || fail "the renderer way ended with status $status"
unset VANTORIX_SDL_RENDERER SDL_RENDER_DRIVER
echo "ok: the renderer way shows and scales the same picture"

for log in "$work"/play.log "$work"/close.log "$work"/renderer.log; do
  [ -s "$log" ] && fail "the program wrote to stderr: $(cat "$log")"
done
passed=1
echo "PASS"
