#!/usr/bin/env bash
# A session recorded with its boxes, keys and ticks plays back in the window
# to its end: status 0, and nothing on stderr.
source "${0%/*}/library.sh" || exit 1

recording=$work/session.sim
launch session --record "$recording"
menu_command start
wait_box start start
xdotool key Return
no_box started start
xdotool key Left Left space Right
wait_line "$recording" 0 '#> digest [0-9a-f]{16}' || fail "the recording holds no digest"
menu_command quit
wait_box quit quit
xdotool key n
no_box resumed quit
menu_command quit
wait_box quit_y quit
xdotool key y
wait_exit session
[ "$status" = 0 ] || fail "quit answered y: status $status"

# No need of its window: a replay takes no keys.
start replay --replay "$recording"
wait_exit replay 90
[ "$status" = 0 ] || fail "the replay ended with status $status: $(cat "$work/replay.log")"
ok "the recording plays back in the window with status 0"
pass
