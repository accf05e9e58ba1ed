#!/usr/bin/env bash
# A recording that cannot be written: the program says so once, plays on
# with the notice at the right end of the menu bar, and ends with its own
# status. A recording written into a pipe is whole and replays.
source "${0%/*}/library.sh" || exit 1

notice_width=$((notice_width + 2 * bar_height))
notice_rect="$((client_width - notice_width)) 0 $notice_width $bar_height"
warned() { # the picture $1 holds a pixel in the notice's colour
  [ "$(convert "$1" -fill black +opaque "rgb($colour_warning)" -fill white -opaque "rgb($colour_warning)" \
    -format '%[fx:maxima]' info:)" != 0 ]
}

launch full --record /dev/full
wait_picture notice "$notice_rect" sdl_bar_notice 30 warned
menu_command start
wait_box start start
xdotool key Return
no_box started start
playing() {
  shot playing && crop playing "0 $bar_height $client_width $client_height" &&
    ! same "$work/playing.crop.png" "$title_bmp"
}
within 30 playing || fail "the game did not start"
wait_picture still_noticed "$notice_rect" sdl_bar_notice 1 warned
menu_command quit
wait_box quit quit
xdotool key y
wait_exit full
[ "$status" = "$exit_recording_failed" ] || fail "status $status, not $exit_recording_failed"
[ "$(wc -l <"$work/full.log")" = 1 ] || fail "not one line on stderr: $(cat "$work/full.log")"
ok "/dev/full: the notice in the bar, the game plays on, status $status: $(cat "$work/full.log")"

recording=$work/piped.sim
"$program" --record /dev/stdout 2>"$work/piped.log" > >(cat >"$recording") &
pid=$!
pids+="$pid " logs+=(piped)
attach piped
menu_command start
wait_box piped_start start
xdotool key Return
no_box piped_started start
wait_line "$recording" 0 '#> digest [0-9a-f]{16}' || fail "the pipe took no digest"
menu_command quit
wait_box piped_quit quit
xdotool key y
wait_exit piped
[ "$status" = 0 ] || fail "recording into a pipe: status $status"
wait_line "$recording" 0 "command $command_quit" || fail "the pipe's reader did not get the end"
replays_in_simulator "$recording"
ok "--record /dev/stdout into a pipe: the file replays"
pass full
