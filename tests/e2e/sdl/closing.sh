#!/usr/bin/env bash
# The window's close box while a box waits, the quit box and the loss box
# opened inside a tick: the program ends at once with status 0, and its
# recording, the open box answered "close", replays with every digest equal.
source "${0%/*}/library.sh" || exit 1

for box in quit loss; do
  recording=$work/closed_at_$box.sim
  launch "$box" --record "$recording"
  menu_command start
  wait_box "${box}_start" start
  xdotool key Return
  no_box "${box}_started" start
  if [ "$box" = quit ]; then
    menu_command quit
    wait_box quit quit
  else
    # The standing ship is shot down for the third time about 22 s into the game.
    wait_box loss loss 90
  fi
  close_window
  wait_exit "$box" 10
  [ "$status" = 0 ] || fail "closed at the $box box: status $status"
  grep -qx 'answer close' "$recording" || fail "the $box box is not answered close: $(tail -n 5 "$recording")"
  replays_in_simulator "$recording"
  ok "closed at the $box box: status 0 at once, and the recording replays"
done
pass
