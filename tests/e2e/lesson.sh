#!/usr/bin/env bash
# A lesson in the real window, as a pupil runs it: the mouse and the keys of
# xdotool under Xvfb, and what shows checked in the captured pixels.
# usage: lesson.sh unitrix|angulon BINARY ARTIFACT_DIR
. "$(dirname "$0")/lib.sh"
program=$1 binary=$2 artifacts=$3
mkdir -p "$artifacts"
start_display 2048x1536

# The unit circle at start-up; choose 180°+α, type 30, press "确定": P and Q
# are marked and read out. At scale factor 2 a line stays two device pixels.
unitrix() {
    start_program "$binary" Zentrak
    [ "$(window_size)" = "740x559" ] || fail "client area $(window_size), expected 740x559"
    local start="$artifacts/unitrix-start.png" shot="$artifacts/unitrix-lesson.png" shot2="$artifacts/unitrix-start-x2.png"
    capture "$start"
    # The canvas: origin (192.5, 224.5), 83.25 px a unit.
    expect_dark 190 80 6 6 "$start" "unit circle at its top"
    expect_dark 288 120 6 6 "$start" "unit circle at 45°"
    expect_dark 105 222 8 5 "$start" "x-axis left of O"
    expect_dark 190 150 5 8 "$start" "y-axis above O"
    expect_dark 350 228 8 12 "$start" "letter x"
    expect_dark 180 228 10 12 "$start" "letter O"
    expect_blank 235 165 20 20 "$start" "inside the circle"
    expect_blank 628 68 70 16 "$start" "read-out of sin α"
    expect_dark 520 68 60 16 "$start" "caption ending in sinα="

    click 476 316; click 420 338    # the drop-down button, then 180°+α
    click 92 430; type_text 30; click 188 428
    # P takes 6 ticks of 20 ms, Q 38; the tangent of OQ is read out last.
    settle 10 "$shot" expect_dark 644 258 70 20 "$shot" "read-out of tan(180°+α)"
    expect_colour 310 149 11 11 255 0 0 "$shot" "red mark of P at 30°"
    expect_dark 261 180 7 7 "$shot" "ray OP at 30°"
    expect_colour 64 290 11 11 255 0 0 "$shot" "red mark of Q at 210°"
    expect_colour 116 262 9 9 0 255 0 "$shot" "green ray OQ at 210°"
    expect_dark 628 66 70 20 "$shot" "read-out of sin α"
    expect_dark 396 308 60 18 "$shot" "the chosen formula in the selection box"
    kill "$program_pid"; wait "$program_pid" 2>/dev/null || true

    QT_SCALE_FACTOR=2 start_program "$binary" Zentrak
    [ "$(window_size)" = "1480x1118" ] || fail "scaled client area $(window_size), expected 1480x1118"
    capture "$shot2"
    local dark=0 g
    for g in $(greys 218 430 1 40 "$shot2"); do
        if [ "$g" -lt 30 ]; then dark=$((dark + 1)); elif [ "$g" -le 225 ]; then fail "x-axis smeared at scale 2"; fi
    done
    [ "$dark" -eq 2 ] || fail "the x-axis is $dark device pixels thick at scale 2, expected 2"
}

# Three rows started while the others still turn each end at their own angle;
# "清除" hides the rays and keeps the plane; coterminal angles end together.
angulon() {
    start_program "$binary" Rotavel
    [ "$(window_size)" = "610x350" ] || fail "client area $(window_size), expected 610x350"
    local start="$artifacts/angulon-start.png" shot="$artifacts/angulon-rows.png"
    local cleared="$artifacts/angulon-cleared.png" coterminal="$artifacts/angulon-coterminal.png"
    capture "$start"
    # The canvas: origin (174.5, 174.5), 82.25 px a unit.
    expect_dark 40 172 40 5 "$start" "x-axis"
    expect_dark 172 40 5 40 "$start" "y-axis"
    expect_dark 330 172 8 6 "$start" "filled arrowhead of the x-axis"
    expect_blank 100 60 40 40 "$start" "no ray at start-up"

    click 416 68; type_text 400; click 504 68     # α = 400: 70 ticks
    click 416 104; type_text 120; click 504 103   # β while α turns
    click 416 141; type_text -135; click 504 140  # γ while both turn
    rays_arrived() {
        expect_dark 266 92 7 7 "$shot" "α ray at 400° (40°)"
        expect_colour 109 64 8 8 0 255 0 "$shot" "β ray at 120°"
        expect_colour 84 258 8 8 0 0 255 "$shot" "γ ray at -135°"
    }
    settle 10 "$shot" rays_arrived
    expect_colour 150 150 50 50 255 0 0 "$shot" "red arrowheads near O"

    click 560 164                                  # 清除
    capture "$cleared"
    expect_blank 262 88 12 12 "$cleared" "α ray hidden"
    expect_blank 105 60 12 12 "$cleared" "β ray hidden"
    expect_dark 330 172 8 6 "$cleared" "arrowhead kept"

    click 416 68; type_text 30; click 504 68
    click 416 104; type_text 390; click 504 103
    click 416 141; type_text -330; click 504 140
    # γ turns longest (330°, 58 ticks) and lies on top of the others at 30°.
    settle 10 "$coterminal" expect_colour 294 97 6 6 0 0 255 "$coterminal" "the three rays end at 30°"
    expect_colour 186 158 5 5 0 255 0 "$coterminal" "β's spiral past one turn"
    expect_colour 195 149 5 5 0 0 255 "$coterminal" "γ's clockwise arc through 45°"
    expect_dark 188 168 5 5 "$coterminal" "α's arc"
}

"$program"
echo PASS
