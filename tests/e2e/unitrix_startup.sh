#!/usr/bin/env bash
# unitrix opens its window with the unit circle, the axes and their letters,
# and stays sharp on a projector's scale factor of 2.
# usage: unitrix_startup.sh BINARY ARTIFACT_DIR
. "$(dirname "$0")/lib.sh"
binary=$1 artifacts=$2
mkdir -p "$artifacts"

start_display 2048x1536
start_program "$binary" Zentrak
[ "$(window_size)" = "740x559" ] || fail "client area $(window_size), expected 740x559"
shot="$artifacts/unitrix-start.png"
capture "$shot"

# The canvas: 333 px inside its border from (26, 58), 83.25 px a unit, origin (192.5, 224.5).
expect_dark 190 80 6 6 "$shot" "unit circle at its top"
expect_dark 288 120 6 6 "$shot" "unit circle at 45 degrees"
expect_dark 105 222 8 5 "$shot" "x-axis left of O"
expect_dark 190 150 5 8 "$shot" "y-axis above O"
expect_dark 350 228 8 12 "$shot" "letter x"
expect_dark 180 228 10 12 "$shot" "letter O"
expect_dark 330 228 12 12 "$shot" "tick label 1"
expect_blank 235 165 20 20 "$shot" "inside the circle"
expect_blank 30 62 15 15 "$shot" "outside the circle, top-left corner"
# The read-outs are empty and the start-up captions end in "sinα=".
expect_blank 628 68 70 16 "$shot" "value label of sin α"
expect_dark 520 68 60 16 "$shot" "caption ending in sinα="

kill "$program_pid"; wait "$program_pid" 2>/dev/null || true

# At scale factor 2 every logical pixel is 2x2 device pixels: a one-pixel line
# is two device rows of pure black with white on both sides, not a grey smear.
QT_SCALE_FACTOR=2 start_program "$binary" Zentrak
[ "$(window_size)" = "1480x1118" ] || fail "scaled client area $(window_size), expected 1480x1118"
shot2="$artifacts/unitrix-start-x2.png"
capture "$shot2"
column=$(greys 218 430 1 40 "$shot2")
dark=0
for g in $column; do
    [ "$g" -lt 30 ] && dark=$((dark + 1))
    if [ "$g" -ge 30 ] && [ "$g" -le 225 ]; then fail "x-axis smeared at scale 2: $column"; fi
done
[ "$dark" -eq 2 ] || fail "x-axis is $dark device pixels thick at scale 2, expected 2: $column"
echo "PASS"
