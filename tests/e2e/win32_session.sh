# Sourced by win32_e2e.sh: a private X server, a Japanese locale and a Wine
# prefix for one run, and the helpers that look at the screen and drive the
# Windows program. Expects `exe` to be set and `docs_dir` (may be empty).

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

# launch NAME [ARGUMENT...]: the program, started in $work.
launch() {
  local name=$1
  shift
  (
    cd "$work"
    exec wine "$exe" "$@" >"$work/$name.log" 2>&1
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

# expect_exit STATUS LIMIT WHAT: waits for the program to end by itself and
# checks its exit status.
expect_exit() {
  wait_until "$2" ended || fail "$3: the program did not end"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  ((status == $1)) || fail "$3: exit status $status, not $1"
}
expect_exit_zero() { expect_exit 0 "$@"; }

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
