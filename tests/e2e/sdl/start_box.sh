#!/usr/bin/env bash
# Behind the start box of a running game the game ticks on, behind the quit
# box it stands still, and keys typed at either box reach no game. Read off
# the session's recording as it is written: a line written while a box is
# open is a message the game took then.
source "${0%/*}/library.sh" || exit 1

recording=$work/play.sim
launch play --record "$recording"
start_game first_start

xdotool key a
wait_line "$recording" 0 "$key_line_KeyA" || fail "the game did not take a key"
menu_command start
wait_box start start
seen=$(wc -l <"$recording")
# A run of ticks is written with its digest, every 64 ticks.
wait_line "$recording" "$seen" digest || fail "no tick behind the start box"
xdotool key Left Right a 5 Return
no_box after_start start
between "$recording" "$key_line_KeyA" "command $command_start" | grep '^key ' &&
  fail "keys typed at the start box reached the game"
ok "the game ticks behind the start box of a running game, and takes none of its keys"

xdotool key b
wait_line "$recording" 0 "$key_line_KeyB" || fail "the game did not take a key"
menu_command quit
wait_box quit quit
seen=$(wc -l <"$recording")
xdotool key Left Right a 5
# Two seconds, in which a game ticking behind the box would write two
# digests: a stalled machine cannot make this check fail.
sleep 2
[ "$(wc -l <"$recording")" = "$seen" ] ||
  fail "the game took messages behind the quit box: $(tail -n "+$((seen + 1))" "$recording")"
xdotool key n
no_box after_quit quit
wait_line "$recording" "$seen" digest || fail "the game did not tick again after n"
between "$recording" "$key_line_KeyB" "command $command_quit" | grep '^key ' &&
  fail "keys typed at the quit box reached the game"
ok "the game stands still behind the quit box, and takes none of its keys"

menu_command quit
wait_box quit_y quit
xdotool key y
wait_exit play
[ "$status" = 0 ] || fail "quit answered y: status $status"
replays_in_simulator "$recording"
pass
