# Sourced by each end-to-end case of the SDL program (tests/e2e/sdl/*.sh): the
# case's own X server and folder, the program's facts (vantorix-e2e-facts),
# and the helpers that start the program, look at its window and read its
# recordings. A case runs as CASE.sh [--refresh-goldens] PROGRAM FACTS SIM
# TITLE_BMP; with --refresh-goldens the pictures it compares are written anew
# into golden/ instead. On failure its screenshots and logs are kept.
set -uo pipefail

refresh=0
[ "${1:-}" = --refresh-goldens ] && { refresh=1; shift; }
program=${1:?usage: CASE.sh [--refresh-goldens] PROGRAM FACTS SIM TITLE_BMP}
facts=${2:?} sim=${3:?} title_bmp=${4:?}
here=$(cd "${BASH_SOURCE[0]%/*}/.." && pwd)
goldens=$here/golden
for tool in Xvfb xdotool import convert compare python3 timeout; do
  command -v "$tool" >/dev/null ||
    { echo "SKIP: no $tool (Debian: xvfb xdotool imagemagick python3)" && exit 77; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vantorix-e2e-$(basename "$0" .sh).XXXXXX")
xvfb_pid= pid= wid= status= passed=0 pids=" " logs=() # pids: the programs running
finish() {
  for pid in $pids; do kill "$pid" 2>/dev/null; done
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  if [ "$passed" = 1 ] && [ -z "${VANTORIX_E2E_KEEP:-}" ]; then rm -rf "$work"; else echo "kept: $work"; fi
}
trap finish EXIT
fail() { echo "FAIL: $*" && exit 1; }
ok() { echo "ok: $*"; }

facts_text=$("$facts") || fail "no facts from $facts"
eval "$facts_text"
source "$here/x_server.sh"
start_x_server "$work" 1600x1100 || fail "Xvfb did not start"
unset LANG LC_ALL LC_CTYPE LC_MESSAGES SDL_VIDEODRIVER SDL_RENDER_DRIVER \
  VANTORIX_ALLOW_HEADLESS VANTORIX_PACING_REPORT VANTORIX_SDL_RENDERER
# The sanitizer build may run this: SDL and X keep some memory to the end.
export LSAN_OPTIONS="suppressions=$here/sdl_lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

within() { # runs the check $2... every 0.1 s until it holds, for at most $1 seconds
  local end=$((SECONDS + $1))
  shift
  until "$@"; do [ "$SECONDS" -lt "$end" ] && sleep 0.1 || return 1; done
}

# ---- the program -------------------------------------------------------------
start() { # NAME OPTIONS...: stderr in NAME.log; sets pid
  "$program" "${@:2}" >"$work/$1.out" 2>"$work/$1.log" &
  pid=$!
  pids+="$pid " logs+=("$1")
}
launch() { start "$@" && attach "$1"; } # and finds its window: sets wid
attach() { # finds the window of program $pid, named $1, and gives it the keys
  window_of() { wid=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1) && [ -n "$wid" ]; }
  within 30 window_of || fail "$1: no window appeared"
  # At the screen's corner, where it can grow and stay whole on the screen.
  xdotool windowmove --sync "$wid" 0 0 && xdotool windowfocus --sync "$wid" ||
    fail "$1: its window cannot be moved or take the keys"
}
wait_exit() { # NAME [SECONDS]: waits for the program to end; its status in $status
  gone() { ! kill -0 "$pid" 2>/dev/null; }
  within "${2:-30}" gone || fail "$1: the program did not end"
  status=0
  wait "$pid" || status=$?
  pids=${pids/ $pid / }
}
close_window() { python3 "$here/sdl_close_window.py" "$wid" || fail "cannot ask the window to close"; }
menu_command() { xdotool key F10 Down $([ "$1" = quit ] && echo Down) Return; } # start or quit
pass() { # once no program started has written on stderr, but those named
  for name in "${logs[@]}"; do
    [[ " $* " = *" $name "* ]] || [ ! -s "$work/$name.log" ] || fail "$name wrote on stderr: $(cat "$work/$name.log")"
  done
  passed=1
  [ "$refresh" = 0 ] || echo "golden pictures written to $goldens"
  echo PASS
}

# ---- pictures ----------------------------------------------------------------
shot() { import -window "$wid" "$work/$1.png" 2>/dev/null; }
pixel() { # "r,g,b" of pixel ($2, $3) of the picture file $1
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}
crop() { # screenshot $1's rect $2 ("x y width height") into $1.crop.png
  local r
  read -r -a r <<<"$2"
  convert "$work/$1.png" -crop "${r[2]}x${r[3]}+${r[0]}+${r[1]}" +repage "$work/$1.crop.png"
}
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1)" = 0 ]; }
# Waits at most $4 seconds for screenshot $1 to show golden/$3.png in the
# window's rect $2. With --refresh-goldens it waits for the check $5... to
# hold on $1.crop.png instead, and what is there becomes the golden picture.
wait_picture() {
  local name=$1 rect=$2 golden=$goldens/$3.png seconds=$4
  shift 4
  local -a ready=("$@")
  seen() { shot "$name" && crop "$name" "$rect" && same "$work/$name.crop.png" "$golden"; }
  [ "$refresh" = 0 ] || seen() { shot "$name" && crop "$name" "$rect" && "${ready[@]}" "$work/$name.crop.png"; }
  within "$seconds" seen || fail "$name: $(basename "$golden") does not show"
  # Without dates, so that a picture painted again the same is the same file.
  [ "$refresh" = 0 ] || convert "$work/$name.crop.png" -strip -define png:exclude-chunks=date,time "$golden"
}

# The box of kind K lies at box_K in field pixels; the field below the bar, at 1:1.
box_rect() {
  local v=box_$1 r
  read -r -a r <<<"${!v}"
  echo "${r[0]} $((r[1] + bar_height)) ${r[2]} ${r[3]}"
}
framed() { # the box's picture $1 has its frame's corners
  local size
  size=$(identify -format '%w %h' "$1") && [ "$(pixel "$1" 0 0)" = "$colour_box_frame" ] &&
    [ "$(pixel "$1" $((${size% *} - 1)) $((${size#* } - 1)))" = "$colour_box_frame" ]
}
# NAME KIND [SECONDS]: the box shows as its golden picture; or has gone.
wait_box() { wait_picture "$1" "$(box_rect "$2")" "sdl_box_$2" "${3:-30}" framed; }
no_box() {
  gone() { shot "$1" && crop "$1" "$(box_rect "$2")" && ! framed "$work/$1.crop.png"; }
  within 30 gone "$@" || fail "$1: the $2 box stayed open"
}
start_game() { # ゲーム > 開始 on the title, its box (shot as $1) answered OK
  menu_command start
  wait_box "$1" start
  xdotool key Return
  no_box started start
}

# ---- recordings --------------------------------------------------------------
# Waits at most 30 s for file $1 to hold, after its first $2 lines, a line
# that is all of the extended regular expression $3.
wait_line() {
  has() { tail -n "+$(($2 + 1))" "$1" 2>/dev/null | grep -qxE "$3"; }
  within 30 has "$@"
}
between() { # the lines of file $1 after the first line $2, up to the next line $3
  awk -v a="$2" -v b="$3" 'on && $0 == b { exit } on { print } $0 == a { on = 1 }' "$1"
}
story_of() { # recording $1, without its ticks and digests, is story $2's lines
  diff <(grep -Ev '^(#|tick |digest$)' "$1") <(grep -v '^#' "$2") >&2
}
replays_in_simulator() { # every digest of recording $1 equal in the simulator
  cmake -DSIM="$sim" -DSCRIPT="$1" -P "$here/../run_scenario.cmake" >"$1.sim.log" 2>&1 ||
    fail "the simulator's replay of $1 went another way: $(cat "$1.sim.log")"
}
