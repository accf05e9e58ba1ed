#!/usr/bin/env bash
# Plays the SDL program in a private X server: the title, the field scaled
# below the menu bar, the menu by keys and mouse, the game's own message
# boxes (their pictures against golden images, every way of answering them,
# ticks going on behind the start box of a running game, the loss and the
# continue opened inside a tick), the ship steered, and the window closed,
# also while a box waits.
# The first game is recorded, and the recording replayed in the simulator
# (SIM) and in the window.
# Usage: sdl_e2e.sh [--refresh-goldens] PROGRAM [TITLE_BMP [SIM]]
# With --refresh-goldens the box pictures are written anew into golden/
# instead of compared. On failure the screenshots are kept and their
# directory is printed.
set -uo pipefail

refresh=0
if [ "${1:-}" = --refresh-goldens ]; then
  refresh=1
  shift
fi
program=${1:?usage: sdl_e2e.sh [--refresh-goldens] PROGRAM [TITLE_BMP [SIM]]}
title_bmp=${2:-}
sim=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
goldens=$here/golden

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
  if [ "$passed" = 1 ] && [ -z "${VANTORIX_E2E_KEEP:-}" ]; then
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

# ---- a private X server, and an environment without a locale ---------------
source "$here/x_server.sh"
start_x_server "$work" 1600x1100 || fail "Xvfb did not start"
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
launch() { # name, then the program's options
  local name=$1
  shift
  "$program" "$@" 2>"$work/$name.log" &
  game_pid=$!
  find_window() {
    wid=$(xdotool search --onlyvisible --classname '^vantorix$' 2>/dev/null | head -n1)
    [ -n "$wid" ]
  }
  wait_for 100 find_window || fail "$name: no window appeared"
  xdotool windowmove --sync "$wid" 0 0 >/dev/null 2>&1 || true
  sleep 0.3
  xdotool windowfocus --sync "$wid"
}

# Waits for the program to end, at most $2 tenths of a second; its status
# in $status.
wait_exit() {
  local name=$1 tries=${2:-100}
  exited() { ! kill -0 "$game_pid" 2>/dev/null; }
  wait_for "$tries" exited || fail "$name: the program did not end"
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

# The field: below the 20-pixel menu bar in a window of 767 x 500.
field_of() {
  convert "$shots/$1.png" -crop 767x480+0+20 +repage "$shots/$1_field.png"
}

# Share of the field in one exact colour.
field_share() {
  convert "$shots/$1.png" -crop 767x480+0+20 +repage -fill black +opaque "rgb($2)" \
    -fill white -opaque "rgb($2)" -format '%[fx:mean]' info:
}

# Pixels that differ between two pictures.
differ() {
  compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# ---- the boxes, drawn by the program over the field ------------------------
# A box is framed in one grey and centred on the field. Its geometry
# (WxH+X+Y in window pixels) is read off a screenshot: the frame's top edge
# where it crosses the field's middle column, the frame's run along that
# row, and its run down the left edge.
box_frame=100,100,100
pixels_of() { # picture, crop: one "x y r,g,b" per pixel
  convert "$shots/$1.png" -crop "$2" +repage -depth 8 txt:- |
    awk -F'[ ,:()]+' 'NR > 1 { print $1, $2, $3 "," $4 "," $5 }'
}
box_geometry() {
  local top x0 x1 bottom
  top=$(pixels_of "$1" 1x480+383+20 | awk -v c="$box_frame" '$3 == c { print $2; exit }')
  [ -n "$top" ] || return 1
  read -r x0 x1 < <(pixels_of "$1" "767x1+0+$((20 + top))" |
    awk -v c="$box_frame" '$3 == c { if (!run) s = $1; run = 1; e = $1 }
      $3 != c { if (run && s <= 383 && e >= 383) { print s, e; done = 1; exit } run = 0 }
      END { if (!done && run && s <= 383) print s, e }')
  [ -n "$x1" ] || return 1
  bottom=$(pixels_of "$1" "1x480+$x0+20" |
    awk -v c="$box_frame" -v t="$top" '$2 >= t && $3 == c { e = $2 } $2 > t && $3 != c { exit } END { print e }')
  echo "$((x1 - x0 + 1))x$((bottom - top + 1))+$x0+$((20 + top))"
}

# Holds when screenshot $1 shows the box of golden $2 (with --refresh-goldens:
# when it shows a box, which becomes the golden).
shows_box() {
  local geometry
  geometry=$(box_geometry "$1") || return 1
  convert "$shots/$1.png" -crop "$geometry" +repage "$shots/$1_box.png"
  if [ "$refresh" = 1 ]; then
    cp "$shots/$1_box.png" "$goldens/sdl_box_$2.png"
    return 0
  fi
  [ -f "$goldens/sdl_box_$2.png" ] || fail "no golden image $goldens/sdl_box_$2.png"
  [ "$(differ "$shots/$1_box.png" "$goldens/sdl_box_$2.png")" = 0 ]
}

wait_box() {
  local name=$1 golden=$2 tries=${3:-50}
  seen() { shot "$name" && shows_box "$name" "$golden"; }
  wait_for "$tries" seen || fail "no box \"$golden\" as its golden image shows"
  box_at=$(box_geometry "$name")
  echo "ok: the $golden box shows as its golden image"
}

no_box() {
  local name=$1
  gone() { shot "$name" && ! box_geometry "$name" >/dev/null; }
  wait_for 30 gone || fail "$2: the box stayed open"
}

# The field twice, $2 seconds apart, with the box at $box_at painted over in
# both: the pixels that changed behind it.
changed_behind_box() {
  local name=$1 seconds=$2 wh xy
  wh=${box_at%%+*}
  xy=${box_at#*+}
  shot "${name}_1"
  sleep "$seconds"
  shot "${name}_2"
  for n in 1 2; do
    convert "$shots/${name}_$n.png" -fill black -draw \
      "rectangle ${xy%%+*},${xy#*+} $((${xy%%+*} + ${wh%%x*})),$((${xy#*+} + ${wh#*x}))" \
      "$shots/${name}_${n}_masked.png"
  done
  differ "$shots/${name}_1_masked.png" "$shots/${name}_2_masked.png"
}

menu_command() { # 1: 開始, 2: 終了
  xdotool key F10 Down
  [ "$1" = 2 ] && xdotool key Down
  xdotool key Return
}

game_moves() {
  shot "$1_a"
  sleep 0.4
  shot "$1_b"
  [ "$(differ "$shots/$1_a.png" "$shots/$1_b.png")" -gt 100 ]
}

# ---- first run: the title, scaling, the menu, the game, the boxes ----------
launch play --record "$work/play.sim"
shot title
sky=$(field_share title 128,255,255)
above "$sky" 0.3 || fail "the title shows no light cyan sky (share $sky)"
field_of title
if [ -n "$title_bmp" ]; then
  [ "$(differ "$shots/title_field.png" "$title_bmp")" = 0 ] ||
    fail "the title field is not the title picture"
fi
[ "$(pixel title 400 10)" = "240,240,240" ] || fail "no menu bar above the field"
echo "ok: the title shows under the menu bar"

# A larger window: the bar stays at the top across it, and the field below
# is scaled by the largest whole factor and centred in the space left.
check_scaled() { # window size, field geometry at the scale, scale
  local name=$1 size=$2 geometry=$3 percent=$((100 / $4))
  shot "$name" &&
    [ "$(identify -format %wx%h "$shots/$name.png")" = "$size" ] &&
    convert "$shots/$name.png" -crop "$geometry" +repage -sample "$percent%" "$shots/${name}_field.png" &&
    [ "$(differ "$shots/${name}_field.png" "$shots/title_field.png")" = 0 ] &&
    [ "$(pixel "$name" $((${size%x*} - 5)) 10)" = "240,240,240" ] &&
    [ "$(pixel "$name" 3 25)" = "0,0,0" ]
}
xdotool windowsize --sync "$wid" 1534 1000
wait_for 50 check_scaled scaled 1534x1000 1534x960+0+30 2 ||
  fail "the field is not scaled by 2 below the bar in a window of 1534 x 1000"
xdotool windowsize --sync "$wid" 900 560
wait_for 50 check_scaled centred 900x560 767x480+66+50 1 ||
  fail "the field is not centred on black below the bar at scale 1"
xdotool windowsize --sync "$wid" 767 500
echo "ok: the field scales by whole factors below the bar, centred"

xdotool key F10
bar_selected() { shot menu_bar && [ "$(pixel menu_bar 3 3)" = "204,232,255" ]; }
wait_for 30 bar_selected || fail "F10 did not select the menu bar"
xdotool key Down
popup_open() { shot menu_open && [ "$(pixel menu_open 5 25)" = "145,201,247" ]; }
wait_for 30 popup_open || fail "Down did not open the menu with its first item"
echo "ok: F10 and Down open the menu"

xdotool key Return
wait_box start_box start
xdotool key Return
no_box after_start "the start box answered with Return"
wait_for 20 game_moves running || fail "nothing moves on the field after the start"
[ "$(field_share running_b 128,255,255)" = 0 ] || fail "the title still shows after the start"
echo "ok: the game runs"

# The ship starts at (365, 400) of the field; twenty presses of Left take it
# 100 pixels to the left.
ship_at() {
  convert "$shots/$1.png" -crop "28x27+$2+$((400 + 20))" +repage "$shots/$1_ship.png"
}
shot before_left
ship_at before_left 365
lefts=()
for ((n = 0; n < 20; n++)); do lefts+=(Left); done
xdotool key --delay 15 "${lefts[@]}" space
sleep 0.3
shot after_left
ship_at after_left 265
[ "$(differ "$shots/before_left_ship.png" "$shots/after_left_ship.png")" -lt 40 ] ||
  fail "the ship did not move 100 pixels to the left"
left_behind=$(convert "$shots/after_left.png" -crop 28x27+365+420 +repage -fill white +opaque black \
  -format '%[fx:mean]' info:)
above 0.1 "$left_behind" || fail "the ship is still at its start ($left_behind)"
echo "ok: the arrows move the ship"

# 開始 again in a running game: the game goes on ticking behind its box, and
# the keys are the box's (Left does not move the ship).
menu_command 1
wait_box start_again start
moved=$(changed_behind_box behind_start 0.4)
[ "$moved" -gt 100 ] || fail "the field stands still behind the start box ($moved pixels changed)"
xdotool key Left Left Left Left Return
no_box after_start_again "the start box answered with Return"
shot after_start_again
ship_at after_start_again 265
[ "$(differ "$shots/after_left_ship.png" "$shots/after_start_again_ship.png")" -lt 40 ] ||
  fail "keys typed at the start box reached the game"
echo "ok: the game ticks on behind the start box ($moved pixels changed), whose keys are its own"

# 終了: the game stops behind the quit box; n, and Tab then Space, answer いいえ.
menu_command 2
wait_box quit_box quit
frozen=$(changed_behind_box behind_quit 0.4)
[ "$frozen" = 0 ] || fail "the field moves behind the quit box ($frozen pixels changed)"
xdotool key n
no_box after_n "the quit box answered with n"
wait_for 20 game_moves resumed_n || fail "the game did not resume after n"
echo "ok: the field stands still behind the quit box; n resumes the game"
menu_command 2
wait_box quit_tab quit
xdotool key Tab
sleep 0.2
xdotool key space
no_box after_tab_space "the quit box answered with Tab and Space"
wait_for 20 game_moves resumed_tab || fail "the game did not resume after Tab and Space"
echo "ok: Tab then Space answers いいえ"
menu_command 2
wait_box quit_y quit
xdotool key y
wait_exit quit
[ "$status" = 0 ] || fail "quit answered y ended with status $status"
echo "ok: y answers はい: the program exits with status 0"

# ---- the recording of that game: the simulator and the window replay it ---
recording=$work/play.sim
[ "$(grep -c '^#> digest ' "$recording")" -ge 4 ] || fail "the recording holds too few digests"
if [ -n "$sim" ]; then
  cmake -DSIM="$sim" -DSCRIPT="$recording" -P "$here/../run_scenario.cmake" >"$work/replay_sim.log" 2>&1 ||
    fail "the simulator's replay went another way: $(cat "$work/replay_sim.log")"
  echo "ok: the simulator replays the recording with every digest equal"
fi
expect_status() { # status, name, then the program's options
  local want=$1 name=$2
  shift 2
  local got=0
  "$program" "$@" >"$work/$name.out" 2>"$work/$name.log" || got=$?
  [ "$got" = "$want" ] || fail "$name: status $got, not $want: $(cat "$work/$name.log")"
}
expect_status 0 replay --replay "$recording"
[ -s "$work/replay.log" ] && fail "the replay wrote to stderr: $(cat "$work/replay.log")"
echo "ok: the window plays the recording back and exits with status 0"
second=$(grep -n '^#> digest ' "$recording" | sed -n 2p | cut -d: -f1)
sed "${second}s/digest .*/digest 0123456789abcdef/" "$recording" >"$work/changed.sim"
expect_status 3 changed --replay "$work/changed.sim"
grep -q "changed.sim:$((second - 1)): the digest is [0-9a-f]\{16\}, the recording says 0123456789abcdef" \
  "$work/changed.log" || fail "the changed digest is not named: $(cat "$work/changed.log")"
echo "ok: a changed digest stops the replay with status 3: $(cat "$work/changed.log")"
{ head -n 5 "$recording"; echo "tick soon"; } >"$work/malformed.sim"
expect_status 2 malformed --replay "$work/malformed.sim"
grep -q 'malformed.sim: line 6: malformed number "soon"' "$work/malformed.log" ||
  fail "the malformed line is not named: $(cat "$work/malformed.log")"
expect_status 2 unknown --bogus
[ "$(cat "$work/unknown.log")" = "usage: vantorix [--record FILE | --replay FILE | --version]" ] ||
  fail "an unknown option does not print the usage: $(cat "$work/unknown.log")"
echo "ok: a malformed recording and an unknown option are refused with status 2"

# ---- second run: a standing ship loses, the continue is refused -----------
# Hit at ticks 753, 1245 and 1409: the loss opens inside the last of them,
# about 22 seconds into the game.
launch lost --record "$work/lost.sim"
menu_command 1
wait_box lost_start start
xdotool key Return
wait_box loss_box loss 400
frozen=$(changed_behind_box behind_loss 0.3)
[ "$frozen" = 0 ] || fail "the field moves behind the loss box ($frozen pixels changed)"
xdotool key Return
wait_box continue_box continue
xdotool key n
no_box after_continue "the continue box answered with n"
back_to_title() { shot back_title && above "$(field_share back_title 128,255,255)" 0.3; }
wait_for 30 back_to_title || fail "the title did not come back after the continue was refused"
echo "ok: the loss and the continue boxes open inside the tick; n leads back to the title"

# The window closed while a box waits ends the program at once.
menu_command 2
wait_box title_quit quit
python3 "$here/sdl_close_window.py" "$wid" || fail "cannot ask the window to close"
wait_exit closed_at_box 20
[ "$status" = 0 ] || fail "closing the window at the quit box ended with status $status"
echo "ok: closing the window while the quit box waits exits at once with status 0"
if [ -n "$sim" ]; then
  [ "$(tail -n 4 "$work/lost.sim" | sed -n '1p;3p' | tr '\n' ,)" = "digest,answer close," ] ||
    fail "the closed session's recording does not end with its digest and the box answered close"
  cmake -DSIM="$sim" -DSCRIPT="$work/lost.sim" -P "$here/../run_scenario.cmake" >"$work/lost_sim.log" 2>&1 ||
    fail "the simulator's replay of the lost game went another way: $(cat "$work/lost_sim.log")"
  echo "ok: the lost game's recording, boxes inside a tick and the window closed at a box, replays in the simulator"
fi
expect_status 0 lost_replay --replay "$work/lost.sim"
[ -s "$work/lost_replay.log" ] && fail "the lost game's replay wrote to stderr: $(cat "$work/lost_replay.log")"
echo "ok: the window plays the lost game back to the window closed at the quit box"

menu_closed() { shot mouse_closed && [ "$(pixel mouse_closed 5 47)" != "242,242,242" ] &&
  [ "$(pixel mouse_closed 3 3)" = "240,240,240" ]; }
popup_by_mouse() { shot mouse_open && [ "$(pixel mouse_open 5 47)" = "242,242,242" ]; }
start_highlighted() { shot mouse_start && [ "$(pixel mouse_start 5 25)" = "145,201,247" ]; }

# ---- third run: the menu and a box by mouse, then the window's close box --
launch mouse
xdotool key alt
wait_for 30 bar_selected || fail "a lone Alt did not select the menu bar"
xdotool key Escape
wait_for 30 menu_closed || fail "Escape did not leave the menu bar"
echo "ok: a lone Alt selects the menu bar, Escape leaves it"
xdotool mousemove --window "$wid" 20 10 click 1
wait_for 30 popup_by_mouse || fail "a click on ゲーム did not open the menu"
xdotool mousemove --window "$wid" 400 300 click 1
wait_for 30 menu_closed || fail "a click beside the menu did not close it"
xdotool mousemove --window "$wid" 20 10 click 1
wait_for 30 popup_by_mouse || fail "a click on ゲーム did not open the menu again"
xdotool mousemove --window "$wid" 40 32
wait_for 30 start_highlighted || fail "the pointer does not highlight 開始"
xdotool click 1
wait_box mouse_start_box start
# The OK button: the right end of the box's grey band at its foot.
wh=${box_at%%+*}
xy=${box_at#*+}
xdotool mousemove --window "$wid" $((${xy%%+*} + ${wh%%x*} - 50)) $((${xy#*+} + ${wh#*x} - 21)) click 1
no_box after_mouse_ok "a click on OK"
wait_for 20 game_moves mouse_running || fail "the game did not start after a click on OK"
echo "ok: the mouse opens and closes the menu, and answers a box"
python3 "$here/sdl_close_window.py" "$wid" || fail "cannot ask the window to close"
wait_exit close
[ "$status" = 0 ] || fail "closing the window ended with status $status"
echo "ok: closing the window exits with status 0"

[ "$refresh" = 1 ] && { passed=1; echo "golden images written to $goldens"; exit 0; }

# ---- fourth run: the renderer way draws the same picture -------------------
# SDL's own software renderer: Xvfb has no GPU, and the OpenGL one loads
# drivers the sanitizer build cannot follow.
export VANTORIX_SDL_RENDERER=1 SDL_RENDER_DRIVER=software
launch renderer
renderer_title() { shot renderer_title && [ "$(differ "$shots/renderer_title.png" "$shots/title.png")" = 0 ]; }
wait_for 30 renderer_title || fail "the renderer way shows another title"
xdotool windowsize --sync "$wid" 1534 1000
wait_for 50 check_scaled renderer_scaled 1534x1000 1534x960+0+30 2 ||
  fail "the renderer way does not scale by 2 below the bar"
python3 "$here/sdl_close_window.py" "$wid" || fail "cannot ask the window to close"
wait_exit renderer
[ "$status" = 0 ] || fail "the renderer way ended with status $status"
unset VANTORIX_SDL_RENDERER SDL_RENDER_DRIVER
echo "ok: the renderer way shows and scales the same picture"

for log in "$work"/*.log; do
  case $log in */xvfb.log | */no-display.log | */dummy-driver.log | */bad-report.log | \
    */replay_sim.log | */lost_sim.log | */changed.log | */malformed.log | */unknown.log) continue ;; esac
  [ -s "$log" ] && fail "the program wrote to stderr: $(cat "$log")"
done
passed=1
echo "PASS"
