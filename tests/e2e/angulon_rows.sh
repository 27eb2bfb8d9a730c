#!/usr/bin/env bash
# Three rows started one after another while the first still turns: each ray
# ends at its own angle. "清除" hides them and keeps the plane.
# usage: angulon_rows.sh BINARY ARTIFACT_DIR
. "$(dirname "$0")/lib.sh"
binary=$1 artifacts=$2
mkdir -p "$artifacts"

start_display
start_program "$binary" Rotavel
[ "$(window_size)" = "610x350" ] || fail "client area $(window_size), expected 610x350"
start="$artifacts/angulon-start.png"
capture "$start"
# Canvas: inside its border from (10, 10), 82.25 px a unit, origin (174.5, 174.5).
expect_dark 40 172 40 5 "$start" "x-axis"
expect_dark 172 40 5 40 "$start" "y-axis"
expect_dark 330 172 8 6 "$start" "filled arrowhead of the x-axis"
expect_blank 100 60 40 40 "$start" "no ray at start-up"

click 416 68; type_text 400;  click 504 68    # α = 400: 70 ticks
click 416 104; type_text 120; click 504 103   # β while α turns
click 416 141; type_text -135; click 504 140  # γ while both turn
shot="$artifacts/angulon-rows.png"
rays_arrived() {
    expect_dark 266 92 7 7 "$shot" "α ray at 400° (40°)"
    expect_colour 109 64 8 8 0 255 0 "$shot" "β ray at 120°"
    expect_colour 84 258 8 8 0 0 255 "$shot" "γ ray at -135°"
}
settle 10 "$shot" rays_arrived
expect_colour 150 150 50 50 255 0 0 "$shot" "red arrowheads near O"

click 560 164                                  # 清除
cleared="$artifacts/angulon-cleared.png"
capture "$cleared"
expect_blank 262 88 12 12 "$cleared" "α ray hidden"
expect_blank 105 60 12 12 "$cleared" "β ray hidden"
expect_dark 40 172 40 5 "$cleared" "x-axis kept"
expect_dark 330 172 8 6 "$cleared" "arrowhead kept"

# Coterminal angles started together: three rays on one terminal side, three
# different marks of how they got there.
click 416 68; type_text 30;    click 504 68
click 416 104; type_text 390;  click 504 103
click 416 141; type_text -330; click 504 140
coterminal="$artifacts/angulon-coterminal.png"
# γ turns longest (330°, 58 ticks) and lies on top of the others at 30°.
settle 10 "$coterminal" expect_colour 294 97 6 6 0 0 255 "$coterminal" "the three rays end at 30°"
expect_colour 186 158 5 5 0 255 0 "$coterminal" "β's spiral past one turn"
expect_colour 195 149 5 5 0 0 255 "$coterminal" "γ's clockwise arc through 45°"
expect_dark 188 168 5 5 "$coterminal" "α's arc"
echo "PASS"
