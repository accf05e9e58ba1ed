#!/usr/bin/env bash
# Each of the game's boxes (start, quit, loss, continue) as its golden
# picture, and every way of answering one, each giving the answer that the
# session's recording holds: Tab then Space, n, a click on OK, Escape on an
# OK box, Return, y.
source "${0%/*}/library.sh" || exit 1

recording=$work/boxes.sim
launch boxes --record "$recording"
# On the title, where no game runs on.
menu_command quit
wait_box quit quit
xdotool key Tab space
no_box after_tab_space quit
menu_command quit
wait_box quit_n quit
xdotool key n
no_box after_n quit
menu_command start
wait_box start start
read -r x y width height <<<"$box_start_button"
xdotool mousemove --window "$wid" $((x + width / 2)) $((bar_height + y + height / 2)) click 1
no_box after_click start
ok "the quit and the start box show as their golden pictures, and go"

# The standing ship is shot down for the third time about 22 s into the game.
wait_box loss loss 90
xdotool key Escape
wait_box continue continue
xdotool key n
no_box after_continue continue
ok "the loss and the continue box show as their golden pictures, and go"

menu_command start
wait_box start_return start
xdotool key Return
no_box after_return start
menu_command quit
wait_box quit_y quit
xdotool key y
wait_exit boxes
[ "$status" = 0 ] || fail "quit answered y: status $status"

answers=$(grep '^answer ' "$recording" | tr '\n' ,)
[ "$answers" = "answer no,answer no,answer ok,answer ok no,answer ok,answer yes," ] ||
  fail "the boxes were answered otherwise: $answers"
ok "Tab then Space, n, a click on OK, Escape, n, Return and y gave no, no, OK, OK, no, OK and yes"
pass
