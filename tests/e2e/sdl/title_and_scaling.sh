#!/usr/bin/env bash
# The title pixel for pixel as the title picture under the menu bar, in the
# program's window and in larger ones, where the bar spans the width and the
# field is scaled by the largest whole factor and centred on black below it;
# drawn by a window surface and by SDL's software renderer alike.
source "${0%/*}/library.sh" || exit 1

# Holds when screenshot $1 is a window of $2 (WIDTHxHEIGHT) with the title
# at scale $3 centred below the bar.
shows_title() {
  local name=$1 width=${2%x*} height=${2#*x} scale=$3
  local field_width=$((scale * client_width)) field_height=$((scale * client_height))
  local top=$((bar_height + (height - bar_height - field_height) / 2))
  shot "$name" && [ "$(identify -format %wx%h "$work/$name.png")" = "$2" ] &&
    crop "$name" "$(((width - field_width) / 2)) $top $field_width $field_height" &&
    convert "$work/$name.crop.png" -sample "$((100 / scale))%" "$work/$name.field.png" &&
    same "$work/$name.field.png" "$title_bmp" &&
    [ "$(pixel "$work/$name.png" $((width - 1)) 1)" = "$colour_face" ] &&
    { [ $((top + field_height)) = "$height" ] || [ "$(pixel "$work/$name.png" 0 $((height - 1)))" = 0,0,0 ]; }
}

for way in surface renderer; do
  # SDL's own software renderer: Xvfb has no GPU, and the OpenGL one loads
  # drivers the sanitizer build cannot follow.
  [ "$way" = renderer ] && export VANTORIX_SDL_RENDERER=1 SDL_RENDER_DRIVER=software
  launch "$way"
  within 30 shows_title "${way}_title" "${client_width}x$((bar_height + client_height))" 1 ||
    fail "$way: the window does not show the title below the bar"
  xdotool windowsize --sync "$wid" 1534 1000
  within 30 shows_title "${way}_double" 1534x1000 2 ||
    fail "$way: the title is not scaled by 2 below the bar in a window of 1534 x 1000"
  xdotool windowsize --sync "$wid" 900 560
  within 30 shows_title "${way}_centred" 900x560 1 ||
    fail "$way: the title is not centred on black below the bar in a window of 900 x 560"
  close_window
  wait_exit "$way"
  [ "$status" = 0 ] || fail "$way: closed, it ended with status $status"
  ok "$way: the title as its picture, at 1:1, scaled by 2 and centred"
done
pass
