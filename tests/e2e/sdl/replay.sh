#!/usr/bin/env bash
# The game every shell plays (../same_session.story), recorded with its
# boxes, keys and ticks: the recording holds the story's lines, replays in
# the simulator, and plays back in the window to its end: status 0, and
# nothing on stderr.
source "${0%/*}/library.sh" || exit 1

recording=$work/session.sim
launch session --record "$recording"
start_game start
xdotool key Left Left Up space
wait_line "$recording" 0 '#> digest [0-9a-f]{16}' || fail "the recording holds no digest"
menu_command quit
wait_box quit quit
xdotool key n
no_box resumed quit
xdotool key Right Down space
menu_command quit
wait_box quit_y quit
xdotool key y
wait_exit session
[ "$status" = 0 ] || fail "quit answered y: status $status"
story_of "$recording" "$here/same_session.story" || fail "the recording tells another game"
replays_in_simulator "$recording"
ok "the game every shell plays: its lines, and every digest equal in the simulator"

# No need of its window: a replay takes no keys.
start replay --replay "$recording"
wait_exit replay 90
[ "$status" = 0 ] || fail "the replay ended with status $status: $(cat "$work/replay.log")"
ok "the recording plays back in the window with status 0"
pass
