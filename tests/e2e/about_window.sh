#!/usr/bin/env bash
# The about-and-credits window from the encrypt window's links: opened at
# (10, 10) on the about page, switched to the credits page in a new window at
# the same place, dragged, closed and reopened where it was left. Also the
# encrypt window's skin, title and link colours, pixel by pixel.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

main=$(winpath "$ZV_MAIN_EXE")
mkdir -p "$E2E_C/docs"
printf 'plain text\n' >"$E2E_C/docs/report.doc"

# Which page is shown, by its heading (45 pixels high, a character every 14
# pixels, yellow fading to black): "ABOUT THE SOFTWARE" from x = 145, its
# twelfth character in RGB(99, 99, 0); "CREDITS" from x = 220. Text is checked
# by a colour somewhere in a character's cell, never at one pixel of a glyph.
about_page="expect-pixel-in ClassThreadAbout 145 70 14 46 255 255 0
expect-pixel-in ClassThreadAbout 299 70 14 46 99 99 0"
credits_page="expect-pixel-in ClassThreadAbout 220 70 14 46 255 255 0
expect-no-pixel-in ClassThreadAbout 145 70 14 46 255 255 0"

drv <<EOF
start "$main" "C:\docs\report.doc"
wait-window EncryptClass1
move-to EncryptClass1 500 380
# Skin: blue outer border, yellow inner border, black at the ramp's left end.
expect-pixel EncryptClass1 2 2 0 0 255
expect-pixel EncryptClass1 785 467 0 0 255
expect-pixel EncryptClass1 7 7 255 255 0
expect-pixel EncryptClass1 780 462 255 255 0
expect-pixel EncryptClass1 10 440 0 0 0
# The title, from x = 247 a character every 14 pixels: its first character in
# RGB(17, 255, 215), its last (t = 20/21) in RGB(17, 12, 215).
expect-pixel-in EncryptClass1 247 12 14 45 17 255 215
expect-pixel-in EncryptClass1 527 12 14 45 17 12 215
expect-no-pixel-in EncryptClass1 527 12 14 45 17 255 215
# "Credits" (from 15, 19; 7 by 16 pixels a character) is teal under the
# pointer and yellow again away from it.
move-to EncryptClass1 30 28
expect-pixel-in EncryptClass1 15 19 14 16 0 155 155
expect-no-pixel-in EncryptClass1 15 19 14 16 255 255 10
move-to EncryptClass1 500 380
expect-pixel-in EncryptClass1 15 19 14 16 255 255 10
expect-no-pixel-in EncryptClass1 15 19 14 16 0 155 155
capture EncryptClass1 encrypt-window.bmp

click-at EncryptClass1 40 48
wait-window ClassThreadAbout
expect-rect ClassThreadAbout 10 10 788 470
$about_page
# The frame around the picture.
expect-pixel ClassThreadAbout 543 200 0 155 155
capture ClassThreadAbout about-page.bmp

# Drag it off the encrypt window's links, by its background.
drag ClassThreadAbout 400 420 620 700
expect-rect ClassThreadAbout 230 290 788 470

click-at EncryptClass1 30 28
$credits_page
expect-rect ClassThreadAbout 230 290 788 470
capture ClassThreadAbout credits-page.bmp

click ClassThreadAbout #421
wait-gone ClassThreadAbout
click-at EncryptClass1 40 48
wait-window ClassThreadAbout
expect-rect ClassThreadAbout 230 290 788 470
$about_page

# The about link again replaces the window, still on the about page, in place.
click-at EncryptClass1 40 48
expect-rect ClassThreadAbout 230 290 788 470
$about_page
list-windows
click EncryptClass1 #421
expect-exit 1
EOF
