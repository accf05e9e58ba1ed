#!/usr/bin/env bash
# In the smallest window the program asks for, the title shrunk smoothly to
# fit whole below the bar, and the quit box over it at its own size, centred,
# answered by a click on はい; drawn by a window surface and by SDL's
# software renderer alike.
source "${0%/*}/library.sh" || exit 1

read -r field_x field_y field_width field_height <<<"$smallest_field"
read -r plane_x plane_y <<<"$smallest_boxes"
# The title shrunk smoothly by ImageMagick: the program's shrink is near it,
# far nearer than the same shifted by a pixel (RMSE 0.08), and smooth: it has
# colours between the title's own, which a shrink by whole pixels would not.
convert "$title_bmp" -filter Triangle -resize "${field_width}x${field_height}!" "$work/title_small.png"
title_colours=$(identify -format %k "$title_bmp")
rmse() { compare -metric RMSE "$1" "$2" null: 2>&1 | sed 's/.*(\(.*\))/\1/'; }
shows_small_title() {
  local picture=$work/$1.crop.png
  shot "$1" && [ "$(identify -format %wx%h "$work/$1.png")" = "$smallest_window" ] &&
    [ "$(pixel "$work/$1.png" $((${smallest_window%x*} - 1)) 1)" = "$colour_face" ] &&
    crop "$1" "$field_x $field_y $field_width $field_height" &&
    [ "$(rmse "$picture" "$work/title_small.png" | awk '{ print ($1 < 0.04) }')" = 1 ] &&
    [ "$(identify -format %k "$picture")" -gt "$title_colours" ]
}

for way in surface renderer; do
  [ "$way" = renderer ] && export VANTORIX_SDL_RENDERER=1 SDL_RENDER_DRIVER=software
  launch "$way"
  xdotool windowsize --sync "$wid" ${smallest_window/x/ }
  within 30 shows_small_title "${way}_title" ||
    fail "$way: the title is not shrunk whole below the bar in a window of $smallest_window"
  menu_command quit
  read -r x y width height <<<"$box_quit"
  wait_picture "${way}_quit" "$((plane_x + x)) $((plane_y + y)) $width $height" sdl_box_quit 30 framed
  read -r x y width height <<<"$box_quit_button"
  xdotool mousemove --window "$wid" $((plane_x + x + width / 2)) $((plane_y + y + height / 2)) click 1
  wait_exit "$way"
  [ "$status" = 0 ] || fail "$way: はい clicked, it ended with status $status"
  ok "$way: the title shrunk whole, the quit box at its own size, answered by a click"
done
pass
