#!/usr/bin/env bash
# A lesson in the real window, as a pupil runs it: the mouse and the keys of
# xdotool under Xvfb, and what shows checked in the captured pixels.
# usage: lesson.sh unitrix|angulon BINARY ARTIFACT_DIR
. "$(dirname "$0")/lib.sh"
program=$1 binary=$2 artifacts=$3
mkdir -p "$artifacts"
start_display

# The unit circle at start-up; choose 180°+α, type 30, press "确定": P and Q
# are marked and read out. The canvas: origin (192.5, 224.5), 83.25 px a unit.
unitrix() {
    local start="$artifacts/unitrix-start.png" shot="$artifacts/unitrix-lesson.png"
    start_program "$binary" Zentrak
    [ "$(window_size)" = "740x559" ] || fail "client area $(window_size), expected 740x559"
    capture "$start"
    expect_dark 190 80 6 6 "$start" "unit circle at its top"
    expect_dark 350 228 8 12 "$start" "letter x"
    expect_blank 628 68 70 16 "$start" "read-out of sin α"
    click 476 316; click 420 338    # the drop-down button, then 180°+α
    click 92 430; type_text 30; click 188 428
    # P takes 6 ticks of 20 ms, Q 38; the tangent of OQ is read out last.
    settle 10 "$shot" expect_dark 644 258 70 20 "$shot" "read-out of tan(180°+α)"
    expect_colour 310 149 11 11 255 0 0 "$shot" "red mark of P at 30°"
    expect_dark 261 180 7 7 "$shot" "ray OP at 30°"
    expect_colour 64 290 11 11 255 0 0 "$shot" "red mark of Q at 210°"
    expect_colour 116 262 9 9 0 255 0 "$shot" "green ray OQ at 210°"
    expect_dark 396 308 60 18 "$shot" "the chosen formula in the selection box"
}

# Three rows started while the others still turn end together on one side
# (coterminal angles); "清除" hides the rays and keeps the plane. The canvas:
# origin (174.5, 174.5), 82.25 px a unit.
angulon() {
    local shot="$artifacts/angulon-coterminal.png" cleared="$artifacts/angulon-cleared.png"
    start_program "$binary" Rotavel
    [ "$(window_size)" = "610x350" ] || fail "client area $(window_size), expected 610x350"
    click 416 68; type_text 30; click 504 68      # α
    click 416 104; type_text 390; click 504 103   # β while α turns
    click 416 141; type_text -330; click 504 140  # γ while both turn
    # γ turns longest (330°, 58 ticks) and lies on top of the others at 30°.
    settle 10 "$shot" expect_colour 294 97 6 6 0 0 255 "$shot" "the three rays end at 30°"
    expect_colour 186 158 5 5 0 255 0 "$shot" "β's spiral past one turn"
    expect_colour 195 149 5 5 0 0 255 "$shot" "γ's clockwise arc through 45°"
    expect_dark 188 168 5 5 "$shot" "α's arc"
    expect_colour 150 150 50 50 255 0 0 "$shot" "red arrowheads near O"
    click 560 164  # 清除
    capture "$cleared"
    expect_blank 294 97 6 6 "$cleared" "rays hidden"
    expect_dark 330 172 8 6 "$cleared" "the x-axis' arrowhead kept"
}

"$program"
echo PASS
