#!/usr/bin/env bash
# The menu bar worked as on Windows: a lone Alt selects the bar and Escape
# leaves it; the pointer opens the menu on its title, closes it beside it,
# highlights an item and chooses it; F10, Down and Return choose 開始.
source "${0%/*}/library.sh" || exit 1

read -r title_x title_y title_width title_height <<<"$menu_title"
read -r first_x first_y first_width first_height <<<"$menu_item0"
read -r second_x second_y _ _ <<<"$menu_item1"
looks() { # screenshot $1 has colour $4 at ($2, $3)
  shot "$1" && [ "$(pixel "$work/$1.png" "$2" "$3")" = "$4" ]
}
title_selected() { looks "$1" $((title_x + 3)) $((title_y + 3)) "$colour_title_selected"; }
first_highlighted() { looks "$1" $((first_x + 3)) $((first_y + 3)) "$colour_item_selected"; }
popup_open() { looks "$1" $((second_x + 3)) $((second_y + 3)) "$colour_popup"; }
menu_closed() {
  looks "$1" $((title_x + 3)) $((title_y + 3)) "$colour_face" &&
    [ "$(pixel "$work/$1.png" $((second_x + 3)) $((second_y + 3)))" != "$colour_popup" ]
}

launch menu
within 30 menu_closed shown || fail "the window shows no menu bar"
xdotool key alt
within 30 title_selected alt || fail "a lone Alt did not select the menu bar"
xdotool key Escape
within 30 menu_closed escape || fail "Escape did not leave the menu bar"
ok "a lone Alt selects the menu bar, Escape leaves it"

click_title() { xdotool mousemove --window "$wid" $((title_x + title_width / 2)) $((title_y + title_height / 2)) click 1; }
click_title
within 30 popup_open clicked || fail "a click on the menu's title did not open it"
xdotool mousemove --window "$wid" 400 300 click 1
within 30 menu_closed beside || fail "a click beside the menu did not close it"
click_title
within 30 popup_open clicked_again || fail "a click on the menu's title did not open it again"
xdotool mousemove --window "$wid" $((first_x + first_width / 2)) $((first_y + first_height / 2))
within 30 first_highlighted pointed || fail "the pointer does not highlight 開始"
xdotool click 1
wait_box clicked_start start
xdotool key Return
no_box started start
ok "the pointer opens the menu, closes it, highlights 開始 and chooses it"

xdotool key F10
within 30 title_selected f10 || fail "F10 did not select the menu bar"
xdotool key Down
within 30 first_highlighted down || fail "Down did not open the menu at its first item"
xdotool key Return
wait_box chosen start
ok "F10, Down and Return choose 開始"

close_window
wait_exit menu
[ "$status" = 0 ] || fail "closed, the program ended with status $status"
pass
