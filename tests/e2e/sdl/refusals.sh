#!/usr/bin/env bash
# What the program refuses, each with one line on stderr and its status: no
# display, a video driver that shows no window, a bad pacing report, an
# unknown option, a recording that another program records into, a
# malformed recording and one whose digest was changed.
source "${0%/*}/library.sh" || exit 1

# Runs `env ARGS...` as NAME: it must end with status $1 and one line on
# stderr that matches $3.
refused() {
  local want=$1 name=$2 pattern=$3 got=0
  shift 3
  timeout 120 env "$@" >"$work/$name.out" 2>"$work/$name.err" || got=$?
  [ "$got" = "$want" ] || fail "$name: status $got, not $want: $(cat "$work/$name.err")"
  [ "$(wc -l <"$work/$name.err")" = 1 ] && grep -q -- "$pattern" "$work/$name.err" ||
    fail "$name: not the one line expected: $(cat "$work/$name.err")"
  ok "$name: status $got: $(cat "$work/$name.err")"
}

# The program names no status for these; the manual page gives them.
refused 1 no-display '^vantorix: cannot open a window: no display ' -u DISPLAY "$program"
refused 1 dummy-driver '^vantorix: cannot open a window: the "dummy" video driver shows none' \
  SDL_VIDEODRIVER=dummy "$program"
refused 2 bad-report '^vantorix: VANTORIX_PACING_REPORT must be a number of seconds' \
  VANTORIX_PACING_REPORT=soon "$program"
refused 2 unknown-option '^usage: ' "$program" --bogus
[ "$(cat "$work/unknown-option.err")" = "$usage" ] || fail "an unknown option does not print the usage"

# A session recorded while a second program tries to record into its file.
recording=$work/recorded.sim
launch recorder --record "$recording"
menu_command start
wait_box recorder_start start
xdotool key Return
refused 2 second-recorder "^vantorix: cannot record into $recording: another program is recording into it\$" \
  "$program" --record "$recording"
wait_line "$recording" 0 '#> digest [0-9a-f]{16}' || fail "the recording holds no digest"
second_digest() { [ "$(grep -c '^#> digest ' "$recording")" -ge 2 ]; }
within 30 second_digest || fail "the recording holds no second digest"
close_window
wait_exit recorder
[ "$status" = 0 ] || fail "the recorder ended with status $status"
replays_in_simulator "$recording"
ok "the refused program left the recording whole: it replays"

{ head -n 5 "$recording" && echo "tick soon"; } >"$work/malformed.sim"
refused "$exit_malformed" malformed "^vantorix: $work/malformed.sim: line 6: malformed number \"soon\"" \
  "$program" --replay "$work/malformed.sim"

line=$(grep -n '^#> digest ' "$recording" | sed -n 2p | cut -d: -f1)
sed "${line}s/digest .*/digest 0123456789abcdef/" "$recording" >"$work/changed.sim"
refused "$exit_differs" changed \
  "changed.sim:$((line - 1)): the digest is [0-9a-f]\{16\}, the recording says 0123456789abcdef" \
  "$program" --replay "$work/changed.sim"
pass
