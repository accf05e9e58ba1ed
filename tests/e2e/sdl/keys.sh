#!/usr/bin/env bash
# Real keys reach the game: the session's recording holds the key-down of
# each key pressed in play, in order, with the code the key table gives it.
source "${0%/*}/library.sh" || exit 1

recording=$work/keys.sim
launch keys --record "$recording"
start_game start

# Each key as xdotool names it, and its DOM code.
keys=(a:KeyA F1:F1 shift:ShiftLeft 5:Digit5 Escape:Escape Tab:Tab
  Left:ArrowLeft Right:ArrowRight Up:ArrowUp Down:ArrowDown space:Space)
pressed=() expected=()
for key in "${keys[@]}"; do
  pressed+=("${key%%:*}")
  line=key_line_${key#*:}
  expected+=("${!line}")
done
xdotool key "${pressed[@]}"
menu_command quit
wait_box quit quit
xdotool key y
wait_exit keys
[ "$status" = 0 ] || fail "quit answered y: status $status"

got=$(grep '^key ' "$recording")
[ "$got" = "$(printf '%s\n' "${expected[@]}")" ] ||
  fail "the recording holds other keys: $(echo $got) (pressed ${pressed[*]})"
replays_in_simulator "$recording"
ok "${pressed[*]} reached the game as $(echo $got)"
pass
