#!/usr/bin/env bash
# A lesson in the real window as a pupil sees it in captured pixels, or hears it. usage: $0 unitrix|angulon|screen_reader BINARY ARTIFACT_DIR
. "$(dirname "$0")/lib.sh"
binary=$2 artifacts=$3
mkdir -p "$artifacts"
start_display

unitrix() {  # 180°+α, α = 30, "确定": P and Q marked and read out, OQ's tangent last. Origin (192.5, 224.5), 83.25 px a unit.
    local start="$artifacts/unitrix-start.png" shot="$artifacts/unitrix-lesson.png"
    start_program "$binary" Zentrak 740x559
    shoot_probe dark 190 80 6 6 "$start" "unit circle at its top"
    probe dark 350 228 8 12 "$start" "letter x"
    probe blank 628 68 70 16 "$start" "read-out of sin α"
    click 476 316; click 420 338    # the drop-down button, then 180°+α
    click 92 430; type_text 30; click 188 428
    wait_for 10 shoot_probe dark 644 258 70 20 "$shot" "read-out of tan(180°+α)"
    probe 255,0,0 310 149 11 11 "$shot" "red mark of P at 30°"
    probe dark 261 180 7 7 "$shot" "ray OP at 30°"
    probe 255,0,0 64 290 11 11 "$shot" "red mark of Q at 210°"
    probe 0,255,0 116 262 9 9 "$shot" "green ray OQ at 210°"
    probe dark 396 308 60 18 "$shot" "the chosen formula in the selection box"
}

# Rows started while others turn end together (coterminal angles); "清除" hides the rays, keeps the plane.
angulon() {  # Origin (174.5, 174.5), 82.25 px a unit.
    local shot="$artifacts/angulon-coterminal.png" cleared="$artifacts/angulon-cleared.png"
    start_program "$binary" Rotavel 610x350
    click 416 68; type_text 30; click 504 68      # α
    click 416 104; type_text 390; click 504 103   # β while α turns
    click 416 141; type_text -330; click 504 140  # γ while both turn
    wait_for 10 shoot_probe 0,0,255 294 97 6 6 "$shot" "the three rays end at 30°, γ (turning longest) on top"
    probe 0,255,0 186 158 5 5 "$shot" "β's spiral past one turn"
    probe 0,0,255 195 149 5 5 "$shot" "γ's clockwise arc through 45°"
    probe dark 188 168 5 5 "$shot" "α's arc"
    probe 255,0,0 150 150 50 50 "$shot" "red arrowheads near O"
    click 560 164  # 清除
    shoot_probe blank 294 97 6 6 "$cleared" "rays hidden"
    probe dark 330 172 8 6 "$cleared" "the x-axis' arrowhead kept"
}

screen_reader() {  # unitrix over the real accessibility bus, under dbus-run-session
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    pids+=($!)
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_program "$binary" Zentrak
    /usr/bin/python3 "$(dirname "$0")/unitrix_screen_reader.py"  # Debian's, which has the AT-SPI bindings
}

"$1"
