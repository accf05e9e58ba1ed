#!/usr/bin/env bash
# Records a game of the Windows program played by keys under Wine, into a
# file with a Japanese name, and plays the recording back:
#   - the simulator replays it and prints every digest it holds;
#   - `--replay` plays it in the window and ends with 0, as it does a game
#     closed with Alt+F4;
#   - a copy with one digest changed ends with 3, and a malformed file with 2
#     before any window opens, each after a box that says why, as is an
#     option the program does not know.
# Only the recording and the exit statuses are checked, never the screen's
# timing.
#
#   win32_replay.sh EXE SIM KEEP_DIR
#
# KEEP_DIR receives a copy of the recording made (win32-recording.rec).
set -euo pipefail

[[ $# -eq 3 ]] || { echo "usage: $0 EXE SIM KEEP_DIR" >&2; exit 2; }
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
sim=$2 keep=$3 docs_dir=""
for tool in wine wineserver Xvfb xdotool xwininfo import convert localedef; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

source "$(dirname "$0")/win32_session.sh"

error_box="Vantorix error"
# A box the program shows on error: Return closes it, and the program ends.
# Return goes to whichever window has the focus, which the box may not have
# yet when it first shows: pressed again until the program has ended.
press_return_until_ended() {
  ended && return 0
  xdotool key Return
  sleep 0.4
  ended
}
dismiss_error() {
  wait_until 60 box_open "$error_box" || { shoot no-error-box; fail "$1: no error box"; }
  wait_until 10 press_return_until_ended || { shoot error-box-stuck; fail "$1: Return did not close the error box"; }
}

step "record: a game played by keys, into 録画.rec"
launch record --record 録画.rec
wait_until 30 find_window || fail "no window titled Vantorix appeared"
measure_window
wait_until 30 title_shows title || fail "the title picture did not show"
start_game
xdotool key --delay 100 Left Left Up space
# Answered いいえ first: the game pauses behind the box and resumes.
menu_quit
wait_until 10 box_open "終了確認" || { shoot quit-box-missing; fail "ゲーム > 終了 opened no quit box"; }
xdotool key n
wait_until 5 no_box_open "終了確認" || fail "n did not close the quit box"
xdotool key --delay 100 Right Down space
menu_quit
wait_until 10 box_open "終了確認" || { shoot quit-box-missing; fail "ゲーム > 終了 opened no quit box"; }
xdotool key y
expect_exit_zero 10 "the recorded game"

recording=$work/録画.rec
[[ -s $recording ]] || fail "no recording was written"
mkdir -p "$keep"
cp "$recording" "$keep/win32-recording.rec"
step "the recording's first lines (a copy: $keep/win32-recording.rec)"
head -n 15 "$recording" | sed 's/^/    /'
# The game every shell plays: its lines, besides the ticks and digests.
diff <(grep -Ev '^(#|tick |digest$)' "$recording") <(grep -v '^#' "$(dirname "$0")/same_session.story") ||
  fail "the recording tells another game than same_session.story"

# sim_replays FILE LEAST: the simulator plays it through, printing every
# digest the recording holds, at least LEAST.
sim_replays() {
  "$sim" "$1" >"$work/sim.out" || fail "vantorix-sim $1: status $?"
  diff <(sed -n 's/^#> //p' "$1") <(grep '^digest ' "$work/sim.out") >/dev/null ||
    fail "vantorix-sim $1: the digests differ from the recording's"
  (($(grep -c '^digest ' "$work/sim.out") >= $2)) || fail "$1 holds fewer than $2 digests"
}

step "the simulator replays it"
sim_replays "$recording" 2

step "--replay plays it in the window"
launch replay --replay 録画.rec
launched=$SECONDS
expect_exit_zero 60 "the replay"
# The start box and the two quit boxes each show for a second before their
# answer.
((SECONDS - launched >= 3)) || fail "the replay's boxes were answered at once"

step "a game closed with Alt+F4 records its close, and replays"
launch closed --record closed.rec
wait_until 30 find_window || fail "no window titled Vantorix appeared"
wait_until 30 title_shows closed-title || fail "the title picture did not show"
start_game
xdotool key --delay 100 Right Right alt+F4
expect_exit_zero 10 "the game closed with Alt+F4"
[[ $(grep -v '^#' "$work/closed.rec" | tail -n1) == close ]] || fail "closed.rec does not end with its close"
sim_replays "$work/closed.rec" 1
launch closed-replay --replay closed.rec
expect_exit_zero 60 "the replay of the closed game"

step "a copy with its first digest changed stops there with 3"
sed '0,/^#> digest /s/^#> digest .*/#> digest 0000000000000000/' "$recording" >"$work/differs.rec"
launch differs --replay differs.rec
dismiss_error "the differing replay"
expect_exit 3 10 "the differing replay"

step "a malformed file is refused with 2 before the window opens"
printf 'tick 1\nbogus\n' >"$work/bogus.rec"
launch bogus --replay bogus.rec
wait_until 30 box_open "$error_box" || fail "the malformed file showed no error box"
! find_window || fail "the malformed file opened the game window"
dismiss_error "the malformed file"
expect_exit 2 10 "the malformed file"

step "an unknown option is refused with 2"
launch unknown --replay
dismiss_error "the unknown option"
expect_exit 2 10 "the unknown option"

passed=1
step "PASS"
