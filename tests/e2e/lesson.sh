#!/usr/bin/env bash
# A lesson in the real window as a pupil sees it in captured pixels, or hears it.
# usage: $0 unitrix|projector|angulon|screen_reader BINARY ARTIFACT_DIR
. "$(dirname "$0")/lib.sh"
binary=$2 artifacts=$3
mkdir -p "$artifacts"
start_display "$([ "$1" = projector ] && echo 1920x1080)"

# 180°+α, α = 30 and Return: P and Q marked and read out, OQ's tangent last; at zoom 1 the canvas's origin is
# (192.5, 224.5), 83.25 px a unit. ZOOM LEFT SHOT: the same lesson and what it draws, where the zoom puts it.
lesson_at() {
    scaled() {  # X Y [W H] at zoom 1 -> at the zoom
        awk -v z="$1" -v l="$2" -v s="${*:3}" 'BEGIN { n = split(s, v, " "); printf "%d %d", l + v[1] * z, v[2] * z
                                                       if (n > 2) printf " %d %d", v[3] * z + 0.5, v[4] * z + 0.5 }'
    }
    local zoom=$1 left=$2 shot=$3 p mode rest what found=()
    # shellcheck disable=SC2046  # X Y
    click $(scaled "$zoom" "$left" 476 316); click $(scaled "$zoom" "$left" 420 338)  # the drop-down button, 180°+α
    # shellcheck disable=SC2046
    click $(scaled "$zoom" "$left" 92 430); type_text 30; xdotool key Return  # Return in the entry does what "确定" does
    read -r mode rest <<<"dark $(scaled "$zoom" "$left" 644 258 70 20)"
    # shellcheck disable=SC2086  # MODE X Y W H
    wait_for 10 shoot_probe $mode $rest "$shot" "read-out of tan(180°+α)"
    for p in "dark 289 121 8 8 unit circle at 45°" "dark 254 184 7 7 ray OP at 30°" \
             "0,255,0 117 263 7 7 green ray OQ at 210°" "dark 396 308 60 18 the chosen formula" \
             "255,0,0 310 149 11 11 red mark of P" "255,0,0 64 290 11 11 red mark of Q" \
             "255,0,0 195 218 11 6 red arrowhead of P's arc" "255,0,0 170 225 11 8 red arrowhead of Q's arc"; do
        read -r mode x y w h what <<<"$p"
        found+=("$mode $(scaled "$zoom" "$left" "$x" "$y" "$w" "$h") $what")
    done
    probes "$shot" "${found[@]}"
}

unitrix() {
    start_program "$binary" Zentrak 740x559
    probes "$artifacts/unitrix-start.png" "blank 628 68 70 16 read-out of sin α" \
        "dark 348 231 11 11 letter x" "dark 176 58 10 10 letter y" "dark 178 228 12 14 letter O" \
        "dark 352 218 8 6 x-axis' arrowhead" "dark 193 58 5 8 y-axis' arrowhead" \
        "dark 336 228 10 13 tick label 1 on x" "dark 36 228 11 14 tick label -1 on x" \
        "dark 183 69 8 12 tick label 1 on y" "dark 173 370 16 15 tick label -1 on y"
    lesson_at 1 0 "$artifacts/unitrix-lesson.png"
}

# On a 1920 x 1080 projector: at a scale factor of 2 the whole window is on the screen; resized to the screen, the
# lesson fills it at 1080 / 559, centred across, and draws what it draws at zoom 1, scaled, hidden controls unseen.
projector() {
    QT_SCALE_FACTOR=2 start_program "$binary" Zentrak
    local size; size=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/{print $2}')
    [ "${size%x*}" -le 1920 ] && [ "${size#*x}" -le 1080 ] || fail "at a scale factor of 2 the window is $size"
    kill "$program_pid"
    start_program "$binary" Zentrak
    xdotool windowsize "$window" 1920 1080; sleep 0.5
    lesson_at 1.93202 245 "$artifacts/projector-lesson.png"
    probes "$artifacts/projector-lesson.png" "blank 1700 30 200 600 the margin beside the page"
}

# Rows started while others turn: an arc to 60°, a spiral to 480°, a clockwise arc to −120°.
# Origin (174.5, 174.5), 82.25 px a unit.
angulon() {
    local shot="$artifacts/angulon-lesson.png"
    start_program "$binary" Rotavel 610x350
    click 416 68; type_text 60; click 504 68      # α
    click 416 141; type_text -120; click 504 140  # γ
    click 416 104; type_text 480                  # β, timed on the wall clock from its "确定"
    local start; start=$(date +%s%N)
    click 504 103
    # β ends last; its spiral's arrowhead stands there only at the end, where no ray sweeps the probes any more
    wait_for 10 shoot_probe 255,0,0 146 124 11 7 "$shot" "red arrowhead of β's spiral"
    # 84 ticks of 20 ms: 1680 ms, and no further from it than half or twice, however busy the machine
    local ms=$((($(date +%s%N) - start) / 1000000))
    [ "$ms" -ge 840 ] && [ "$ms" -le 3360 ] ||
        fail "β's turn through 480° took $ms ms on the wall clock, not about 1680"
    probes "$shot" "dark 233 64 7 7 α's ray at 60°" "0,255,0 109 64 7 7 β's ray at 120°" \
        "0,0,255 109 278 7 7 γ's ray at 240°" \
        "dark 187 166 7 7 α's arc at 20°" "0,255,0 209 148 9 9 β's spiral on its second lap, at 30°" \
        "0,0,255 199 187 9 9 γ's clockwise arc at -30°" "255,0,0 182 160 9 7 red arrowhead of α's arc" \
        "255,0,0 160 204 11 6 red arrowhead of γ's arc"
    click 560 164  # 清除: the rays hidden, the marks wiped, the plane kept
    probes "$artifacts/angulon-cleared.png" "blank 232 175 94 3 rays hidden, laid on the x-axis" \
        "blank 209 148 9 9 β's spiral wiped" \
        "dark 330 169 9 5 x-axis' arrowhead kept" "dark 175 11 5 7 y-axis' arrowhead kept"
}

screen_reader() {  # unitrix over the real accessibility bus, under dbus-run-session
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    pids+=($!)
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_program "$binary" Zentrak
    /usr/bin/python3 "$(dirname "$0")/unitrix_screen_reader.py"  # Debian's, which has the AT-SPI bindings
}

"$1"
