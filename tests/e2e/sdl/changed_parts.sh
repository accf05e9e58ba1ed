#!/usr/bin/env bash
# A window kept up to date by sending only what changed holds the same
# picture as one painted whole: after play with boxes opened and closed, the
# menu's popup, a resize to twice the field's size and F11 there (with no
# window manager to grant it), the game is frozen behind the quit box and the
# window's pixels are compared with those of a full repaint of that state,
# forced by a resize there and back.
source "${0%/*}/library.sh" || exit 1

recording=$work/play.sim
launch play --record "$recording"
start_game first_start
xdotool key --delay 40 Left Left space Right Right Right space Left
wait_line "$recording" 0 "$key_line_Space" || fail "the game did not take a key"

# A start box while the game ticks behind it, and the menu's popup.
menu_command start
wait_box again start
xdotool key Return
no_box again_gone start
xdotool key --delay 40 F10 Down Down Escape Escape Right space Right

# Twice the field's size, F11 there and back, and the popup over the scaled field.
width=$((2 * client_width)) height=$((bar_height + 2 * client_height))
xdotool windowsize --sync "$wid" "$width" "$height"
xdotool key --delay 40 Left space Left F11 Right space F11 Right space F10 Down Escape Escape Left
menu_command quit

# The quit box on the field scaled by 2: the game's clock stands still now.
read -r -a box <<<"$box_quit"
quit_box_at() { # TOP: the frame's corners where the box lies with the field's top at TOP
  shot "$1" && [ "$(identify -format %wx%h "$work/$1.png")" = "${width}x$3" ] &&
    [ "$(pixel "$work/$1.png" $((2 * box[0])) $(($2 + 2 * box[1])))" = "$colour_box_frame" ] &&
    [ "$(pixel "$work/$1.png" $((2 * (box[0] + box[2]) - 1)) $(($2 + 2 * (box[1] + box[3]) - 1)))" = \
      "$colour_box_frame" ]
}
within 30 quit_box_at sent "$bar_height" "$height" || fail "the quit box does not show at scale 2"
grep -q '^digest' "$recording" || fail "the game did not tick before the quit box"

# A window 20 pixels taller centres the field 10 lower, painted whole; back
# at its size it is painted whole again.
xdotool windowsize --sync "$wid" "$width" $((height + 20))
within 30 quit_box_at taller $((bar_height + 10)) $((height + 20)) || fail "no repaint in the taller window"
xdotool windowsize --sync "$wid" "$width" "$height"
repainted() { shot whole && same "$work/whole.png" "$work/sent.png"; }
within 20 repainted || fail "the window sent in parts differs from its full repaint in \
$(compare -metric AE "$work/sent.png" "$work/whole.png" "$work/difference.png" 2>&1) pixels"
ok "after play, boxes, the menu, a resize and F11, the window equals its full repaint"

xdotool key n
close_window
wait_exit play
[ "$status" = 0 ] || fail "closed, it ended with status $status"
pass
